#pragma once

#include <QDateTime>
#include <string>
#include <vector>

// One answered question of an attempt, as the pupil saw and answered it.
struct AnsweredQuestion {
    // The sentence with its gap, as shown.
    std::string sentence;
    // The words in the left and right boxes, the right one of them, and the one clicked.
    std::string left;
    std::string right;
    std::string correct;
    std::string picked;
    bool ok = false;
    // The score after this answer.
    int score = 0;
};

// One go at one test, from its first question to its end or to the pupil leaving it.
struct TestAttempt {
    // The number on the menu.
    int test = 0;
    QDateTime started;
    QDateTime finished;
    // False when the pupil left the test before its last answer.
    bool complete = false;
    std::vector<AnsweredQuestion> answers;
};

// Who took the attempt, where, and on which tests; the same for every attempt of one run.
struct AttemptContext {
    std::string login;
    // The account's full name from the password database, or empty.
    std::string name;
    std::string computer;
    // "builtin", or the teacher's file's name and the first 12 hex digits of its SHA-256.
    std::string source;
    // Each test's title, test 1 first: its category's name, or empty where the test is called
    // "Test N" after its number.
    std::vector<std::string> titles;
};

// What one attempt file holds; `attempt` names it and is its file name without ".csv".
struct AttemptRecord {
    std::string attempt;
    AttemptContext context;
    TestAttempt test;
};

// What the test screens hand their attempts to. Holding none keeps no record.
class AttemptKeeper {
  public:
    virtual void keep(TestAttempt attempt) = 0;

  protected:
    ~AttemptKeeper() = default;
};
