#pragma once

#include "questions/TeacherQuestion.h"

#include <libxml/tree.h>

// The question one <question> element of a Moodle XML export makes. Velmora plays a
// multichoice question with one correct and one wrong answer, a cloze question with one
// MULTICHOICE gap of two answers, and a gapselect or ddwtos question with one gap whose group
// holds two choices; every other question is unplayable.
Playable<TeacherQuestion> readMoodleQuestion(const xmlNode* question);
