#pragma once

#include "shell/Control.h"

class Label final : public Control {
    Q_OBJECT
  public:
    Label(const ControlDef& def, QWidget* client, const FormResources& resources);

    const QString& caption() const { return text; }
    void setCaption(const QString& caption);
    // Where and how a label lays out its caption: inside its box line, if it has one, with
    // this alignment.
    static QRect textArea(const QRect& whole, bool boxLine);
    static int textFlags(Alignment alignment);
    // The caption laid out in a width and as deep as it needs, as an autosized label grows.
    static QRect wrappedBounds(const QFontMetrics& metrics, int width, int flags,
                               const QString& text);
    StoredColour backColour() const { return back; }
    void setBackColour(StoredColour colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fitHeight();

    QString text;
    StoredColour fore, back;
    Alignment alignment;
    bool opaque, boxLine, autoSize;
};
