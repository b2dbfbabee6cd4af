#pragma once

#include "questions/Finding.h"
#include "questions/Question.h"
#include "questions/TeacherQuestion.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Why a question does not fit its controls on the screen ("the sentence is too wide"), or
// nothing when it fits.
using FitCheck = std::function<std::optional<std::string>(const Question&)>;

// One question of a teacher's file as its reader made it, and where it stands: its line, and
// its category, which the file's category marks count up. Questions of different categories
// never share a test.
struct ReadQuestion {
    int line;
    int category;
    Playable<TeacherQuestion> question;
};

// What a teacher's file holds: up to five tests of one to ten questions that Velmora plays, in
// the order the file gives them, and what was left out, each with its line. The questions and
// their texts are kept in this object, so it can be moved but not copied.
class TeacherTests {
  public:
    TeacherTests() = default;
    TeacherTests(TeacherTests&&) = default;
    TeacherTests& operator=(TeacherTests&&) = default;
    TeacherTests(const TeacherTests&) = delete;
    TeacherTests& operator=(const TeacherTests&) = delete;

    const std::vector<QuestionBank>& tests() const { return offered; }
    // What the teacher calls each test: its category's name, numbered where two tests would
    // have the same ("U5 agreement (1)", "U5 agreement (2)"), or empty for a test whose
    // questions stand in no named category.
    const std::vector<std::string>& titles() const { return named; }
    // Each question left out and why, and each test that is one too many, in line order; what is
    // said of one line is said once, however many questions it left out.
    const std::vector<Finding>& findings() const { return leftOut; }
    // Why no test can be played: the file cannot be read as questions at all, or holds no question
    // that Velmora can play. The findings still say what was left out.
    const std::optional<Finding>& refusal() const { return refused; }
    // How many questions of the file are not in a test that is played.
    int questionsSkipped() const { return skipped; }

  private:
    friend TeacherTests dealTeacherTests(std::vector<ReadQuestion> questions,
                                         const std::vector<std::string>& categories,
                                         const FitCheck& fits);
    friend TeacherTests refusedTeacherTests(Finding why);

    // Where the tests' questions and texts are; a vector keeps its storage when moved.
    std::vector<char> texts;
    std::vector<Question> questions;
    std::vector<QuestionBank> offered;
    std::vector<std::string> named;
    std::vector<Finding> leftOut;
    std::optional<Finding> refused;
    int skipped = 0;
};

// Deals a file's questions, in file order, into tests: the playable questions of each category
// make as few tests of up to ten as hold them, their lengths as even as can be (28 make 10, 9
// and 9); every test after the fifth is left out, and each question Velmora cannot play is a
// finding. `categories` holds the name of each category, by its number. Only a question that lands
// in a played test is measured by `fits` (when given), and left out if it does not fit; the
// questions of a sixth test are not measured, so they count into the lengths of their category's
// tests.
TeacherTests dealTeacherTests(std::vector<ReadQuestion> questions,
                              const std::vector<std::string>& categories, const FitCheck& fits);

// A file that cannot be read as questions at all.
TeacherTests refusedTeacherTests(Finding why);
