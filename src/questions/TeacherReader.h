#pragma once

#include "questions/GiftReader.h"
#include "questions/MoodleXml.h"
#include "questions/TeacherTests.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

// The most bytes of a teacher's file that any of Velmora's readers reads.
constexpr std::size_t largestTeacherFile = std::max(largestGiftFile, largestMoodleXmlFile);

// Reads a teacher's file in either format Velmora knows, told apart by the content, not the
// name: a Moodle XML export, or else GIFT text.
TeacherTests readTeacherTests(std::string_view bytes, const FitCheck& fits = {});
