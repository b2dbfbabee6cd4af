#include "record/ClassRecord.h"

#include "record/AttemptCsv.h"
#include "record/AttemptFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace {
// Ten answers take a few kilobytes; anything much larger is not an attempt file.
constexpr off_t largestAttemptFile = 1 << 20;

struct FileText {
    std::string text;
    // Why the file could not be read, or empty.
    std::string problem;
};

// The whole file, not following a symbolic link that someone put into the folder.
FileText contents(int folder, const char* name) {
    const int file = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return {.text = {}, .problem = errno == ELOOP ? "a symbolic link" : std::strerror(errno)};
    FileText read;
    struct stat status {};
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode))
        read.problem = "not a regular file";
    else if (status.st_size > largestAttemptFile)
        read.problem = "too large for an attempt file";
    else
        read.text.resize(std::size_t(status.st_size));
    for (std::size_t at = 0; read.problem.empty() && at < read.text.size();) {
        const ssize_t got = ::read(file, read.text.data() + at, read.text.size() - at);
        if (got <= 0)
            read.problem = got < 0 ? std::strerror(errno) : "shorter than it said";
        at += std::size_t(std::max<ssize_t>(got, 0));
    }
    ::close(file);
    return read;
}

void add(ClassRecord& record, const std::vector<ReadAnswer>& answers) {
    const ReadAnswer& first = answers.front();
    const TestKey test{first.source, first.test};
    record.pupils.emplace(first.login, first.name);
    record.tests.emplace(test, first.title);
    Results& results = record.results[{first.login, test}];
    results.best = std::max(results.best, answers.back().score);
    ++results.attempts;
    for (const ReadAnswer& answer : answers)
        if (!answer.ok)
            ++record.wrongAnswers[answer.sentence];
}

} // namespace

std::optional<ClassRecord> readClassRecord(const std::string& folder,
                                           const std::optional<std::string>& since,
                                           std::string& why) {
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folder.c_str()), ::closedir);
    if (!directory) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    ClassRecord record;
    const auto leaveOut = [&](const std::string& name, std::string_view reason) {
        record.leftOut.push_back(folder + "/" + name + ": " + std::string(reason));
    };
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (isTemporaryName(name)) {
            leaveOut(name, "an attempt still being written, or cut off");
            continue;
        }
        if (!name.ends_with(".csv")) {
            leaveOut(name, "not an attempt file of Velmora");
            continue;
        }
        const auto text = contents(::dirfd(directory.get()), name.c_str());
        if (!text.problem.empty()) {
            leaveOut(name, text.problem);
            continue;
        }
        const auto answers = readAttemptCsv(text.text);
        if (const std::string* broken = std::get_if<std::string>(&answers)) {
            leaveOut(name, *broken);
            continue;
        }
        const auto& read = std::get<std::vector<ReadAnswer>>(answers);
        if (!since || read.front().started.substr(0, since->size()) >= *since)
            add(record, read);
    }
    std::sort(record.leftOut.begin(), record.leftOut.end());
    return record;
}
