#include "shell/Control.h"

#include "forms/pictures/Pictures.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"

#include <QMetaMethod>
#include <QMouseEvent>

Control::Control(const ControlDef& def, QWidget* client) : QWidget(client) {
    setObjectName(QString::fromUtf8(def.name.data(), qsizetype(def.name.size())));
    setGeometry(pixels(def.left), pixels(def.top), pixels(def.width), pixels(def.height));
    setFont(fontFor(def.font));
    if (def.handPointer)
        setCursor(Pictures::hand());
    setEnabled(def.enabled);
    setVisible(def.visible);
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
