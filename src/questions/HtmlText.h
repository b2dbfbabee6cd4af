#pragma once

#include "questions/TeacherQuestion.h"

#include <optional>
#include <string>
#include <string_view>

// What a piece of a teacher's HTML shows, as plain text for the screens.
struct HtmlText {
    // Tags dropped, every entity decoded, a <br> and each end of a block such as <p> or <div>
    // one blank, a non-breaking space a blank, each run of blanks one blank. A blank at either
    // end only where the HTML has white space there: a block's edge at the very start or end
    // adds none, so the text beside a gap keeps the teacher's spacing.
    std::string text;
    // Why a question with this text cannot be played: it shows a picture, its markup is too
    // long or nested too deeply to be a question's, or libxml2 could not read it at all.
    std::optional<Unplayable> unplayable;
};

// Reads UTF-8 HTML with libxml2's HTML parser, forgiving as browsers are: a fragment, an
// unclosed tag or a stray end tag is fine. Nothing is fetched, and the parser's complaints are
// not printed. Scripts, styles and comments show nothing. The text that comes out is UTF-8
// whatever comes in, but bytes that are not UTF-8 make libxml2 read all of it as Latin-1.
HtmlText htmlText(std::string_view html);
