#pragma once

#include <string_view>

class QCursor;
class QFont;
class QIcon;
class QPixmap;

// What the screens' tables name and the runtime shows without knowing it: the pictures, window
// icons, mouse pointers and faces of one program. The program resolves each name; the runtime
// asks as it builds and paints a screen.
class FormResources {
  public:
    virtual ~FormResources() = default;
    virtual QPixmap picture(std::string_view name) const = 0;
    virtual QIcon icon(std::string_view name) const = 0;
    virtual QCursor cursor(std::string_view name) const = 0;
    // The face that stands in for one the screens were designed with: its family, and its weight
    // where the table asks for no bold. The size is the table's.
    virtual QFont face(std::string_view name) const = 0;
};
