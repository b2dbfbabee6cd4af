// What the test screens hand to the teacher's record: one attempt for each test a pupil
// answered at least once, whole when every question was answered, and how the pupil did.
#include "Harness.h"

namespace {
struct KeptAttempts final : AttemptKeeper {
    void keep(TestAttempt attempt) override { kept.push_back(std::move(attempt)); }
    std::vector<TestAttempt> kept;
};

enum class Leaving { byAnotherTest, byTheSameTest, byTheEnd };
} // namespace

class Attempts : public QObject {
    Q_OBJECT
  private slots:
    void aTestTakenToItsEndIsOneWholeAttempt() {
        KeptAttempts record;
        Harness h(record);
        TestScreen& screen = h.startTest(2);
        h.takeTest(screen, 7);
        QCOMPARE(record.kept.size(), 1u);
        const TestAttempt& attempt = record.kept.front();
        QCOMPARE(attempt.test, 2);
        QVERIFY(attempt.complete);
        QVERIFY(attempt.started <= attempt.finished);
        QCOMPARE(attempt.answers.size(), 10u);
        for (std::size_t i = 0; i < 10; ++i) {
            const AnsweredQuestion& answer = attempt.answers[i];
            const Question& question = questionBank(2)[i];
            QCOMPARE(answer.sentence, std::string(question.stem));
            QCOMPARE(answer.correct, std::string(question.correctWord));
            QCOMPARE(answer.ok, i < 7);
            QCOMPARE(answer.picked, std::string(i < 7 ? answer.left : answer.right));
            QCOMPARE(answer.score, 10 * std::min(int(i) + 1, 7));
        }
        // Seeing the comment and leaving the test afterwards add nothing.
        h.open(1);
        QCOMPARE(record.kept.size(), 1u);
    }

    void aTestLeftAfterAnAnswerIsKeptUnfinished_data() {
        QTest::addColumn<Leaving>("leaving");
        QTest::addColumn<int>("answers");
        QTest::newRow("another test, one answer") << Leaving::byAnotherTest << 1;
        QTest::newRow("the same test again, three answers") << Leaving::byTheSameTest << 3;
        QTest::newRow("the end, during the feedback") << Leaving::byTheEnd << 2;
        QTest::newRow("another test, before any answer") << Leaving::byAnotherTest << 0;
        QTest::newRow("the end, before any answer") << Leaving::byTheEnd << 0;
    }
    void aTestLeftAfterAnAnswerIsKeptUnfinished() {
        QFETCH(Leaving, leaving);
        QFETCH(int, answers);
        KeptAttempts record;
        Harness h(record);
        TestScreen& screen = h.startTest(3);
        for (int i = 0; i < answers; ++i) {
            h.answer(screen, false);
            click(screen.label("lblNext"));
        }
        if (leaving == Leaving::byTheEnd && answers > 0) {
            click(screen.label("lblNext"));
            h.pick(screen, true);
            ++answers;
        }
        if (leaving == Leaving::byTheEnd)
            h.screens.end();
        else
            h.open(leaving == Leaving::byAnotherTest ? 4 : 3);
        QCOMPARE(record.kept.size(), answers > 0 ? 1u : 0u);
        if (answers == 0)
            return;
        QVERIFY(!record.kept.front().complete);
        QCOMPARE(int(record.kept.front().answers.size()), answers);
        QCOMPARE(record.kept.front().test, 3);
    }

    void aShortTeachersTestEndsAtItsLastQuestion() {
        const std::vector<QuestionBank> banks = {questionBank(1).first(3)};
        KeptAttempts record;
        Harness h(record, banks);
        TestScreen& screen = h.startTest(1);
        for (int i = 0; i < 3; ++i) {
            h.answer(screen, true);
            click(screen.label("lblNext"));
        }
        QCOMPARE(record.kept.size(), 1u);
        QVERIFY(record.kept.front().complete);
        QCOMPARE(record.kept.front().answers.back().score, 100);
    }

    void theWelcomePageSaysSoOnlyWhileAnswersAreKept() {
        KeptAttempts record;
        Harness kept(record);
        kept.screens.start();
        QVERIFY(kept.screens.frmIntro().label("lblKept").visible());
        Harness notKept;
        notKept.screens.start();
        QVERIFY(!notKept.screens.frmIntro().label("lblKept").visible());
    }
};

QTEST_MAIN(Attempts)
#include "tst_attempts.moc"
