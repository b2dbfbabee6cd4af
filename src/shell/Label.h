#pragma once

#include "shell/Control.h"

class Label final : public Control {
    Q_OBJECT
  public:
    Label(const ControlDef& def, QWidget* client);

    const QString& caption() const { return text; }
    void setCaption(const QString& caption);
    StoredColour foreColour() const { return fore; }
    // How a label with this alignment lays out its caption.
    static int textFlags(Alignment alignment);
    StoredColour backColour() const { return back; }
    void setBackColour(StoredColour colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect textArea() const;
    void fitHeight();

    QString text;
    StoredColour fore, back;
    Alignment alignment;
    bool opaque, boxLine, autoSize;
};
