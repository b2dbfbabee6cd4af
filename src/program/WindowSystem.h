#pragma once

#include <QByteArray>

// Whether the X server that a DISPLAY value names accepts a connection, on its local socket or,
// for a display on another host such as an SSH tunnel's, on its port within a second. The
// connection is closed at once.
bool xServerAnswers(const QByteArray& display);

// Whether the Wayland compositor that a WAYLAND_DISPLAY value names accepts a connection on its
// socket, in XDG_RUNTIME_DIR unless the value is a path.
bool waylandCompositorAnswers(const QByteArray& display);
