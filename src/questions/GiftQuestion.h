#pragma once

#include "questions/TeacherQuestion.h"

#include <string_view>

// Reads one question of a teacher's GIFT file (see splitGiftBlocks): a sentence with one gap
// that offers one correct and one wrong word.
Playable<TeacherQuestion> readGiftQuestion(std::string_view block);
