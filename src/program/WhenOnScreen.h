#pragma once

#include <QObject>
#include <QSet>
#include <functional>
#include <initializer_list>

class QWidget;

// Calls back once every given window has been painted for the first time and its picture has
// reached the screen, and after whatever else was waiting for that moment has had its turn.
class WhenOnScreen final : public QObject {
  public:
    WhenOnScreen(std::initializer_list<QWidget*> windows, std::function<void()> then);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSet<QObject*> unpainted;
    std::function<void()> then;
};
