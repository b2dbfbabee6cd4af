#include "forms/Forms.h"
#include "forms/Palette.h"
#include "forms/Resources.h"

// A control to a row, front to back, with its place and size in twips.
// clang-format off
namespace {
using enum ControlKind;
using enum Alignment;
using Palette::lightCyan;
using Palette::lightOrange;
using Palette::peach;

constexpr FontDef sansSerif12{"MS Sans Serif", 12};
constexpr FontDef arialBlack12{"Arial Black", 12};

constexpr ControlDef awardButton(std::string_view name, int left) {
    return {.kind = Button, .name = name, .left = left, .top = 600, .width = 615, .height = 600,
            .backColour = lightOrange, .visible = false, .flat = true,
            .accessibleName = "Smiley face award", .picture = Resource::smiley};
}

// A digit opens its test from any window; with Ctrl also from a test screen, where 1 and 2 pick.
constexpr QKeyCombination test1Keys[] = {Qt::Key_1, Qt::CTRL | Qt::Key_1};
constexpr QKeyCombination test2Keys[] = {Qt::Key_2, Qt::CTRL | Qt::Key_2};
constexpr QKeyCombination test3Keys[] = {Qt::Key_3, Qt::CTRL | Qt::Key_3};
constexpr QKeyCombination test4Keys[] = {Qt::Key_4, Qt::CTRL | Qt::Key_4};
constexpr QKeyCombination test5Keys[] = {Qt::Key_5, Qt::CTRL | Qt::Key_5};
constexpr QKeyCombination closeKeys[] = {Qt::CTRL | Qt::Key_Q};

constexpr ControlDef testNumber(std::string_view name, std::string_view digit, int left,
                                std::span<const QKeyCombination> keys) {
    return {.kind = Label, .name = name, .text = digit, .left = left, .top = 720, .width = 375,
            .height = 345, .font = arialBlack12, .backColour = lightCyan, .alignment = Centre,
            .cursor = Resource::hand, .keys = keys, .keysFromAnyWindow = true, .tabStop = true};
}

constexpr ControlDef controls[] = {
    {.kind = Button, .name = "Command1", .text = "Test No.", .left = 120, .top = 720,
     .width = 1695, .height = 375, .font = sansSerif12, .backColour = peach},
    {.kind = Timer, .name = "Timer1", .interval = 1000},
    awardButton("cmd4", 5640),
    awardButton("cmd5", 6840),
    awardButton("cmd3", 4440),
    awardButton("cmd2", 3240),
    awardButton("cmd1", 2040),
    {.kind = Button, .name = "cmdClose", .text = "Close", .left = 7800, .top = 840, .width = 975,
     .height = 300, .font = sansSerif12, .backColour = rgb(255, 128, 128), .cursor = Resource::hand,
     .keys = closeKeys, .keysFromAnyWindow = true},
    {.kind = Label, .name = "Label2", .text = "Velmora", .left = 1200, .top = 120, .width = 4335,
     .height = 345, .font = arialBlack12, .backColour = lightCyan, .alignment = Centre},
    testNumber("lbl4", "4", 5760, test4Keys),
    testNumber("lbl5", "5", 6960, test5Keys),
    testNumber("lbl2", "2", 3360, test2Keys),
    testNumber("lbl3", "3", 4560, test3Keys),
    testNumber("lbl1", "1", 2160, test1Keys),
};
} // namespace

const FormDef frmMainForm{
    .window = {.clientWidth = 9015, .clientHeight = 1275, .left = 15, .top = 15,
               .backColour = rgb(128, 64, 0), .icon = Resource::smiley},
    .controls = controls,
};
// clang-format on
