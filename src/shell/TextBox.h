#pragma once

#include "shell/Control.h"

// A box of text that the program writes and the pupil only clicks.
class TextBox final : public Control {
    Q_OBJECT
  public:
    TextBox(const ControlDef& def, QWidget* client, const FormResources& resources);

    const QString& text() const { return content; }
    // Emits changed() before returning when the text is different.
    void setText(const QString& text);
    // Where a text box shows its one centred line: inside its flat line or its sunken edge.
    static QRect textArea(const QRect& whole, bool flat);
    StoredColour backColour() const { return back; }

  signals:
    void changed();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString content;
    StoredColour fore, back;
    bool flat;
};
