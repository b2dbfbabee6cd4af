#pragma once

#include "questions/Playable.h"
#include "questions/Question.h"

#include <string>
#include <string_view>

// A teacher's question that Velmora can play, with its texts as the screens show them.
struct TeacherQuestion {
    std::string stem;
    std::string correctWord;
    std::string wrongWord;
    std::string correctSentence;
    std::string wrongSentence;
    Question::Side correctSide = Question::Side::Left;
};

// Where a sentence written whole, with its answers elsewhere, has its gap: Moodle writes a gap
// as one run of three or more underscores. `start` is npos where the sentence has no such run.
struct UnderscoreGap {
    std::size_t start;
    std::size_t end;
};
// The run of underscores that is the sentence's gap; unplayable where there are two or more.
Playable<UnderscoreGap> findUnderscoreGap(std::string_view sentence);

// The question a sentence with one gap and two words makes, whatever format the teacher's file
// is in. Every reader hands its texts in the same way, so that a question reads the same
// wherever it was written.
//
// Takes plain text: escapes of the file's format already undone, markup already dropped,
// entities decoded, all in UTF-8. `beforeGap` and `afterGap` are the sentence on either side of
// the gap, with the blanks the teacher left next to the gap; either may be empty, not both.
// Blanks, tabs and line breaks may stand anywhere in any text: each run of them counts as one
// blank, and blanks at either end of a word or of the sentence are dropped.
//
// The texts come out as the built-in banks have them: each sentence starts with one blank, the
// gap shows as ".....", and the gap takes a blank before it where the teacher left one or where
// it follows a full stop, comma, colon, semicolon, ! or ?; and one after it where the teacher
// left one, except before a mark that is written straight after a word (. , ; : ! ? ) ] } … ” ’).
//
// Unplayable when a word is empty, when both words are the same, or when there is nothing but
// the gap.
Playable<TeacherQuestion> gappedQuestion(std::string_view beforeGap, std::string_view afterGap,
                                         std::string correctWord, std::string wrongWord,
                                         Question::Side correctSide);
