#pragma once

class Voice;

// Who reads a test's texts aloud, and when: as each appears, for pupils still learning to read,
// or only when the pupil asks with R.
struct ReadAloud {
    Voice& voice;
    bool asTextsAppear = false;
};
