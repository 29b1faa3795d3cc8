// What the exercise windows add to their models: the controls a learner sees, keys typed
// into real boxes, Enter, what the message boxes say and where the focus goes.
#include "platform/twips.h"
#include "testsupport/harness.h"

#include <QClipboard>
#include <QPointer>
#include <QRegularExpression>

using namespace kerbu;
using test::Role;

namespace {

const QString kerbuTitle = QStringLiteral("  Kerbu!  ---  4. lecke");
const QString dezaviTitle = QStringLiteral("Dezavi!  ---  4. lecke: 1a");
const QString sorry =
    QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too.");
const QString accomplished = QStringLiteral("This exercise has been accomplished. If you want to "
                                            "restart it, click on the \"Restart\" button.");
const QString endOf3 =
    QStringLiteral("You have reached the end of the exercice. If you want to restart it (with "
                   "variable persons) click the \"Restart\" button.");

const std::vector<RecordingServices::Message>& messages() {
    return test::recorder().messages;
}

QLabel* label(FormWindow* window, const char* name) {
    return window->control<QLabel>(QString::fromLatin1(name));
}

} // namespace

// What sets the word drills apart: the ending box's keys, what a wrong answer and the end
// of a run say, and whether Solution is still there after the run.
struct DrillCase {
    QString window, caption;
    KeyTable endingKeys = KeyTable::None;
    QString wrongText = sorry, runTitle, doneText = accomplished;
    Icon doneIcon = Icon::Exclamation;
    bool solutionAfter = false;
};

Q_DECLARE_METATYPE(DrillCase)

class WindowsTest : public test::Suite {
    Q_OBJECT

  private slots:
    // clang-format off
    void drillRuns_data() {
        QTest::addColumn<DrillCase>("c");
        QTest::newRow("1/a") << DrillCase{.window = "k04d1a", .caption = kerbuTitle + ": 1/a", .endingKeys = KeyTable::None, .wrongText = "It's wrong. Try again.", .runTitle = dezaviTitle,
                                          .doneText = "The exercise has been accomplished. If you want to restart it, click the \"Restart\" button.", .doneIcon = Icon::Stop, .solutionAfter = true};
        QTest::newRow("1/b") << DrillCase{.window = "k04d1b", .caption = kerbuTitle + ": 1/b.", .endingKeys = KeyTable::None, .runTitle = kerbuTitle + ": 1/b."};
        QTest::newRow("2/a") << DrillCase{.window = "k04d2a", .caption = kerbuTitle + ": 2/a.", .endingKeys = KeyTable::Short, .runTitle = kerbuTitle + ": 2/a."};
        QTest::newRow("2/b") << DrillCase{.window = "k04d2b", .caption = kerbuTitle + ": 2/b.", .endingKeys = KeyTable::Hunkey, .runTitle = kerbuTitle + ": 2/b."};
        QTest::newRow("2/c") << DrillCase{.window = "k04d2c", .caption = kerbuTitle + ": 2/c.", .endingKeys = KeyTable::Hunkey, .runTitle = kerbuTitle + ": 2/c."};
    }
    // clang-format on

    // The window as it opens; a wrong answer said and kept; then a normal run as the learner
    // types it, each Hungarian letter by its key, with the book's answers in the record.
    void drillRuns() {
        QFETCH(DrillCase, c);
        DrillWindow* w = test::openDrill(c.window);
        QPushButton* start = test::button(w, Role::Start);
        QLineEdit* word = test::box(w, Role::Word);
        QLineEdit* ending = test::box(w, Role::Ending);
        QCOMPARE(w->windowTitle(), c.caption);
        QCOMPARE(start->text(), QString("&Start"));
        QVERIFY(start->hasFocus());
        QVERIFY(!test::button(w, Role::Next)->isEnabled() &&
                !test::button(w, Role::Solution)->isEnabled());
        QVERIFY(test::button(w, Role::Plus)->isVisible());
        QVERIFY(label(w, "Label6")->isHidden());
        QCOMPARE(label(w, "Label6")->text(),
                 QString("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 "
                         ");  ő ( [ );  ú ( ] );  ü ( - );  ű ( \\ )"));
        QTest::keyClick(start, Qt::Key_Return);
        QVERIFY(!start->isEnabled());
        const QString first = word->text();
        test::type(ending, "xyz");
        test::enter(ending);
        QCOMPARE(test::recorder().beeps, 1);
        QCOMPARE(messages().size(), std::size_t(1));
        QCOMPARE(messages()[0].text, c.wrongText);
        QCOMPARE(messages()[0].title, c.runTitle);
        QCOMPARE(messages()[0].icon, Icon::Exclamation);
        QCOMPARE(word->text(), first);
        QCOMPARE(ending->text(), QString("xyz"));
        test::recorder().clear();
        // The answers as the drill has them: the book's content is checked on the models.
        QString record;
        while (messages().empty()) {
            const QString answer = w->drill().solution();
            QVERIFY(ending->hasFocus());
            word->clear();
            ending->clear();
            test::typeKeys(ending, answer, c.endingKeys);
            test::enter(ending);
            record += answer + "; ";
            QCOMPARE(test::record(w), record);
        }
        QCOMPARE(messages().size(), std::size_t(1));
        QCOMPARE(messages()[0].text, c.doneText);
        QCOMPARE(messages()[0].title, c.runTitle);
        QCOMPARE(messages()[0].icon, c.doneIcon);
        QCOMPARE(start->text(), QString("&Restart"));
        QVERIFY(start->isEnabled() && start->hasFocus());
        QVERIFY(!test::button(w, Role::Next)->isEnabled());
        QCOMPARE(test::button(w, Role::Solution)->isEnabled(), c.solutionAfter);
        start->click();
        QVERIFY(test::record(w).isEmpty());
        // The caption of the next window is its own: the suffix does not pile up.
        test::program().windows().open(WindowId::alap, w);
        QCOMPARE(test::program().windows().get(WindowId::alap)->windowTitle(), kerbuTitle);
    }

    // Plus mid-run goes back to Start and hides itself. Unloading destroys the controls and
    // keeps the window's variables: the window opens again in the extended variant, with
    // Plus shown and new, empty controls. Enter, the keypad's too, presses the default
    // button while it is enabled; Escape closes nothing.
    void plusHidesItselfUntilReopened() {
        DrillWindow* w = test::openDrill("k04d1a");
        QPushButton* start = test::button(w, Role::Start);
        QPointer<QLineEdit> ending = test::box(w, Role::Ending);
        QTest::keyClick(ending, Qt::Key_Return);
        QCOMPARE(test::recorder().beeps, 0);
        start->click();
        test::answerRight(w);
        ending->setText("half");
        QTest::keyClick(ending, Qt::Key_Enter);
        QCOMPARE(test::recorder().beeps, 1);
        QTest::keyClick(ending, Qt::Key_Escape);
        QVERIFY(w->isVisible() && ending->hasFocus());
        test::button(w, Role::Plus)->click();
        QCOMPARE(start->text(), QString("&Start"));
        QVERIFY(start->isEnabled() && start->hasFocus());
        QVERIFY(test::box(w, Role::Word)->text().isEmpty() && ending->text().isEmpty());
        QVERIFY(test::button(w, Role::Plus)->isHidden() && label(w, "Label5")->isHidden());
        test::program().windows().open(WindowId::alap, w);
        QVERIFY(!w->isLoaded() && !w->control("Text2"));
        QTRY_VERIFY(!ending);
        test::openDrill("k04d1a");
        QCOMPARE(w->body()->size(), QSize(twips(9210), twips(5880)));
        QVERIFY(test::button(w, Role::Plus)->isVisible() && label(w, "Label5")->isVisible());
        QVERIFY(test::record(w).isEmpty());
        QVERIFY(w->drill().plus());
    }

    // The base word's last letter is changed in the word box, with the key that gives the
    // accented letter there. Solution says the answer; Char shows and hides the chart;
    // each hands the focus back to the ending box. In the word box the caret is at the end.
    void inTheMiddleOfARun() {
        DrillWindow* w = test::openDrill("k04d1a");
        test::button(w, Role::Start)->click();
        while (test::box(w, Role::Word)->text() != "szálloda")
            test::answerRight(w);
        QLineEdit* word = test::box(w, Role::Word);
        test::type(test::box(w, Role::Ending), "ba");
        test::enter(test::box(w, Role::Ending));
        QCOMPARE(test::recorder().beeps, 1);
        word->setFocus();
        QTest::keyClick(word, Qt::Key_Backspace);
        QTest::keyClick(word, Qt::Key_Apostrophe);
        QCOMPARE(word->text(), QString("szállodá"));
        test::enter(word);
        QVERIFY(test::record(w).endsWith("szállodába; "));
        while (word->text() != "bank")
            test::answerRight(w);
        test::button(w, Role::Solution)->click();
        QCOMPARE(messages().back().text, QString("The correct solution is: bankba"));
        QCOMPARE(messages().back().title, dezaviTitle);
        QCOMPARE(messages().back().icon, Icon::Information);
        QVERIFY(test::box(w, Role::Ending)->hasFocus());
        for (const bool shown : {true, false}) {
            test::button(w, Role::Char)->setFocus();
            test::button(w, Role::Char)->click();
            QCOMPARE(label(w, "Label6")->isVisible(), shown);
            QVERIFY(test::box(w, Role::Ending)->hasFocus());
        }
        QTest::keyClick(test::box(w, Role::Ending), Qt::Key_Backtab);
        QVERIFY(word->hasFocus() && !word->hasSelectedText());
        QCOMPARE(word->cursorPosition(), int(word->text().size()));
    }

    // The word box translates typed keys, shifted ones too, and Backspace takes the letter;
    // the ending box of 1/a and 1/b and pasted text are left as they are.
    void inRealBoxes() {
        DrillWindow* window = test::openDrill("k04d1b");
        QLineEdit* word = test::box(window, Role::Word);
        word->setFocus();
        test::type(word, "sz'lloda[");
        QTest::keyClick(word, Qt::Key_QuoteDbl, Qt::ShiftModifier);
        QTest::keyClick(word, Qt::Key_ParenRight, Qt::ShiftModifier);
        QCOMPARE(word->text(), QString("szállodaőÁÖ"));
        QTest::keyClick(word, Qt::Key_Backspace);
        QCOMPARE(word->text(), QString("szállodaőÁ"));
        QLineEdit* ending = test::box(window, Role::Ending);
        ending->setFocus();
        test::type(ending, "'0-[");
        QCOMPARE(ending->text(), QString("'0-["));
        word->clear();
        word->setFocus();
        QApplication::clipboard()->setText("'[0");
        QTest::keyClick(word, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(word->text(), QString("'[0"));
    }

    // From the keyboard alone: the six pictures in order, typed by keys, then the Restart
    // run of all seventeen; each run ends with its message and Restart in the focus.
    void sentenceRuns() {
        auto* w = static_cast<SentenceWindow*>(test::openWindow("k04d3"));
        QCOMPARE(w->windowTitle(), kerbuTitle + ": 3.");
        auto* picture = label(w, "Image1");
        QVERIFY(picture->pixmap().isNull());
        QLineEdit* box = test::box(w, Role::Ending);
        for (const Icon end : {Icon::Exclamation, Icon::Stop}) {
            test::recorder().clear();
            QTest::keyClick(box, end == Icon::Stop ? Qt::Key_R : Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(box->hasFocus() && !label(w, "Label1")->text().isEmpty());
            qint64 shown = 0;
            for (int n = 0; n < (end == Icon::Stop ? 17 : 6); ++n) {
                const test::SentenceData& s = test::lessonData().sentences[w->drill().current()];
                QVERIFY(messages().empty());
                QCOMPARE(label(w, "Label1")->text(), s.person);
                // Each picture of the ordered run is another one.
                QVERIFY(!picture->pixmap().isNull());
                QVERIFY(end == Icon::Stop || picture->pixmap().cacheKey() != shown);
                shown = picture->pixmap().cacheKey();
                QVERIFY(box->hasFocus() && box->text().isEmpty());
                test::typeKeys(box, end == Icon::Stop ? s.withPronoun : s.plain, KeyTable::Hunkey);
                test::enter(box);
            }
            QCOMPARE(messages().size(), std::size_t(1));
            QCOMPARE(messages()[0].text, endOf3);
            QCOMPARE(messages()[0].icon, end);
            QCOMPARE(test::button(w, Role::Start)->text(), QString("&Restart"));
            QVERIFY(test::button(w, Role::Start)->hasFocus());
            QVERIFY(!test::button(w, Role::Next)->isEnabled());
            QVERIFY(!test::button(w, Role::Solution)->isEnabled());
            QVERIFY(picture->pixmap().isNull() && label(w, "Label1")->text().isEmpty());
        }
    }

    void sentenceBoxCapitalAndMainWords() {
        auto* w = static_cast<SentenceWindow*>(test::openWindow("k04d3"));
        QLineEdit* box = test::box(w, Role::Ending);
        // Before Start the words are those of the second picture.
        QTest::mouseClick(w->control<QWidget>("Image1"), Qt::LeftButton);
        const QString indent(24, ' ');
        QCOMPARE(messages().back().text, "The main words to use in the sentence are:\r\n\r\n" +
                                             indent + "ül\r\n" + indent + "autó");
        QVERIFY(box->hasFocus());
        test::button(w, Role::Start)->click();
        test::type(box, "  kati   a  bankba    megy.  ");
        test::enter(box);
        QCOMPARE(messages().back().text, QString("Attention to capital letters!"));
        QCOMPARE(label(w, "Label1")->text(), QString("(én)"));
        test::type(box, "az aut= ban -l)k");
        QCOMPARE(box->text(), QString("az autó ban ülÖk"));
        test::enter(box);
        QCOMPARE(messages().back().text, sorry);
        QCOMPARE(box->text(), QString("Az autó ban ülÖk"));
        test::button(w, Role::Solution)->click();
        QCOMPARE(messages().back().text, QString("The correct solution is: Az autóban ülök."));
        QCOMPARE(messages().back().title, kerbuTitle + ": 3.");
    }

    // clang-format off
    void gapTextsReadAsTheBook_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("4") << "k04d4";
        QTest::newRow("5") << "k04d5";
    }
    // clang-format on

    // The fixed pieces, the word boxes and the gaps read line by line, left to right, as the
    // book prints the text; each gap shows as {} (what each takes is checked on the model).
    void gapTextsReadAsTheBook() {
        QFETCH(QString, window);
        GapWindow* w = test::openGaps(window);
        // Each piece by its line (a line is 30 pixels high) and its left edge.
        QMap<std::pair<int, int>, QString> pieces;
        const int top = test::button(w, Role::Start)->geometry().bottom();
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const QRect at = c->geometry();
            if (at.top() < top || at.top() > w->gap(0)->geometry().top() + 400)
                continue;
            const std::pair place(at.center().y() / 30, at.left());
            if (c->objectName() == "Text14") {
                pieces[place] = "{}";
            } else if (auto* l = qobject_cast<QLabel*>(c);
                       l && (c->objectName().startsWith("Text") || l->text() == "/")) {
                pieces[place] = l->text().trimmed();
            } else if (auto* e = qobject_cast<QLineEdit*>(c)) {
                pieces[place] = e->text();
            }
        }
        QStringList lines;
        int row = -1;
        for (auto p = pieces.cbegin(); p != pieces.cend(); ++p) {
            const QString& text = p.value();
            if (p.key().first != row)
                lines.append(text);
            else
                lines.back() += (QString("{.,?").contains(text.left(1)) ? "" : " ") + text;
            row = p.key().first;
        }
        QStringList book = test::lessonData().gapTexts.value(window);
        book.replaceInStrings(QRegularExpression("\\{[^}]*\\}"), "{}");
        QCOMPARE(lines, book);
    }

    void gapsSolvedInTheWindow() {
        GapWindow* w = test::openGaps("k04d4");
        QCOMPARE(w->windowTitle(), kerbuTitle + ": 4.");
        const QColor open(255, 255, 192), solved(255, 255, 0);
        QTest::keyClick(w, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(test::button(w, Role::Next)->isEnabled());
        QVERIFY(w->gap(0)->hasFocus());
        test::type(w->gap(0), "et");
        test::enter(w->gap(0));
        QCOMPARE(messages().back().text, sorry);
        QVERIFY(w->gap(0)->hasFocus() && w->gap(0)->isEnabled());
        QCOMPARE(w->gap(0)->palette().color(QPalette::Base), open);
        // A click into another gap makes it the one Enter checks.
        QTest::mouseClick(w->gap(2), Qt::LeftButton);
        test::type(w->gap(2), "et");
        test::enter(w->gap(2));
        QVERIFY(!w->gap(2)->isEnabled());
        QCOMPARE(w->gap(2)->palette().color(QPalette::Base), solved);
        test::button(w, Role::Solution)->click();
        QCOMPARE(messages().back().text, QString("The correct solution is: 't"));
        QVERIFY(w->gap(3)->hasFocus());
        test::recorder().clear();
        // The rest from the keyboard alone, over what the box holds: gap 3 takes -t, and
        // the a of barna in front of it becomes á.
        while (messages().empty()) {
            const int current = w->text().current();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            test::type(QApplication::focusWidget(), current == 3 ? "t" : w->text().solution());
            if (current == 3) {
                for (const Qt::Key key : {Qt::Key_Backtab, Qt::Key_End, Qt::Key_Backspace})
                    QTest::keyClick(QApplication::focusWidget(), key);
                test::type(QApplication::focusWidget(), "'");
            }
            test::enter(QApplication::focusWidget());
            QVERIFY2(!w->gap(current)->isEnabled(), qPrintable(QString::number(current)));
        }
        QCOMPARE(messages()[0].text, accomplished);
        QCOMPARE(messages()[0].icon, Icon::Exclamation);
        QCOMPARE(test::button(w, Role::Start)->text(), QString("&Restart"));
        QVERIFY(test::button(w, Role::Start)->hasFocus());
        QVERIFY(!test::button(w, Role::Next)->isEnabled());
        test::button(w, Role::Start)->click();
        for (int n = 0; n < w->gapCount(); ++n) {
            QVERIFY(w->gap(n)->isEnabled() && w->gap(n)->text().isEmpty());
            QCOMPARE(w->gap(n)->palette().color(QPalette::Base), open);
        }
        QVERIFY(w->gap(0)->hasFocus());
    }

    // Editing the word box in front of a gap keeps that gap current; Enter there checks it.
    // In exercise 5 Char acts as soon as it takes the focus.
    void wordBoxAndCharOfExercise5() {
        GapWindow* w = test::openGaps("k04d5");
        test::button(w, Role::Start)->click();
        QTest::mouseClick(w->gap(5), Qt::LeftButton);
        auto* front = w->control<QLineEdit>("Text9");
        front->setFocus();
        QTest::keyClick(front, Qt::Key_Backspace);
        QTest::keyClick(front, Qt::Key_Backspace);
        test::type(front, "m");
        QCOMPARE(front->text(), QString("Hárm"));
        w->gap(5)->setText("at");
        test::enter(front);
        QVERIFY(messages().empty());
        QVERIFY(!w->gap(5)->isEnabled());
        QVERIFY(w->gap(6)->hasFocus());
        test::button(w, Role::Char)->setFocus();
        QVERIFY(label(w, "Label3")->isVisible());
        QVERIFY(w->gap(6)->hasFocus());
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
