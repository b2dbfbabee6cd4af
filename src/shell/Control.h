#pragma once

#include "shell/FormDef.h"

#include <QAccessible>
#include <QWidget>

class FormResources;
class QPainter;

// The part every visible control shares: a name, a place on its screen, a font, a mouse pointer,
// and a click that counts only when the button goes down and up over the control.
class Control : public QWidget {
    Q_OBJECT
  public:
    Control(const ControlDef& def, QWidget* client, const FormResources& resources);

    // Whether the control is shown on its screen, whether or not the screen itself is shown.
    bool visible() const { return !isHidden(); }

    // How a screen reader presents the control: whatever a screen handles clicks on is a button,
    // or the role the screen chose for it; anything else is the text or picture it shows.
    QAccessible::Role accessibleRole() const;
    void setClickableRole(QAccessible::Role role) { clickableRole = role; }
    bool reactsToClicks() const;
    // A screen reader's press or one of the control's keys: a click, for a control that the
    // pupil could click now.
    void press();

    bool answersTo(QKeyCombination key) const;
    bool answersFromAnyWindow() const { return fromAnyWindow; }
    // The keys that click the control, as a pupil reads them.
    QStringList keyNames() const;
    // From the first key a pupil presses on, the control with the keyboard focus shows it.
    static void noteKeyboardInUse();

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click starts no click of its own: a double click is one click.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    bool pressed() const { return buttonDown; }
    // The role while nothing handles the control's clicks.
    virtual QAccessible::Role passiveRole() const { return QAccessible::StaticText; }
    // A dotted ring inside the control, in the colour of its text, while it has the keyboard
    // focus and the pupil uses the keyboard; nothing for a pupil who only uses the mouse.
    void paintFocus(QPainter& painter, const QColor& colour) const;

  private:
    std::span<const QKeyCombination> keys;
    bool fromAnyWindow;
    bool buttonDown = false;
    QAccessible::Role clickableRole = QAccessible::Button;
};
