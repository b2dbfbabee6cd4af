#include "forms/Resources.h"

#include "forms/pictures/Pictures.h"

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <algorithm>

namespace {
template <class Thing> struct Named {
    std::string_view name;
    Thing (*make)();
};

constexpr Named<QPixmap> pictures[] = {
    {Resource::frame, Pictures::frame},
    {Resource::smiley, Pictures::smiley},
};
constexpr Named<QIcon> icons[] = {{Resource::smiley, Pictures::smileyIcon}};
constexpr Named<QCursor> cursors[] = {{Resource::hand, Pictures::hand}};

// The faces the screens were designed with, mapped to faces that Debian's font packages supply.
// A face not listed gets the last.
struct Substitute {
    std::string_view face;
    const char* family;
    QFont::Weight weight; // for the regular weight; bold stays bold
};
constexpr Substitute substitutes[] = {
    {"Batang", "NanumMyeongjo", QFont::Normal},
    {"Comic Sans MS", "Comic Neue", QFont::Normal},
    {"Calligraphic", "Z003", QFont::Normal},
    {"Arial Black", "DejaVu Sans", QFont::Black},
    {"MS Sans Serif", "Liberation Sans", QFont::Normal},
};

// The tables are compiled in, so a name that nothing answers to is a fault in the code. It stops
// the program here: nothing may be thrown through Qt's event loop.
template <class Thing, std::size_t count>
Thing resolve(const Named<Thing> (&things)[count], std::string_view name, const char* kind) {
    const auto* found = std::ranges::find(things, name, &Named<Thing>::name);
    if (found == std::end(things))
        qFatal("velmora: the screens name a %s %.*s that Velmora does not carry", kind,
               int(name.size()), name.data());
    return found->make();
}

class VelmoraResources final : public FormResources {
  public:
    QPixmap picture(std::string_view name) const override {
        return resolve(pictures, name, "picture");
    }
    QIcon icon(std::string_view name) const override { return resolve(icons, name, "window icon"); }
    QCursor cursor(std::string_view name) const override {
        return resolve(cursors, name, "mouse pointer");
    }
    QFont face(std::string_view name) const override {
        const auto* found = std::ranges::find(substitutes, name, &Substitute::face);
        const Substitute& substitute =
            found == std::end(substitutes) ? substitutes[std::size(substitutes) - 1] : *found;
        QFont font(substitute.family);
        font.setWeight(substitute.weight);
        return font;
    }
};
} // namespace

const FormResources& velmoraResources() {
    static const VelmoraResources resources;
    return resources;
}
