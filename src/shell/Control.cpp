#include "shell/Control.h"

#include "shell/Fonts.h"
#include "shell/FormResources.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {
bool keyboardInUse = false;

// "Keys: Left or 1", for a screen reader to say after the control's name.
QString keyDescription(QStringList keys, bool tabStop) {
    if (keys.isEmpty())
        return tabStop ? QStringLiteral("Key: Return, when it has the focus") : QString();
    const QString last = keys.takeLast();
    return (keys.isEmpty() ? QStringLiteral("Key: ") : QStringLiteral("Keys: ")) +
           (keys.isEmpty() ? last
                           : keys.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last);
}
} // namespace

Control::Control(const ControlDef& def, QWidget* client, const FormResources& resources)
    : QWidget(client), keys(def.keys), fromAnyWindow(def.keysFromAnyWindow) {
    setObjectName(QString::fromUtf8(def.name.data(), qsizetype(def.name.size())));
    setGeometry(pixels(def.left), pixels(def.top), pixels(def.width), pixels(def.height));
    setFont(fontFor(def.font, resources));
    if (!def.cursor.empty())
        setCursor(resources.cursor(def.cursor));
    setEnabled(def.enabled);
    setVisible(def.visible);
    // Only the keyboard moves the focus between controls, so a mouse click changes nothing that
    // a pupil could see.
    setFocusPolicy(def.tabStop ? Qt::TabFocus : Qt::NoFocus);
    setAccessibleDescription(
        def.description.empty()
            ? keyDescription(keyNames(), def.tabStop)
            : QString::fromUtf8(def.description.data(), qsizetype(def.description.size())));
}

void Control::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    buttonDown = true;
    update();
}

void Control::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !buttonDown)
        return;
    buttonDown = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

QAccessible::Role Control::accessibleRole() const {
    return reactsToClicks() ? clickableRole : passiveRole();
}

bool Control::reactsToClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&Control::clicked));
}

void Control::press() {
    if (isVisible() && isEnabled())
        emit clicked();
}

bool Control::answersTo(QKeyCombination key) const {
    return std::ranges::find(keys, key) != keys.end();
}

QStringList Control::keyNames() const {
    QStringList names;
    for (QKeyCombination key : keys)
        names << QKeySequence(key).toString(QKeySequence::NativeText);
    return names;
}

void Control::noteKeyboardInUse() {
    if (keyboardInUse)
        return;
    keyboardInUse = true;
    if (QWidget* focused = QApplication::focusWidget())
        focused->update();
}

void Control::paintFocus(QPainter& painter, const QColor& colour) const {
    if (!keyboardInUse || !hasFocus())
        return;
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}
