#include "screens/Intro.h"

#include "forms/Forms.h"
#include "forms/Palette.h"
#include "forms/WebSite.h"
#include "screens/Navigation.h"
#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/Timer.h"
#include "shell/UrlOpener.h"

namespace {
QString testsInTheSet(int count) {
    static const char* const numbers[] = {"one", "two", "three", "four", "five"};
    return count == 1 ? QStringLiteral("There is one test in the set.")
                      : QStringLiteral("There are %1 tests in the set.").arg(numbers[count - 1]);
}
} // namespace

Intro::Intro(Shell& shell, Navigation& navigation, int testCount, bool answersKept)
    : Screen(shell, "frmIntro", frmIntroForm), navigation(navigation), testCount(testCount),
      answersKept(answersKept) {}

void Intro::bindControls() {
    lblWeb = &label("lblWeb");
    Label2 = &label("Label2");
    connect(&label("Label8"), &Label::clicked, this, &Intro::Label8_Click);
    connect(lblWeb, &Label::clicked, this, &Intro::lblWeb_Click);
    // It leads out of Velmora to the maker's web site, which a screen reader announces as a link.
    lblWeb->setClickableRole(QAccessible::Link);
    connect(&timer("Timer1"), &Timer::tick, this, &Intro::Timer1_Timer);
}

void Intro::Form_Load() {
    if (testCount != TestNumber::count)
        Label2->setCaption(testsInTheSet(testCount));
    label("lblKept").setVisible(answersKept);
    navigation.keepMenuOnTop();
    shell.centre(*this);
}

void Intro::Label8_Click() {
    navigation.openTest(1);
}

void Intro::lblWeb_Click() {
    shell.urlOpener().open(QUrl(QString::fromLatin1(webAddress.data(), webAddress.size())));
}

void Intro::Timer1_Timer() {
    using Palette::lightCyan, Palette::yellow;
    lblWeb->setBackColour(lblWeb->backColour() == lightCyan ? yellow : lightCyan);
}
