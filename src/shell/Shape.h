#pragma once

#include "shell/Control.h"

enum class FillStyle { Solid, Transparent };

// A rectangle with an outline, and a fill that can be switched on and off: the panel and lamps.
class Shape final : public Control {
    Q_OBJECT
  public:
    Shape(const ControlDef& def, QWidget* client, const FormResources& resources);

    FillStyle fillStyle() const { return fill; }
    void setFillStyle(FillStyle style);

  protected:
    void paintEvent(QPaintEvent* event) override;
    QAccessible::Role passiveRole() const override { return QAccessible::Graphic; }

  private:
    StoredColour back, border, fillColour;
    int borderWidth;
    bool opaque;
    FillStyle fill;
};
