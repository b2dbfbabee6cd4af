// What Velmora reads aloud and when: each question as it appears with a pause at its gap and its
// words in the order of their boxes, the correct sentence as the feedback shows it, the comment at
// the end, whatever is on the screen again on R, and nothing more once its screen has gone.
#include "Harness.h"
#include "WindowClick.h"

namespace {
// A teacher's test whose correct word stands in the right box.
const Question correctWordOnTheRight[] = {{" The cats ..... in the garden.", "were", "was",
                                           " The cats were in the garden.",
                                           " The cats was in the garden.", Question::Side::Right}};
const QuestionBank oneTeachersTest[] = {correctWordOnTheRight};

// A step's time after a pick: steps are 200 ms apart from the pick, which is step 1.
constexpr int stepMs(int step) {
    return (step - 1) * 200;
}

void pressR() {
    pressKey(Qt::Key_R);
}

QString last(const RecordingVoice& voice) {
    return voice.said.isEmpty() ? QString() : voice.said.last();
}
} // namespace

class ReadAloudTest : public QObject {
    Q_OBJECT

  private slots:
    void theQuestionAndTheCorrectSentenceAreSaidAsTheyAppear_data() {
        QTest::addColumn<bool>("teachers");
        QTest::addColumn<bool>("correct");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("correctSentence");
        QTest::newRow("built-in, correct pick") << false << true << "I … a girl. am, or is?"
                                                << "I am a girl.";
        QTest::newRow("built-in, wrong pick") << false << false << "I … a girl. am, or is?"
                                              << "I am a girl.";
        QTest::newRow("teacher's, correct word in the right box")
            << true << true << "The cats … in the garden. was, or were?"
            << "The cats were in the garden.";
    }
    void theQuestionAndTheCorrectSentenceAreSaidAsTheyAppear() {
        QFETCH(bool, teachers);
        QFETCH(bool, correct);
        QFETCH(QString, question);
        QFETCH(QString, correctSentence);
        Harness program(Harness::ReadingAloud{},
                        teachers ? std::span(oneTeachersTest) : builtInBanks());
        TestScreen& screen = program.open(1);
        QVERIFY(program.voice.said.isEmpty());
        click(screen.label("lblComment"));
        QCOMPARE(program.voice.said, QStringList{question});

        const bool pickLeft = correct == (!teachers);
        program.pick(screen, pickLeft);
        program.clock.advance(stepMs(20) - 1);
        QCOMPARE(program.voice.said.size(), 1);
        program.clock.advance(1);
        QCOMPARE(program.voice.said, (QStringList{question, correctSentence}));
        program.clock.advance(7000);
        QCOMPARE(program.voice.said.size(), 2);
    }

    // Test 1 on the manual clock from its start line to its smiley, read aloud throughout.
    void aWholeTestIsReadOnceThroughToItsComment() {
        Harness program(Harness::ReadingAloud{});
        program.takeTest(program.startTest(1), 10);
        const QStringList said = program.voice.said;
        QCOMPARE(said.size(), 21);
        QCOMPARE(said[0], "I … a girl. am, or is?");
        QCOMPARE(said[1], "I am a girl.");
        QCOMPARE(said[19], "My friends are playing with my sister.");
        QCOMPARE(said[20], "Congratulation ! you are awarded with a smiley face.");
    }

    void withoutTheOptionNothingIsSaidUnasked() {
        Harness program;
        program.takeTest(program.startTest(1), 7);
        QVERIFY(program.voice.said.isEmpty());
    }

    // R reads again whatever is on the screen to be read, with or without the option.
    void rSaysTheTextOnTheScreenAgain_data() {
        QTest::addColumn<bool>("readingAloud");
        QTest::newRow("read aloud as texts appear") << true;
        QTest::newRow("only on R") << false;
    }
    void rSaysTheTextOnTheScreenAgain() {
        QFETCH(bool, readingAloud);
        Harness program(Harness::ReadingAloud{}, builtInBanks());
        Harness quiet;
        Harness& chosen = readingAloud ? program : quiet;
        RecordingVoice& voice = chosen.voice;
        TestScreen& screen = chosen.open(1);
        pressR();
        QCOMPARE(last(voice), "This is a small test created by Tovrin. Click here to start.");

        click(screen.label("lblComment"));
        voice.said.clear();
        pressR();
        QCOMPARE(voice.said, QStringList{"I … a girl. am, or is?"});

        chosen.pick(screen, false);
        pressR();
        chosen.clock.advance(stepMs(20) - 1);
        pressR();
        QCOMPARE(voice.said.size(), 1); // the wrong sentence is not read
        chosen.clock.advance(7000);
        pressR();
        QCOMPARE(last(voice), "I am a girl.");

        click(screen.label("lblNext"));
        chosen.pick(screen, true);
        pressR(); // a correct pick shows the correct sentence at once
        QCOMPARE(last(voice), "You are a boy.");
        chosen.clock.advance(7000);

        click(screen.label("lblNext"));
        chosen.takeTest(screen, 0, 8); // questions 3 to 10, all wrong, then the comment
        pressR();
        QCOMPARE(last(voice), "The result is not acceptable, get some help right away .");

        chosen.open(1); // opened again, the screen starts afresh
        pressR();
        QCOMPARE(last(voice), "This is a small test created by Tovrin. Click here to start.");
    }

    void speechStopsWhenItsScreenGoes_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("the screen closed") << "close";
        QTest::newRow("the test opened again") << "reload";
        QTest::newRow("another test opened") << "another";
        QTest::newRow("Velmora ended") << "end";
    }
    void speechStopsWhenItsScreenGoes() {
        QFETCH(QString, how);
        Harness program(Harness::ReadingAloud{});
        TestScreen& screen = program.startTest(1);
        program.pick(screen, true);
        program.clock.advance(stepMs(20));
        QCOMPARE(last(program.voice), "I am a girl.");
        if (how == "close")
            screen.close();
        else if (how == "reload")
            program.open(1);
        else if (how == "another")
            program.open(2);
        else
            program.screens.end();
        QCOMPARE(last(program.voice), "(stop)");
    }
};

QTEST_MAIN(ReadAloudTest)
#include "tst_readaloud.moc"
