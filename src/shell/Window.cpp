#include "shell/Window.h"

#include "shell/Colour.h"
#include "shell/Edges.h"
#include "shell/FormResources.h"
#include "shell/Twips.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int border = 1;

class ClientArea final : public QWidget {
  public:
    ClientArea(const WindowDef& def, const FormResources& resources, QWidget* window)
        : QWidget(window), colour(toQColor(def.backColour)),
          picture(def.picture.empty() ? QPixmap() : resources.picture(def.picture)) {
        setGeometry(border, border, pixels(def.clientWidth), pixels(def.clientHeight));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), colour);
        // A window's picture is shaded like a photograph, not drawn pixel by pixel like icons and
        // pointers, so on a high-density display it is smoothed rather than cut into blocks.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!picture.isNull())
            painter.drawPixmap(QPoint(0, 0), picture);
    }

  private:
    QColor colour;
    QPixmap picture;
};
} // namespace

Window::Window(const WindowDef& def, const FormResources& resources)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      clientArea(new ClientArea(def, resources, this)) {
    setFixedSize(pixels(def.clientWidth) + 2 * border, pixels(def.clientHeight) + 2 * border);
    move(pixels(def.left) - border, pixels(def.top) - border);
    if (!def.icon.empty())
        setWindowIcon(resources.icon(def.icon));
}

void Window::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    fillOutline(painter, rect(), border, Qt::black);
}

// The window itself holds the keyboard focus until the pupil moves it with Tab, so that no
// control takes the focus of its own accord when the window becomes active.
void Window::showEvent(QShowEvent*) {
    setFocus();
}

void Window::putOnTop() {
    if (!(windowFlags() & Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint);
    // Raising again covers windows that went above the menu despite the hint, as they can
    // without a window manager or under one that ignores it.
    raise();
}

void Window::hideAndRelease() {
    hide();
    destroy();
}
