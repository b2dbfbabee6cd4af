#pragma once

#include "forms/FormDef.h"

#include <QWidget>

// The part every visible control shares: a name, a place on its screen, a font, the hand pointer,
// and a click that counts only when the button goes down and up over the control.
class Control : public QWidget {
    Q_OBJECT
public:
    Control(const ControlDef& def, QWidget* client);

    // Whether the control is shown on its screen, whether or not the screen itself is shown.
    bool visible() const { return !isHidden(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool pressed() const { return buttonDown; }

private:
    bool buttonDown = false;
};
