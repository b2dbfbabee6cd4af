#pragma once

#include "shell/FormDef.h"

#include <QWidget>

class FormResources;

// A screen's window: no title bar, a fixed one-pixel border, and inside it the client area
// with the screen's colour and picture, on which the controls stand.
class Window final : public QWidget {
    Q_OBJECT
  public:
    Window(const WindowDef& def, const FormResources& resources);

    QWidget& client() const { return *clientArea; }
    // Above every window that is not itself kept on top, and kept there, without moving.
    void putOnTop();
    // Hides the window and hands back what the window system holds for it, above all the copy
    // of its picture, which a hidden screen never needs; showing it again makes them anew.
    void hideAndRelease();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* clientArea;
};
