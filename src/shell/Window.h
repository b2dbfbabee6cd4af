#pragma once

#include "forms/FormDef.h"

#include <QWidget>

// A screen's window: no title bar, a fixed one-pixel border, and inside it the client area
// with the screen's colour and picture, on which the controls stand.
class Window final : public QWidget {
    Q_OBJECT
public:
    explicit Window(const WindowDef& def);

    QWidget& client() const { return *clientArea; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* clientArea;
};
