#pragma once

#include "record/Attempt.h"
#include "record/AttemptFile.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

// Writes each attempt handed to it into the record's folder, one file each, on a thread of its
// own, so that a slow or hanging share never holds up the screens. A failure is told on standard
// error once for each kind, and the pupil plays on.
class RecordWriter final : public AttemptKeeper {
  public:
    // `atStep`, when given, is called at each step of every write.
    RecordWriter(std::string folder, AttemptContext context,
                 std::function<void(WriteStep)> atStep = {});
    // Waits for the attempts still to be written, at most exitWait.
    ~RecordWriter();
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    static constexpr std::chrono::milliseconds exitWait{2000};

    void keep(TestAttempt attempt) override;
    // Whether every attempt handed over was written, or failed, within `limit`.
    bool waitUntilWritten(std::chrono::milliseconds limit);

  private:
    struct Queue;
    std::shared_ptr<Queue> queue;
    std::thread thread;
};
