#include "shell/TextFit.h"

#include "shell/Fonts.h"
#include "shell/Label.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"

namespace {
QRect textAreaOf(const ControlDef& def) {
    const QRect whole(0, 0, pixels(def.width), pixels(def.height));
    switch (def.kind) {
    case ControlKind::Label:
        return Label::textArea(whole, def.boxLine);
    case ControlKind::TextBox:
        return TextBox::textArea(whole, def.flat);
    default:
        return whole;
    }
}
} // namespace

TextFit::TextFit(const ControlDef& control, const FormResources& resources, int autoSizeLines)
    : metrics(fontFor(control.font, resources)), area(textAreaOf(control)),
      flags(control.kind == ControlKind::Label ? Label::textFlags(control.alignment)
                                               : int(Qt::AlignCenter)),
      autoSize(control.kind == ControlKind::Label && control.autoSize),
      autoSizeLines(autoSizeLines) {}

QString TextFit::whatDoesNotFit(const QString& text) const {
    if (autoSize) {
        const QRect needed = Label::wrappedBounds(metrics, area.width(), flags, text);
        if (needed.width() > area.width())
            return QStringLiteral("is %1 pixels wide, the label %2")
                .arg(needed.width())
                .arg(area.width());
        const int lines = 1 + (needed.height() - metrics.height() + metrics.lineSpacing() / 2) /
                                  metrics.lineSpacing();
        if (lines > autoSizeLines)
            return QStringLiteral("takes %1 lines, the label has room for %2")
                .arg(lines)
                .arg(autoSizeLines);
        return {};
    }
    const QRect needed = metrics.boundingRect(area, flags, text);
    if (needed.width() > area.width() || needed.height() > area.height())
        return QStringLiteral("needs %1 x %2 pixels, has %3 x %4")
            .arg(needed.width())
            .arg(needed.height())
            .arg(area.width())
            .arg(area.height());
    return {};
}

std::optional<char32_t> TextFit::missingCharacter(const QString& text) const {
    for (const char32_t character : text.toUcs4())
        if (!metrics.inFontUcs4(character))
            return character;
    return std::nullopt;
}
