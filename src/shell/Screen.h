#pragma once

#include "shell/FormDef.h"

#include <QHash>
#include <QObject>
#include <memory>

class Button;
class Control;
class Label;
class Shape;
class Shell;
class TextBox;
class Timer;
class Window;

enum class ScreenState { NotLoaded, Hidden, Shown };

// One of the program's screens. The object lives for the whole run; its window and controls exist
// only while it is loaded, and are built afresh from its definition at every load. Showing,
// hiding or touching anything of a screen that is not loaded loads it first.
class Screen : public QObject {
    Q_OBJECT
  public:
    Screen(Shell& shell, const char* name, const FormDef& form);
    ~Screen() override;

    const QString& name() const { return screenName; }
    ScreenState state() const { return current; }

    void load();
    void close();
    void show();
    void hide();

    Window& window();
    // The outer window's left edge and width, in twips.
    double left();
    void setLeft(double twips);
    double width();

    // Any visible control, whatever its kind.
    Control& control(const char* name);
    Label& label(const char* name);
    TextBox& textBox(const char* name);
    Button& button(const char* name);
    Shape& shape(const char* name);
    Timer& timer(const char* name);

    // Clicks, as a click would, the first control that answers to the key from any window of the
    // program; false when no control of this screen does. A screen that is not loaded has none.
    bool takeKeyFromAnyWindow(QKeyCombination key);

  protected:
    // Runs after the controls are built and before Form_Load: ties events to handlers and keeps
    // the controls the handlers use, so that no handler looks one up by its name.
    virtual void bindControls() = 0;
    virtual void Form_Load() = 0;
    // The window is about to go: whatever the screen set going on its controls ends now.
    virtual void unloading() {}
    // A key that no control of the screen answers to, for the screen itself: true when it took
    // it.
    virtual bool screenKey(QKeyCombination) { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;

    Shell& shell;

  private:
    void build();
    void record(const char* operation);
    template <class C> C& find(const char* name);
    bool takeKey(QKeyCombination key, bool onlyFromAnyWindow);

    QString screenName;
    const FormDef& form;
    ScreenState current = ScreenState::NotLoaded;
    std::unique_ptr<Window> win;
    QHash<QString, QObject*> controls;
    double leftTwips = 0;
};
