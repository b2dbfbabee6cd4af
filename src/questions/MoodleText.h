#pragma once

#include "questions/TeacherQuestion.h"

#include <libxml/tree.h>
#include <string>
#include <string_view>

// How Moodle's importer reads the parts that every kind of question in its XML shares.

// A <text> as stored, and whether Moodle shows it as HTML, which it does in every format but
// plain text.
struct MoodleText {
    std::string text;
    bool html;
};

// The <text> of an element that may name its format; one that names none is in the format
// `unnamed` has, as Moodle gives an answer its question's format.
MoodleText moodleTextOf(const xmlNode* holder, bool unnamedIsHtml = true);

// A text, or a piece of one, as the screens show it.
Playable<std::string> shownText(std::string_view text, bool html);

// Moodle's yes or no in a child element: anything but "false", "0" or nothing is yes, and
// `absent` stands where there is no such element, as each kind of question has its own.
bool moodleYes(const xmlNode* parent, std::string_view name, bool absent);
