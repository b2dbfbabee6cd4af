#include "program/TeacherFile.h"

#include "questions/TeacherReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
TeacherFile refused(std::string why) {
    return {{}, Finding{0, std::move(why)}};
}

std::string openingFault(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "there is no such file";
    case EACCES:
        return "Velmora may not read this file";
    default:
        return std::string("the file cannot be opened: ") + std::strerror(error);
    }
}

// Closes the file however the reading ends.
class OpenFile {
  public:
    explicit OpenFile(int descriptor) : descriptor(descriptor) {}
    ~OpenFile() { ::close(descriptor); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    const int descriptor;
};
} // namespace

TeacherFile readTeacherFile(const std::string& path) {
    // Not blocking: opening a pipe would otherwise wait for something to write into it.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return refused(openingFault(errno));
    const OpenFile file(descriptor);

    struct stat status {};
    if (::fstat(file.descriptor, &status) != 0)
        return refused(std::string("the file cannot be read: ") + std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        return refused("this is a folder, not a file");
    if (!S_ISREG(status.st_mode))
        return refused("this is not a regular file");
    // One byte more than any reader reads tells the reader of the file's format that the file is
    // larger than it reads; each format's limit is the reader's own.
    constexpr std::size_t readAtMost = largestTeacherFile + 1;
    TeacherFile read;
    read.bytes.resize(std::min(std::size_t(status.st_size) + 1, readAtMost));
    std::size_t size = 0;
    while (size < readAtMost) {
        if (size == read.bytes.size())
            read.bytes.resize(std::min(2 * size, readAtMost));
        const ssize_t got =
            ::read(file.descriptor, read.bytes.data() + size, read.bytes.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return refused(std::string("the file cannot be read: ") + std::strerror(errno));
        if (got == 0)
            break;
        size += std::size_t(got);
    }
    read.bytes.resize(size);
    return read;
}
