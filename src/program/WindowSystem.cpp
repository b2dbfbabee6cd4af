#include "program/WindowSystem.h"

#include <QByteArrayList>
#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int tcpPatienceMs = 1000;
constexpr int firstXPort = 6000;

// Connects and closes; a connection still under way after the patience counts as no answer.
bool connects(int family, const sockaddr* address, socklen_t length) {
    const int socket = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    bool connected = ::connect(socket, address, length) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd waiting{.fd = socket, .events = POLLOUT, .revents = 0};
        int error = 0;
        socklen_t errorLength = sizeof error;
        connected = ::poll(&waiting, 1, tcpPatienceMs) == 1 &&
                    ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &errorLength) == 0 &&
                    error == 0;
    }
    ::close(socket);
    return connected;
}

// An abstract socket's name starts with a NUL byte; a path socket's is the path.
bool localSocketAnswers(const QByteArray& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), std::size_t(path.size()));
    const auto length =
        socklen_t(offsetof(sockaddr_un, sun_path) + offset + std::size_t(path.size()));
    return connects(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
}

bool tcpAnswers(const QByteArray& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    bool answered = false;
    for (const addrinfo* candidate = found; candidate && !answered; candidate = candidate->ai_next)
        answered = connects(candidate->ai_family, candidate->ai_addr, candidate->ai_addrlen);
    ::freeaddrinfo(found);
    return answered;
}
} // namespace

bool xServerAnswers(const QByteArray& display) {
    // [host]:number[.screen], where no host or "unix" is this computer's local socket.
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    bool isNumber = false;
    const int number = display.mid(colon + 1).split('.').value(0).toInt(&isNumber);
    if (!isNumber)
        return false;
    // A path before the number names a socket of the system's own making, as on macOS.
    if (host.startsWith('/'))
        return localSocketAnswers(display, false);
    if (host.isEmpty() || host == "unix") {
        const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(number);
        return localSocketAnswers(socket, true) || localSocketAnswers(socket, false);
    }
    return tcpAnswers(host, firstXPort + number);
}

bool waylandCompositorAnswers(const QByteArray& display) {
    if (display.startsWith('/'))
        return localSocketAnswers(display, false);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && localSocketAnswers(runtime + '/' + display, false);
}
