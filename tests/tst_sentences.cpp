#include "exercises/k04d3.h"
#include "testsupport/harness.h"

#include <QLabel>
#include <QSet>
#include <QTest>

using namespace kerbu;

namespace {

K04d3* openSentences() {
    return static_cast<K04d3*>(test::openWindow(WindowId::k04d3));
}

QLineEdit* answerBox(K04d3* window) {
    return test::box(window, "Text1");
}

void answer(K04d3* window, const QString& text) {
    answerBox(window)->setText(text);
    QTest::keyClick(answerBox(window), Qt::Key_Return);
}

void answerRight(K04d3* window) {
    answer(window, window->sentence(window->idx()));
}

const QString endText =
    QStringLiteral("You have reached the end of the exercice. If you want to restart it (with "
                   "variable persons) click the \"Restart\" button.");

// Finishes the ordered run, so that the next press of Restart begins a random run.
void finishOrderedRun(K04d3* window) {
    test::button(window, "Command1")->click();
    for (int n = 0; n < 6; ++n)
        answerRight(window);
    test::recorder().clear();
}

} // namespace

class SentencesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void answers_data();
    void answers();
    void orderedRun();
    void restartRunShowsAllSeventeen();
    void restartMidRunSkipsButCountsTheDraw();
    void drawnSurvivesReopening();
    void mainWords();
    void solutionShowsTheFormWithoutPronoun();
    void charHidesWithoutMovingTheFocus();
    void typedLettersAreTranslated();
};

void SentencesTest::answers_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("capitalWarning");
    QTest::addColumn<QString>("boxAfter");
    QTest::newRow("exact") << 0 << "Kati a bankba megy." << true << false << "";
    QTest::newRow("runs of blanks") << 0 << "  Kati   a  bankba    megy.  " << true << false << "";
    QTest::newRow("small first letter") << 0 << "kati a bankba megy." << true << true << "";
    QTest::newRow("no full stop") << 0 << "Kati a bankba megy" << false << false
                                  << "Kati a bankba megy";
    QTest::newRow("blank before full stop")
        << 0 << "Kati a bankba megy ." << false << false << "Kati a bankba megy .";
    QTest::newRow("without pronoun") << 3 << "A postára sietsz." << true << false << "";
    QTest::newRow("with pronoun") << 3 << "Te a postára sietsz." << true << false << "";
    QTest::newRow("missing accent")
        << 3 << "A postara sietsz." << false << false << "A postara sietsz.";
    QTest::newRow("small a") << 1 << "az autóban ülök." << true << true << "";
    QTest::newRow("small é") << 1 << "én az autóban ülök." << true << true << "";
    QTest::newRow("small ő, wrong")
        << 2 << "ő a könyvtárban olvas." << false << true << "Ő a könyvtárban olvas.";
    QTest::newRow("small ö, wrong") << 4 << "öt." << false << true << "Öt.";
    QTest::newRow("small á, wrong") << 5 << "ágyban." << false << true << "Ágyban.";
    QTest::newRow("empty") << 5 << "" << false << false << "";
    QTest::newRow("only blanks") << 5 << "    " << false << false << "";
    QTest::newRow("other entry's sentence")
        << 2 << "Kati a bankba megy." << false << false << "Kati a bankba megy.";
}

void SentencesTest::answers() {
    QFETCH(int, entry);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QFETCH(bool, capitalWarning);
    QFETCH(QString, boxAfter);
    K04d3* window = openSentences();
    test::button(window, "Command1")->click();
    while (window->idx() < entry)
        answerRight(window);
    test::recorder().clear();
    answer(window, typed);
    QCOMPARE(window->idx(), right ? entry + 1 : entry);
    QCOMPARE(answerBox(window)->text(), boxAfter);
    std::vector<QString> texts;
    for (const auto& m : test::recorder().messages)
        texts.push_back(m.text);
    std::vector<QString> expected;
    if (capitalWarning)
        expected.push_back("Attention to capital letters!");
    if (!right)
        expected.push_back("Sorry, it's wrong. Try again. Pay attention to the spelling too.");
    QCOMPARE(texts, expected);
    QCOMPARE(test::recorder().beeps, int(expected.size()));
    QVERIFY(answerBox(window)->hasFocus());
}

void SentencesTest::orderedRun() {
    K04d3* window = openSentences();
    QCOMPARE(window->windowTitle(), QString("  Kerbu!  ---  4. lecke: 3."));
    QCOMPARE(window->idx(), 1);
    QCOMPARE(window->phase(), Phase::NotStarted);
    QCOMPARE(window->run(), K04d3::Run::Ordered);
    QVERIFY(window->control<QLabel>("Image1")->pixmap().isNull());
    QPushButton* start = test::button(window, "Command1");
    start->click();
    QVERIFY(!start->isEnabled());
    QVERIFY(test::button(window, "Command2")->isEnabled());
    QVERIFY(test::button(window, "Command14")->isEnabled());
    const QStringList persons = {"(Kati)", "(én)", "(én)", "(te)", "(Sándor)", "(te)"};
    for (int entry = 0; entry < 6; ++entry) {
        QCOMPARE(window->idx(), entry);
        QCOMPARE(window->control<QLabel>("Label1")->text(), persons[entry]);
        QCOMPARE(window->control<QLabel>("Image1")->pixmap().cacheKey(),
                 window->control<QLabel>("Image2", entry)->pixmap().cacheKey());
        QVERIFY(test::recorder().messages.empty());
        answerRight(window);
    }
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().messages[0].text, endText);
    QCOMPARE(test::recorder().messages[0].icon, Icon::Exclamation);
    QCOMPARE(start->text(), QString("&Restart"));
    QCOMPARE(window->phase(), Phase::Accomplished);
    QCOMPARE(window->run(), K04d3::Run::Restart);
    QVERIFY(start->isEnabled() && start->hasFocus());
    QVERIFY(!test::button(window, "Command2")->isEnabled());
    QVERIFY(!test::button(window, "Command14")->isEnabled());
    QVERIFY(window->control<QLabel>("Image1")->pixmap().isNull());
    QVERIFY(window->control<QLabel>("Label1")->text().isEmpty());
}

void SentencesTest::restartRunShowsAllSeventeen() {
    K04d3* window = openSentences();
    finishOrderedRun(window);
    for (int run = 0; run < 2; ++run) {
        test::button(window, "Command1")->click();
        QVERIFY(test::button(window, "Command1")->isEnabled());
        QVERIFY(!test::button(window, "Command14")->isEnabled());
        QSet<int> seen;
        for (int n = 0; n < 17; ++n) {
            QVERIFY(!seen.contains(window->idx()));
            seen.insert(window->idx());
            QCOMPARE(window->drawn(), n + 1);
            QVERIFY(test::recorder().messages.empty());
            // Half of them with the pronoun, to use both forms.
            answer(window, n % 2 ? K04d3::sentenceWithPronoun(window->idx())
                                 : window->sentence(window->idx()));
        }
        QCOMPARE(seen.size(), 17);
        QCOMPARE(test::recorder().messages.size(), std::size_t(1));
        QCOMPARE(test::recorder().messages[0].text, endText);
        QCOMPARE(test::recorder().messages[0].icon, Icon::Stop);
        QCOMPARE(window->drawn(), 0);
        for (int entry = 0; entry < 17; ++entry)
            QVERIFY(!window->sentence(entry).isEmpty());
        QVERIFY(test::button(window, "Command1")->hasFocus());
        QVERIFY(!test::button(window, "Command2")->isEnabled());
        test::recorder().clear();
    }
}

void SentencesTest::restartMidRunSkipsButCountsTheDraw() {
    K04d3* window = openSentences();
    finishOrderedRun(window);
    QPushButton* restart = test::button(window, "Command1");
    restart->click();
    answerRight(window);
    const int skipped = window->idx();
    restart->click(); // skips the sentence showing
    QCOMPARE(window->drawn(), 3);
    QVERIFY(!window->sentence(skipped).isEmpty());
    int answers = 0;
    while (test::recorder().messages.empty() && answers < 40) {
        answerRight(window);
        ++answers;
    }
    // 17 draws in all: the skip counted as one, so 15 more right answers end the run.
    QCOMPARE(answers, 15);
    QCOMPARE(test::recorder().messages[0].icon, Icon::Stop);
}

void SentencesTest::drawnSurvivesReopening() {
    K04d3* window = openSentences();
    finishOrderedRun(window);
    test::button(window, "Command1")->click();
    for (int n = 0; n < 4; ++n)
        answerRight(window);
    QCOMPARE(window->drawn(), 5);
    windows().open(WindowId::alap, window);
    window = openSentences();
    QCOMPARE(window->drawn(), 5);
    QCOMPARE(window->idx(), 1);
    QCOMPARE(test::button(window, "Command1")->text(), QString("&Start"));
    // The next Restart run ends after 17 draws in all, counting those made before.
    finishOrderedRun(window);
    test::button(window, "Command1")->click();
    int answers = 0;
    while (test::recorder().messages.empty() && answers < 40) {
        answerRight(window);
        ++answers;
    }
    QCOMPARE(answers, 12);
}

void SentencesTest::mainWords() {
    K04d3* window = openSentences();
    // Before Start the picture is empty and the words are those of entry 1.
    QTest::mouseClick(window->control<QWidget>("Image1"), Qt::LeftButton);
    const QString indent(24, ' ');
    QCOMPARE(test::recorder().messages.back().text,
             "The main words to use in the sentence are:\r\n\r\n" + indent + "ül\r\n" + indent +
                 "autó");
    QCOMPARE(test::recorder().messages.back().icon, Icon::Information);
    QVERIFY(answerBox(window)->hasFocus());
    // After the ordered run: the words of the last entry shown.
    finishOrderedRun(window);
    QTest::mouseClick(window->control<QWidget>("Image1"), Qt::LeftButton);
    QCOMPARE(test::recorder().messages.back().text,
             "The main words to use in the sentence are:\r\n\r\n" + indent + "pihen\r\n" + indent +
                 "szoba");
}

void SentencesTest::solutionShowsTheFormWithoutPronoun() {
    K04d3* window = openSentences();
    test::button(window, "Command1")->click();
    answerRight(window);
    test::button(window, "Command14")->click();
    QCOMPARE(test::recorder().messages.back().text,
             QString("The correct solution is: Az autóban ülök."));
    QCOMPARE(test::recorder().messages.back().title, window->windowTitle());
    QVERIFY(answerBox(window)->hasFocus());
}

void SentencesTest::charHidesWithoutMovingTheFocus() {
    K04d3* window = openSentences();
    QPushButton* charButton = test::button(window, "Command13");
    charButton->setFocus();
    charButton->click();
    QVERIFY(window->control<QLabel>("Label6")->isVisible());
    QVERIFY(answerBox(window)->hasFocus());
    charButton->setFocus();
    charButton->click();
    QVERIFY(window->control<QLabel>("Label6")->isHidden());
    QVERIFY(charButton->hasFocus());
}

void SentencesTest::typedLettersAreTranslated() {
    K04d3* window = openSentences();
    test::button(window, "Command1")->click();
    answerRight(window);
    QLineEdit* box = answerBox(window);
    test::type(box, "Az aut= ban -l)k.");
    QCOMPARE(box->text(), QString("Az autó ban ülÖk."));
    box->clear();
    test::type(box, "az aut=ban -l0k.");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window->idx(), 2);
}

QTEST_MAIN(SentencesTest)
#include "tst_sentences.moc"
