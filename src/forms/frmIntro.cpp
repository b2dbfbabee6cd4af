#include "forms/Forms.h"
#include "forms/Palette.h"
#include "forms/Resources.h"
#include "forms/WebSite.h"

// A control to a row, front to back, with its place and size in twips.
// clang-format off
namespace {
using enum ControlKind;
using enum Alignment;
using SystemColour::windowBackground;
using SystemColour::windowText;
using Palette::lightCyan;
using Palette::peach;

constexpr FontDef batang12Bold{"Batang", 12, true};
constexpr FontDef batang14Bold{"Batang", 14.25, true};
constexpr QKeyCombination startKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};

constexpr ControlDef instruction(std::string_view name, std::string_view text, int left, int top,
                                 int width, int height) {
    return {.kind = Label, .name = name, .text = text, .left = left, .top = top, .width = width,
            .height = height, .font = batang12Bold, .backColour = peach};
}

constexpr ControlDef controls[] = {
    {.kind = Timer, .name = "Timer1", .interval = 1000},
    {.kind = Label, .name = "lblWeb",
     .text = "Click here to visit " VELMORA_WEB_ADDRESS " to download more test or other freeware.",
     .left = 840, .top = 6120, .width = 7335, .height = 255, .backColour = lightCyan,
     .alignment = Centre, .cursor = Resource::hand, .tabStop = true},
    // Shown only while the school keeps a record of the answers.
    {.kind = Label, .name = "lblKept", .text = "Your answers are kept for your teacher.",
     .left = 1680, .top = 5820, .width = 4575, .height = 255, .backColour = peach,
     .alignment = Centre, .visible = false},
    {.kind = Label, .name = "Label8", .text = "You may start now.", .left = 1680, .top = 5400,
     .width = 4575, .height = 375, .font = batang14Bold, .foreColour = windowText,
     .backColour = windowBackground, .alignment = Centre, .boxLine = true, .cursor = Resource::hand,
     .keys = startKeys, .tabStop = true},
    instruction("Label7",
                "- Or, you may proceed to other test and come back to it at the later stage.", 1680,
                4560, 6255, 615),
    instruction("Label6",
                "- If not, you may try as many times as you like until you achieve the full mark.",
                1680, 3840, 6255, 615),
    instruction("Label5", "- If you score 100 points, you will be awarded with a smiley face.",
                1680, 3120, 6255, 615),
    instruction("Label4", "After completed a test :", 1440, 2640, 6735, 375),
    instruction("Label3", "Click a number on top to choose a test.", 1440, 2160, 6735, 375),
    instruction("Label2", "There are five tests in the set.", 1440, 1680, 6735, 375),
    {.kind = Label, .name = "Label1", .text = "Welcome to Velmora", .left = 1200, .top = 1080,
     .width = 6255, .height = 375, .font = batang14Bold, .foreColour = windowText,
     .backColour = windowBackground, .alignment = Centre, .boxLine = true},
    {.kind = Shape, .name = "Shape4", .left = 720, .top = 720, .width = 7560, .height = 6135,
     .backColour = peach},
};
} // namespace

const FormDef frmIntroForm{
    .window = {.clientWidth = 9015, .clientHeight = 7530, .left = 1320, .top = 1215,
               .backColour = rgb(255, 128, 0), .picture = Resource::frame},
    .controls = controls,
};
// clang-format on
