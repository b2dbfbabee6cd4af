#pragma once

// Answers `answers` questions on the real clock, alternately correct and wrong, and reports how
// well the feedback keeps its time: every step, the next-question label, and the tones both as
// the speaker's gate was switched and as the emulated speaker rendered them. Reading aloud, the
// voice renders each question and correct sentence meanwhile. Keeping the record, each test's
// attempt is written into a temporary folder as it ends.
int runTiming(int answers, bool readingAloud, bool keepingRecord = false);
