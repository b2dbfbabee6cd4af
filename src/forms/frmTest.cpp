#include "forms/Forms.h"
#include "forms/Palette.h"
#include "forms/Resources.h"

#include <algorithm>
#include <array>

// A control to a row, front to back, with its place and size in twips.
// clang-format off
namespace {
using enum ControlKind;
using enum Alignment;
using SystemColour::buttonText;
using SystemColour::windowBackground;
using SystemColour::windowText;
using Palette::lightOrange;
using Palette::peach;

constexpr FontDef batang14Bold{"Batang", 14.25, true};
constexpr FontDef batang18{"Batang", 18};
constexpr FontDef batang18Bold{"Batang", 18, true};
constexpr FontDef comic12{"Comic Sans MS", 12};
constexpr FontDef comic14{"Comic Sans MS", 14.25};
constexpr FontDef calligraphic24Bold{"Calligraphic", 24, true};
constexpr StoredColour blue = rgb(0, 0, 255);
constexpr StoredColour magenta = rgb(255, 0, 255);
// The start line, the way on and the comment take the same keys; only one of them is shown to
// be clicked at a time, except the comment beside the finished test's way on.
constexpr QKeyCombination leadOnKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
constexpr QKeyCombination leftWordKeys[] = {Qt::Key_Left, Qt::Key_1};
constexpr QKeyCombination rightWordKeys[] = {Qt::Key_Right, Qt::Key_2};

constexpr ControlDef answerBox(std::string_view name, int left,
                               std::span<const QKeyCombination> keys) {
    return {.kind = TextBox, .name = name, .left = left, .top = 4680, .width = 2055,
            .height = 405, .font = batang14Bold, .foreColour = windowText,
            .backColour = windowBackground, .alignment = Centre, .flat = true,
            .cursor = Resource::hand, .keys = keys, .tabStop = true};
}

// The stem and the two filled-in sentences share one place; only the stem starts 5 twips right.
// R reads the question or the right sentence out again.
constexpr ControlDef sentence(std::string_view name, int left, std::string_view description = {}) {
    return {.kind = Label, .name = name, .left = left, .top = 3600, .width = 7005, .height = 390,
            .font = batang18, .foreColour = windowText, .backColour = windowBackground,
            .alignment = Centre, .visible = false, .boxLine = true, .autoSize = true,
            .description = description};
}
constexpr std::string_view sayAgainKey = "Key: R, to hear it again";

constexpr ControlDef lamp(std::string_view name, int top, StoredColour fill) {
    return {.kind = Shape, .name = name, .left = 6960, .top = top, .width = 1095, .height = 615,
            .opaque = false, .borderWidth = 3, .borderColour = magenta, .fillColour = fill};
}

constexpr ControlDef counter(std::string_view name, int top, StoredColour text) {
    return {.kind = Label, .name = name, .text = "0", .left = 7080, .top = top, .width = 840,
            .height = 360, .font = batang18, .foreColour = text, .backColour = peach,
            .alignment = Centre, .autoSize = true};
}

constexpr ControlDef counterCaption(std::string_view name, std::string_view text, int left,
                                    int top, int width) {
    return {.kind = Label, .name = name, .text = text, .left = left, .top = top, .width = width,
            .height = 375, .font = comic12, .backColour = peach, .alignment = Right,
            .cursor = Resource::hand};
}

constexpr ControlDef feedbackLine(std::string_view name, int x1, int y1, int x2, int y2) {
    return {.kind = Line, .name = name, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2,
            .visible = false, .borderWidth = 2};
}

constexpr ControlDef controls[] = {
    {.kind = Timer, .name = "TimerSound", .precise = true},
    answerBox("txtY", 2160, leftWordKeys),
    answerBox("txtN", 4920, rightWordKeys),
    {.kind = TextBox, .name = "txtQ", .text = "0", .left = 2880, .top = 1320, .width = 615,
     .height = 495, .font = batang18, .foreColour = windowText, .backColour = windowBackground,
     .alignment = Centre},
    {.kind = Timer, .name = "tmrR", .enabled = false, .interval = 200, .precise = true},
    {.kind = Label, .name = "lblComment", .left = 1800, .top = 3480, .width = 5355, .height = 360,
     .font = batang18, .backColour = lightOrange, .alignment = Centre, .autoSize = true,
     .cursor = Resource::hand, .keys = leadOnKeys, .tabStop = true},
    sentence("lblWrong", 1000),
    {.kind = Label, .name = "Label4", .text = "Velmora - 1", .left = 840, .top = 840,
     .width = 4575, .height = 375, .font = batang18Bold, .foreColour = blue, .backColour = peach},
    lamp("Shape3", 1800, rgb(255, 0, 0)),
    lamp("Shape2", 1080, rgb(0, 255, 0)),
    counterCaption("Label2", "Your mistake is  ", 4080, 1920, 2775),
    counterCaption("Label1", "Your total score is  ", 3840, 1200, 3135),
    sentence("lblCorrect", 1000, sayAgainKey),
    counter("lblScore", 1200, windowText),
    counter("lblMistake", 1920, buttonText),
    {.kind = Label, .name = "lblNext", .text = "Click here to go to the next question",
     .left = 2040, .top = 5880, .width = 4935, .height = 375, .font = comic12,
     .backColour = rgb(255, 255, 192), .alignment = Centre, .visible = false,
     .cursor = Resource::hand, .keys = leadOnKeys, .tabStop = true},
    {.kind = Label, .name = "lblCheck", .text = "Checking", .left = 2640, .top = 2760,
     .width = 3375, .height = 615, .font = calligraphic24Bold, .foreColour = blue,
     .backColour = peach, .alignment = Centre, .visible = false},
    feedbackLine("Line2", 7680, 2880, 7680, 2520),
    feedbackLine("Line1", 7200, 3120, 7680, 3120),
    {.kind = Label, .name = "lblP", .left = 2040, .top = 2880, .width = 5055, .height = 495,
     .font = comic14, .foreColour = windowText, .backColour = windowBackground,
     .alignment = Centre, .visible = false, .boxLine = true},
    {.kind = Label, .name = "Label3", .text = "Question", .left = 840, .top = 1440,
     .width = 1935, .height = 375, .font = batang18Bold, .foreColour = blue,
     .backColour = peach},
    {.kind = Label, .name = "lblR", .left = 1920, .top = 2760, .width = 4695, .height = 615,
     .font = calligraphic24Bold, .foreColour = rgb(255, 0, 0), .backColour = peach,
     .alignment = Centre, .visible = false},
    sentence("lblQuestion", 1005, sayAgainKey),
    {.kind = Shape, .name = "Shape4", .left = 720, .top = 720, .width = 7560, .height = 6135,
     .backColour = peach, .fillColour = peach},
};

// What sets the five test screens apart: the title and the window's colour, which shows only
// in the column of pixels the frame picture leaves uncovered.
struct Difference {
    std::string_view title;
    StoredColour backColour;
};
constexpr StoredColour orange = rgb(255, 128, 0);
constexpr Difference differences[TestNumber::count] = {
    {"Velmora - 1", lightOrange}, {"Velmora - 2", orange}, {"Velmora - 3", orange},
    {"Velmora - 4", orange},      {"Velmora - 5", orange},
};

using Controls = std::array<ControlDef, std::size(controls)>;

Controls controlsWithTitle(std::string_view title) {
    Controls copy;
    std::copy(std::begin(controls), std::end(controls), copy.begin());
    for (auto& control : copy)
        if (control.name == "Label4")
            control.text = title;
    return copy;
}

FormDef makeForm(const Controls& controls, const Difference& difference) {
    return {.window = {.clientWidth = 9015, .clientHeight = 7530, .left = 1320, .top = 1215,
                       .backColour = difference.backColour, .picture = Resource::frame},
            .controls = controls};
}
} // namespace

const FormDef& testForm(TestNumber test) {
    static const auto controlSets = [] {
        std::array<Controls, std::size(differences)> sets;
        for (std::size_t i = 0; i < sets.size(); ++i)
            sets[i] = controlsWithTitle(differences[i].title);
        return sets;
    }();
    static const auto forms = [] {
        std::array<FormDef, std::size(differences)> forms;
        for (std::size_t i = 0; i < forms.size(); ++i)
            forms[i] = makeForm(controlSets[i], differences[i]);
        return forms;
    }();
    return forms[test.index()];
}
// clang-format on
