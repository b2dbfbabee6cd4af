#include "questions/MoodleText.h"

#include "questions/HtmlText.h"
#include "questions/XmlDocument.h"
#include "vocabulary/Blanks.h"

MoodleText moodleTextOf(const xmlNode* holder, bool unnamedIsHtml) {
    const std::string format = attributeOf(holder, "format");
    return {textOf(childElement(holder, "text")),
            format.empty() ? unnamedIsHtml : trimmed(format) != "plain_text"};
}

Playable<std::string> shownText(std::string_view text, bool html) {
    // Most pieces beside a gap, and most words, hold neither markup, an entity nor a
    // non-breaking space: as HTML they show as written, but for their runs of blanks, which every
    // question's texts merge anyway. XML's text is UTF-8 already, as the HTML parser makes it.
    if (!html || (text.find_first_of("<&") == text.npos && text.find("\u00A0") == text.npos))
        return std::string(text);
    HtmlText plain = htmlText(text);
    if (plain.unplayable)
        return *plain.unplayable;
    return std::move(plain.text);
}

bool moodleYes(const xmlNode* parent, std::string_view name, bool absent) {
    const xmlNode* element = childElement(parent, name);
    if (!element)
        return absent;
    const std::string value = textOf(element);
    const std::string_view said = trimmed(value);
    return !said.empty() && said != "false" && said != "0";
}
