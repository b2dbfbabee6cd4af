#include "shell/Accessibility.h"

#include "shell/Control.h"
#include "shell/Line.h"
#include "shell/Shape.h"
#include "shell/Window.h"
#include "vocabulary/Blanks.h"

#include <QAccessibleWidget>
#include <algorithm>

namespace {
// Shapes and lines show nothing to read; they follow everything else.
bool isDecoration(const QWidget* widget) {
    return qobject_cast<const Shape*>(widget) || qobject_cast<const Line*>(widget);
}

// The order in which a pupil reads a screen: lines from top to bottom, each from left to right.
// A control whose middle lies above the bottom of the line being read belongs to that line, so a
// caption and the number beside it read together even where they are not quite level.
QList<QWidget*> inReadingOrder(const QWidget& client) {
    QList<QWidget*> readable, decorations;
    for (QObject* child : client.children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            (isDecoration(widget) ? decorations : readable).append(widget);
    std::ranges::stable_sort(readable, {}, &QWidget::y);
    QList<QWidget*> ordered;
    for (qsizetype first = 0; first < readable.size();) {
        int bottom = readable[first]->geometry().bottom();
        qsizetype end = first + 1;
        for (; end < readable.size() && readable[end]->geometry().center().y() <= bottom; ++end)
            bottom = std::max(bottom, readable[end]->geometry().bottom());
        QList<QWidget*> line = readable.mid(first, end - first);
        std::ranges::stable_sort(line, {}, &QWidget::x);
        ordered += line;
        first = end;
    }
    return ordered + decorations;
}

class AccessibleClientArea final : public QAccessibleWidget {
  public:
    explicit AccessibleClientArea(QWidget* client) : QAccessibleWidget(client) {}

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = inReadingOrder(*widget());
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return int(inReadingOrder(*widget()).indexOf(child ? child->object() : nullptr));
    }
};

// A screen has no title bar; a screen reader names it by the first line it shows.
class AccessibleWindow final : public QAccessibleWidget {
  public:
    explicit AccessibleWindow(Window* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        for (const QWidget* control : inReadingOrder(static_cast<Window*>(widget())->client())) {
            if (!control->isVisibleTo(widget()))
                continue;
            const QByteArray name = control->accessibleName().toUtf8();
            const std::string_view line = trimmed({name.constData(), std::size_t(name.size())});
            if (!line.empty())
                return QString::fromUtf8(line.data(), qsizetype(line.size()));
        }
        return {};
    }
};

class AccessibleControl final : public QAccessibleWidget {
  public:
    explicit AccessibleControl(Control* control) : QAccessibleWidget(control) {}

    // Asked afresh every time: a screen ties its handlers to the controls after building them.
    QAccessible::Role role() const override { return control().accessibleRole(); }

    QStringList actionNames() const override {
        return control().reactsToClicks() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            control().press();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? control().keyNames() : QStringList{};
    }

  private:
    Control& control() const { return *static_cast<Control*>(widget()); }
};

QAccessibleInterface* accessibleScreenPart(const QString&, QObject* object) {
    if (auto* control = qobject_cast<Control*>(object))
        return new AccessibleControl(control);
    if (auto* window = qobject_cast<Window*>(object))
        return new AccessibleWindow(window);
    if (auto* window = qobject_cast<Window*>(object->parent());
        window && object == &window->client())
        return new AccessibleClientArea(&window->client());
    return nullptr;
}
} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleScreenPart);
}
