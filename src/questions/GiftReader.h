#pragma once

#include "questions/Finding.h"
#include "questions/Question.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The largest teacher's file Velmora reads: far more questions than any class needs.
constexpr std::size_t largestGiftFile = 1024 * 1024;

// Why a question does not fit its controls on the screen ("the sentence is too wide"), or
// nothing when it fits.
using FitCheck = std::function<std::optional<std::string>(const Question&)>;

// What a teacher's GIFT file holds: up to five tests of ten questions that Velmora plays, in
// the order the file gives them, and what was left out, each with its line. The questions'
// texts are kept in this object, so it can be moved but not copied.
class TeacherTests {
  public:
    TeacherTests() = default;
    TeacherTests(TeacherTests&&) = default;
    TeacherTests& operator=(TeacherTests&&) = default;
    TeacherTests(const TeacherTests&) = delete;
    TeacherTests& operator=(const TeacherTests&) = delete;

    const std::vector<QuestionBank>& tests() const { return offered; }
    // Each question left out and why, and each test that is too short or one too many, in
    // line order.
    const std::vector<Finding>& findings() const { return leftOut; }
    // Why no test can be played: the file is not UTF-8 text, a brace has no partner, or no test
    // of ten questions is left. The findings still say what was left out.
    const std::optional<Finding>& refusal() const { return refused; }
    // How many questions of the file are not in a test that is played.
    int questionsSkipped() const { return skipped; }

  private:
    friend TeacherTests readGift(std::string_view bytes, const FitCheck& fits);

    // Where the tests' texts are; a vector keeps its storage when moved.
    std::vector<char> texts;
    std::vector<QuestionBank> offered;
    std::vector<Finding> leftOut;
    std::optional<Finding> refused;
    int skipped = 0;
};

// Reads a teacher's GIFT file. Any bytes are read without harm, in time and memory in
// proportion to their length. A question that Velmora could play but that `fits` says does not
// fit is left out like one it cannot play.
TeacherTests readGift(std::string_view bytes, const FitCheck& fits = {});
