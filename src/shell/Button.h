#pragma once

#include "shell/Control.h"

// A button drawn in its own colour, with a caption or a picture.
class Button final : public Control {
    Q_OBJECT
  public:
    Button(const ControlDef& def, QWidget* client, const FormResources& resources);

    StoredColour backColour() const { return back; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    QAccessible::Role passiveRole() const override {
        return picture.empty() ? QAccessible::StaticText : QAccessible::Graphic;
    }

  private:
    void drawEdge(QPainter& painter, bool sunken) const;

    QString caption;
    StoredColour fore, back;
    bool flat;
    std::string_view picture;
    const FormResources& resources;
};
