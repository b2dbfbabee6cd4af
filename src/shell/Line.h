#pragma once

#include "shell/Control.h"

// A straight stroke between two points of the client area.
class Line final : public Control {
    Q_OBJECT
  public:
    Line(const ControlDef& def, QWidget* client, const FormResources& resources);

  protected:
    void paintEvent(QPaintEvent* event) override;
    QAccessible::Role passiveRole() const override { return QAccessible::Graphic; }

  private:
    QPoint from, to;
    StoredColour colour;
    int strokeWidth;
};
