#include "program/TeacherFile.h"

#include "questions/GiftReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
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
    if (std::uintmax_t(status.st_size) > largestGiftFile)
        return refused("the file is larger than 1 MiB");

    // One byte more than the file holds tells whether it grew while it was read.
    TeacherFile read;
    read.bytes.resize(std::size_t(status.st_size) + 1);
    std::size_t size = 0;
    while (size <= largestGiftFile) {
        if (size == read.bytes.size())
            read.bytes.resize(std::min(2 * size, largestGiftFile + 1));
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
    if (size > largestGiftFile)
        return refused("the file is larger than 1 MiB");
    read.bytes.resize(size);
    return read;
}
