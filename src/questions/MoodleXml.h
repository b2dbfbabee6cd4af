#pragma once

#include "questions/TeacherTests.h"

#include <cstddef>
#include <string_view>

// The largest Moodle XML export Velmora reads. Moodle writes each picture of a question bank
// into the export as base64, so exports grow far beyond their questions' text.
constexpr std::size_t largestMoodleXmlFile = 16 * 1024 * 1024;

// Whether a teacher's file is XML rather than GIFT text: it opens with an XML declaration or
// a <!DOCTYPE>, or its first element is Moodle's <quiz>.
bool isXmlFile(std::string_view bytes);

// Reads a Moodle XML export: each <question> in the <quiz> element, by the line it starts on,
// and each <question type="category"> starting a new test. Any bytes are read without harm, in
// time and memory in proportion to their length.
TeacherTests readMoodleXml(std::string_view bytes, const FitCheck& fits = {});
