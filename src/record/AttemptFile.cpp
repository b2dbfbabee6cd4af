#include "record/AttemptFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
WriteError failure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ESTALE:
        return {WriteFailure::folderMissing, error};
    case EACCES:
    case EPERM:
    case EROFS:
        return {WriteFailure::notPermitted, error};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {WriteFailure::diskFull, error};
    default:
        return {WriteFailure::other, error};
    }
}

// The error of the write that failed, or 0.
int writeAll(int file, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(file, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        data += written;
        size -= std::size_t(written);
    }
    return 0;
}

int openExclusively(const std::string& folder, const std::string& path) {
    constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    constexpr mode_t readableByTheTeacher = 0644;
    const int file = ::open(path.c_str(), flags, readableByTheTeacher);
    if (file >= 0 || errno != ENOENT)
        return file;
    // Only the folder itself is made: a missing parent is a mistyped setting, not a new class.
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
        return -1;
    return ::open(path.c_str(), flags, readableByTheTeacher);
}

// The rename is on the disk only once the folder is.
void flushFolder(const std::string& folder) {
    const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        return;
    ::fsync(directory);
    ::close(directory);
}
} // namespace

namespace {
constexpr std::string_view temporaryEnd = ".part";
} // namespace

std::string temporaryName(const std::string& name) {
    return std::string(".").append(name).append(temporaryEnd);
}

bool isTemporaryName(std::string_view fileName) {
    return fileName.starts_with('.') && fileName.ends_with(temporaryEnd);
}

std::optional<WriteError> writeAttemptFile(const std::string& folder, const std::string& name,
                                           const std::string& text,
                                           const std::function<void(WriteStep)>& atStep) {
    const auto step = [&](WriteStep next) {
        if (atStep)
            atStep(next);
    };
    const std::string temporary = folder + "/" + temporaryName(name);
    const int file = openExclusively(folder, temporary);
    if (file < 0)
        return failure(errno);
    // Written in two halves, so that a crash can be made to fall between two writes.
    const std::size_t half = text.size() / 2;
    step(WriteStep::beforeData);
    int error = writeAll(file, text.data(), half);
    step(WriteStep::midData);
    if (error == 0)
        error = writeAll(file, text.data() + half, text.size() - half);
    step(WriteStep::beforeFlush);
    // A network share may report a full disk only when the file is flushed or closed.
    if (error == 0 && ::fsync(file) != 0)
        error = errno;
    if (::close(file) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    step(WriteStep::beforeRename);
    if (::rename(temporary.c_str(), (folder + "/" + name + ".csv").c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return failure(renameError);
    }
    flushFolder(folder);
    return std::nullopt;
}
