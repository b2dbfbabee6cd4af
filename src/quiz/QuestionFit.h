#pragma once

#include "questions/Question.h"

#include <optional>
#include <string>

// Why a question would not show whole on a test screen, in words for a teacher's report: a
// sentence longer than two lines of its label, a word wider than its box, or a character the
// screen's face cannot draw. Nothing when it fits. Measures with the application's fonts.
std::optional<std::string> whyItDoesNotFit(const Question& question);
