#pragma once

#include "questions/TeacherTests.h"

#include <cstddef>
#include <string_view>

// The largest GIFT file Velmora reads: far more questions than any class needs.
constexpr std::size_t largestGiftFile = 1024 * 1024;

// Reads a teacher's GIFT file. Any bytes are read without harm, in time and memory in
// proportion to their length. A question that Velmora could play but that `fits` says does not
// fit is left out like one it cannot play.
TeacherTests readGift(std::string_view bytes, const FitCheck& fits = {});
