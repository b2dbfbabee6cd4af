#include "record/RecordWriter.h"

#include "record/AttemptCsv.h"
#include "record/FileName.h"

#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <set>
#include <unistd.h>

namespace {
struct FailureLine {
    WriteFailure kind;
    const char* text;
};
constexpr FailureLine failureLines[] = {
    {WriteFailure::folderMissing, "velmora: the record's folder %s is missing: %s\n"},
    {WriteFailure::notPermitted, "velmora: the record's folder %s cannot be written: %s\n"},
    {WriteFailure::diskFull, "velmora: the record's folder %s is full: %s\n"},
    {WriteFailure::other, "velmora: the record cannot be kept in %s: %s\n"},
};
} // namespace

// Shared with the thread, which may outlive the writer when a share hangs at the program's end.
struct RecordWriter::Queue {
    Queue(std::string folder, AttemptContext context, std::function<void(WriteStep)> atStep)
        : folder(std::move(folder)), context(std::move(context)), atStep(std::move(atStep)) {}

    const std::string folder;
    const AttemptContext context;
    const std::function<void(WriteStep)> atStep;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<TestAttempt> waiting;
    bool writing = false;
    bool ending = false;
    // Touched by the thread alone.
    std::set<WriteFailure> told;
    std::set<std::string> namesTaken;

    void run();
    void write(const TestAttempt& attempt);
    std::string freshName(const TestAttempt& attempt);
};

void RecordWriter::Queue::run() {
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [&] { return ending || !waiting.empty(); });
        if (waiting.empty())
            return;
        const TestAttempt attempt = std::move(waiting.front());
        waiting.pop_front();
        writing = true;
        lock.unlock();
        write(attempt);
        lock.lock();
        writing = false;
        changed.notify_all();
    }
}

std::string RecordWriter::Queue::freshName(const TestAttempt& attempt) {
    for (int sequence = 1;; ++sequence) {
        std::string name =
            attemptName(attempt.finished, context.login, context.computer, ::getpid(), sequence);
        if (namesTaken.insert(name).second)
            return name;
    }
}

void RecordWriter::Queue::write(const TestAttempt& attempt) {
    const AttemptRecord record{.attempt = freshName(attempt), .context = context, .test = attempt};
    const std::optional<WriteError> error =
        writeAttemptFile(folder, record.attempt, attemptCsv(record), atStep);
    if (!error || !told.insert(error->kind).second)
        return;
    for (const FailureLine& line : failureLines)
        if (line.kind == error->kind)
            std::fprintf(stderr, line.text, folder.c_str(), std::strerror(error->error));
}

RecordWriter::RecordWriter(std::string folder, AttemptContext context,
                           std::function<void(WriteStep)> atStep)
    : queue(std::make_shared<Queue>(std::move(folder), std::move(context), std::move(atStep))),
      thread([queue = queue] { queue->run(); }) {}

RecordWriter::~RecordWriter() {
    const bool written = waitUntilWritten(exitWait);
    {
        const std::lock_guard lock(queue->mutex);
        queue->ending = true;
    }
    queue->changed.notify_all();
    // A write that hangs on a share that went away must not keep the pupil's program open.
    if (written)
        thread.join();
    else
        thread.detach();
}

void RecordWriter::keep(TestAttempt attempt) {
    {
        const std::lock_guard lock(queue->mutex);
        queue->waiting.push_back(std::move(attempt));
    }
    queue->changed.notify_all();
}

bool RecordWriter::waitUntilWritten(std::chrono::milliseconds limit) {
    std::unique_lock lock(queue->mutex);
    return queue->changed.wait_for(lock, limit,
                                   [&] { return queue->waiting.empty() && !queue->writing; });
}
