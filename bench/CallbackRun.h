#pragma once

// The sound card's callback timed on SDL's own audio thread while the voice speaks and tones
// play, with both cores kept busy: reports its worst and median duration per buffer.
int runCallbackTiming();
