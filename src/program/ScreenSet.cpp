#include "program/ScreenSet.h"

#include "forms/Resources.h"
#include "shell/Button.h"
#include "shell/Label.h"
#include "shell/Window.h"
#include "sound/PortIo.h"

#include <QCoreApplication>

namespace {
// The other test screens, in the order in which opening test N (the row) resets them; those
// beyond a teacher's set are left out.
constexpr TestNumber othersInResetOrder[TestNumber::count][TestNumber::count - 1] = {
    {2, 3, 4, 5}, {1, 3, 4, 5}, {2, 1, 4, 5}, {2, 3, 1, 5}, {2, 3, 4, 1},
};
} // namespace

ScreenSet::ScreenSet(const Platform& platform, PortIo& ports, ReadAloud reading,
                     std::span<const QuestionBank> banks, AttemptKeeper* record)
    : Shell(platform, velmoraResources()), ports(ports),
      intro(*this, *this, int(banks.size()), record != nullptr),
      menu(*this, *this, intro, int(banks.size())) {
    for (TestNumber test : TestNumber::all())
        if (test.index() < banks.size())
            tests.push_back(std::make_unique<TestScreen>(*this, *this, ports, reading, test,
                                                         banks[test.index()], record));
}

ScreenSet::~ScreenSet() = default;

void ScreenSet::start() {
    menu.load();
    menu.show();
    // The keys of the welcome page work at once, without a click to give it the focus.
    intro.window().activateWindow();
}

void ScreenSet::keepMenuOnTop() {
    menu.window().putOnTop();
    emit screenOperation(menu.name(), QStringLiteral("topmost"));
}

void ScreenSet::openTest(TestNumber test) {
    TestScreen& chosen = frm(test);
    chosen.close();
    chosen.load();
    chosen.show();
    for (TestNumber other : othersInResetOrder[test.index()]) {
        if (other.index() >= tests.size())
            continue;
        frm(other).close();
        frm(other).hide();
    }
    intro.hide();
    chosen.window().activateWindow();
}

void ScreenSet::award(TestNumber test) {
    menu.award(test).setVisible(true);
    menu.testNumber(test).setEnabled(false);
}

void ScreenSet::end() {
    // Off before anything else: a speaker left sounding after the program has gone would go on
    // sounding for ever on a real one.
    ports.switchSpeakerOff();
    for (auto& test : tests)
        test->close();
    intro.close();
    menu.close();
    QCoreApplication::exit(0);
}
