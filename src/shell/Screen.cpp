#include "shell/Screen.h"

#include "shell/Button.h"
#include "shell/Label.h"
#include "shell/Line.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/Timer.h"
#include "shell/Twips.h"
#include "shell/Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <cmath>

namespace {
constexpr int borderTwips = twipsPerPixel;

// Text boxes and buttons are windows of their own and stand above every label, shape and line.
bool standsInFront(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::Button;
}
} // namespace

Screen::Screen(Shell& shell, const char* name, const FormDef& form)
    : shell(shell), screenName(QString::fromLatin1(name)), form(form) {
    shell.enrol(*this);
}

Screen::~Screen() {
    shell.withdraw(*this);
}

void Screen::load() {
    if (win)
        return;
    build();
    bindControls();
    current = ScreenState::Hidden;
    record("load");
    Form_Load();
}

void Screen::build() {
    const FormResources& resources = shell.resources();
    win = std::make_unique<Window>(form.window, resources);
    win->installEventFilter(this);
    leftTwips = form.window.left - borderTwips;
    QWidget* client = &win->client();
    // Later siblings paint over earlier ones, so the list is built from the back to the front.
    for (bool front : {false, true}) {
        for (auto each = form.controls.rbegin(); each != form.controls.rend(); ++each) {
            const ControlDef& def = *each;
            if (standsInFront(def.kind) != front)
                continue;
            QObject* control = nullptr;
            switch (def.kind) {
            case ControlKind::Label:
                control = new Label(def, client, resources);
                break;
            case ControlKind::TextBox:
                control = new TextBox(def, client, resources);
                break;
            case ControlKind::Button:
                control = new Button(def, client, resources);
                break;
            case ControlKind::Shape:
                control = new Shape(def, client, resources);
                break;
            case ControlKind::Line:
                control = new Line(def, client, resources);
                break;
            case ControlKind::Timer: // no widget: built below, in the table's order
                continue;
            }
            controls.insert(control->objectName(), control);
        }
    }
    for (const ControlDef& def : form.controls)
        if (def.kind == ControlKind::Timer) {
            auto* timer = new Timer(def, shell.clock(), win.get());
            controls.insert(timer->objectName(), timer);
        }
}

void Screen::close() {
    if (!win)
        return;
    unloading();
    for (QObject* control : std::as_const(controls))
        if (auto* timer = qobject_cast<Timer*>(control))
            timer->halt();
    controls.clear();
    win->hide();
    // What closes a screen is often a click or a key on its own window (Close on the menu, a test's
    // number pressed on its test screen), which Qt is still delivering to that window: the widgets
    // go once the event loop is back.
    win.release()->deleteLater();
    current = ScreenState::NotLoaded;
    record("close");
}

void Screen::show() {
    load();
    win->show();
    current = ScreenState::Shown;
    record("show");
}

void Screen::hide() {
    load();
    win->hideAndRelease();
    current = ScreenState::Hidden;
    record("hide");
}

Window& Screen::window() {
    load();
    return *win;
}

double Screen::left() {
    load();
    return leftTwips;
}

void Screen::setLeft(double twips) {
    load();
    leftTwips = twips;
    win->move(int(std::floor(twips / twipsPerPixel)), win->y());
}

double Screen::width() {
    return window().width() * twipsPerPixel;
}

void Screen::record(const char* operation) {
    emit shell.screenOperation(screenName, QString::fromLatin1(operation));
}

template <class C> C& Screen::find(const char* name) {
    load();
    auto* control = qobject_cast<C*>(controls.value(QString::fromLatin1(name)));
    // Handlers name only controls of their own screen's table, so a miss is a fault in the code.
    // It stops the program here: nothing may be thrown through Qt's event loop.
    if (!control)
        qFatal("velmora: %s has no %s named %s", qPrintable(screenName),
               C::staticMetaObject.className(), name);
    return *control;
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != win.get())
        return false;
    const auto& press = static_cast<const QKeyEvent&>(*event);
    Control::noteKeyboardInUse();
    // A key held down is one press, as a button held down is one click.
    if (press.isAutoRepeat())
        return true;
    // The keypad's digits and Enter are the same keys as the others.
    const QKeyCombination key(press.modifiers() & ~Qt::KeypadModifier, Qt::Key(press.key()));
    auto* focused = qobject_cast<Control*>(QApplication::focusWidget());
    if (focused && focused->window() == win.get() &&
        (key == QKeyCombination(Qt::Key_Return) || key == QKeyCombination(Qt::Key_Enter))) {
        focused->press();
        return true;
    }
    return takeKey(key, false) || screenKey(key) || shell.offerKeyToEveryWindow(key);
}

bool Screen::takeKeyFromAnyWindow(QKeyCombination key) {
    return takeKey(key, true);
}

// A key that a control of the screen answers to belongs to the screen even while none of those
// controls can be clicked, so that it reaches no other window either.
bool Screen::takeKey(QKeyCombination key, bool onlyFromAnyWindow) {
    bool answered = false;
    for (const ControlDef& def : form.controls) {
        auto* control = qobject_cast<Control*>(
            controls.value(QString::fromUtf8(def.name.data(), qsizetype(def.name.size()))));
        if (!control || !control->answersTo(key) ||
            (onlyFromAnyWindow && !control->answersFromAnyWindow()))
            continue;
        if (control->isVisible() && control->isEnabled()) {
            control->press();
            return true;
        }
        answered = true;
    }
    return answered;
}

Control& Screen::control(const char* name) {
    return find<Control>(name);
}
Label& Screen::label(const char* name) {
    return find<Label>(name);
}
TextBox& Screen::textBox(const char* name) {
    return find<TextBox>(name);
}
Button& Screen::button(const char* name) {
    return find<Button>(name);
}
Shape& Screen::shape(const char* name) {
    return find<Shape>(name);
}
Timer& Screen::timer(const char* name) {
    return find<Timer>(name);
}
