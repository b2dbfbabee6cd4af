#pragma once

#include "shell/StoredColour.h"

#include <QKeyCombination>
#include <span>
#include <string_view>

// A screen's stored design. Positions and sizes are in twips (15 to the pixel), measured from the
// top-left corner of the window's client area. Pictures, mouse pointers and faces are named, for
// the program's FormResources to resolve.

enum class ControlKind { Label, TextBox, Button, Shape, Line, Timer };
enum class Alignment { Left, Centre, Right };

struct FontDef {
    std::string_view face = "MS Sans Serif";
    double points = 8;
    bool bold = false;
};

struct ControlDef {
    ControlKind kind;
    std::string_view name;
    std::string_view text = {};
    int left = 0, top = 0, width = 0, height = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // the two ends of a line
    FontDef font = {};
    StoredColour foreColour = SystemColour::buttonText;
    StoredColour backColour = SystemColour::buttonFace;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool enabled = true;
    bool opaque = true;    // a label's or shape's background is painted
    bool boxLine = false;  // a flat one-pixel box line around a label
    bool autoSize = false; // a label keeps its width and grows to fit its wrapped caption
    bool flat = false;     // a text box without the sunken edge; a button without the raised one
    std::string_view cursor = {}; // the mouse pointer over the control, where not the arrow
    // Keys that click the control under the rules of a click: while its window has the focus or,
    // with keysFromAnyWindow, while any window of the program has it. A key that several
    // controls of a window share goes to the first of them, front to back, that takes a click.
    std::span<const QKeyCombination> keys = {};
    bool keysFromAnyWindow = false;
    bool tabStop = false; // reached with Tab; then Return and Enter click it too
    // What a screen reader says of the control after its name, where its keys do not say it.
    std::string_view description = {};
    // What a screen reader calls a button that shows a picture instead of its caption.
    std::string_view accessibleName = {};
    int borderWidth = 1; // pixels: a shape's outline, a line's stroke
    StoredColour borderColour = SystemColour::windowText;
    StoredColour fillColour = SystemColour::windowText;
    bool fillSolid = false;
    std::string_view picture = {}; // a button's, shown in place of its caption
    int interval = 0;              // milliseconds, for a timer
    bool precise = false; // a timer that times what is heard, so it keeps to the millisecond
};

struct WindowDef {
    int clientWidth, clientHeight;
    int left, top; // of the client area
    StoredColour backColour;
    std::string_view picture = {}; // drawn from the client area's top-left corner
    std::string_view icon = {};
};

struct FormDef {
    WindowDef window;
    std::span<const ControlDef> controls; // front to back
};
