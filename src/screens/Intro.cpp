#include "screens/Intro.h"

#include "forms/Forms.h"
#include "forms/WebSite.h"
#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/Timer.h"
#include "shell/UrlOpener.h"

namespace {
constexpr StoredColour lightCyan = 0x00FFFFC0;
constexpr StoredColour yellow = 0x0000FFFF;
} // namespace

Intro::Intro(Shell& shell) : Screen(shell, "frmIntro", frmIntroForm) {}

void Intro::connectHandlers() {
    connect(&label("Label8"), &Label::clicked, this, &Intro::Label8_Click);
    connect(&label("lblWeb"), &Label::clicked, this, &Intro::lblWeb_Click);
    // It leads out of Velmora to the maker's web site, which a screen reader announces as a link.
    label("lblWeb").setClickableRole(QAccessible::Link);
    connect(&timer("Timer1"), &Timer::tick, this, &Intro::Timer1_Timer);
}

void Intro::Form_Load() {
    shell.keepMenuOnTop();
    shell.centre(*this);
}

void Intro::Label8_Click() {
    shell.openTest(1);
}

void Intro::lblWeb_Click() {
    shell.urlOpener().open(QUrl(QString::fromLatin1(webAddress.data(), webAddress.size())));
}

void Intro::Timer1_Timer() {
    Label& web = label("lblWeb");
    web.setBackColour(web.backColour() == lightCyan ? yellow : lightCyan);
}
