#include "testsupport/harness.h"

#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextEdit>

using namespace kerbu;

namespace {

QTextEdit* record(FormWindow* window) {
    return window->control<QTextEdit>("Text3");
}

const QString done = QStringLiteral("This exercise has been accomplished. If you want to restart "
                                    "it, click on the \"Restart\" button.");

} // namespace

class AccusativeTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void keyTables_data();
    void keyTables();
    void runs_data();
    void runs();
    void vowelChangesAreEditedInTheWordBox_data();
    void vowelChangesAreEditedInTheWordBox();
    void plusDuringRunKeepsRecordAndButtons();
    void recordBoxScrollsToTheNewestAnswer();
    void charKeepsTheFocus();
    void labels_data();
    void labels();
};

void AccusativeTest::keyTables_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // 2/a: its own smaller table; ":" gives "É" in the word box only.
    QTest::newRow("2/a word box") << WindowId::k04d2a << "Text1"
                                  << "';`\\[-/]=:0"
                                  << "áéíóöőúüűÉ0";
    QTest::newRow("2/a ending box") << WindowId::k04d2a << "Text2"
                                    << "';`\\[-/]=:0"
                                    << "áéíóöőúüű:0";
    QTest::newRow("2/a no capitals") << WindowId::k04d2a << "Text1"
                                     << "\"~|{_)}+"
                                     << "\"~|{_)}+";
    // 2/b and 2/c: the chart's keys in both boxes.
    for (WindowId id : {WindowId::k04d2b, WindowId::k04d2c}) {
        for (const char* box : {"Text1", "Text2"}) {
            QTest::newRow(qPrintable(windowName(id) + " " + box))
                << id << box << "';`=0[]-\\\"~:+){}_|/"
                << "áéíóöőúüűÁÍÉÓÖŐÚÜŰ/";
        }
    }
}

void AccusativeTest::keyTables() {
    QFETCH(WindowId, id);
    QFETCH(QString, boxName);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FormWindow* window = test::openWindow(id);
    QLineEdit* box = window->control<QLineEdit>(boxName);
    box->setFocus();
    test::type(box, typed);
    QCOMPARE(box->text(), shown);
}

void AccusativeTest::runs_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("doubled");
    QTest::newRow("2/a normal") << WindowId::k04d2a << false << 17 << "";
    QTest::newRow("2/a extended") << WindowId::k04d2a << true << 80 << "bélyeg";
    QTest::newRow("2/b normal") << WindowId::k04d2b << false << 15 << "";
    QTest::newRow("2/b extended") << WindowId::k04d2b << true << 34 << "négy";
    QTest::newRow("2/c normal") << WindowId::k04d2c << false << 20 << "";
    QTest::newRow("2/c extended") << WindowId::k04d2c << true << 43 << "kényelmes";
}

void AccusativeTest::runs() {
    QFETCH(WindowId, id);
    QFETCH(bool, plus);
    QFETCH(int, length);
    QFETCH(QString, doubled);
    DrillWindow* window = test::openDrill(id);
    if (plus)
        test::button(window, "Command14")->click();
    test::button(window, "Command1")->click();
    QCOMPARE(window->drill().total, length);
    QSet<int> items;
    QSet<QString> words;
    int doubledSeen = 0;
    QString expectedRecord;
    for (int n = 0; n < length; ++n) {
        QVERIFY(test::recorder().messages.empty());
        QVERIFY(window->drill().idx < length);
        items.insert(window->drill().idx);
        const QString word = test::box(window, "Text1")->text();
        words.insert(word);
        doubledSeen += word == doubled ? 1 : 0;
        expectedRecord += window->drill().answer() + "; ";
        test::answerRight(window);
    }
    QCOMPARE(items.size(), length);
    QCOMPARE(words.size(), doubled.isEmpty() ? length : length - 1);
    QCOMPARE(doubledSeen, doubled.isEmpty() ? 0 : 2);
    QCOMPARE(record(window)->toPlainText(), expectedRecord);
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().messages[0].text, done);
    QCOMPARE(test::recorder().messages[0].icon, Icon::Exclamation);
    QCOMPARE(test::recorder().messages[0].title, window->windowTitle());
    QCOMPARE(test::button(window, "Command1")->text(), QString("&Restart"));
    QVERIFY(!test::button(window, "Command2")->isEnabled());
    QVERIFY(!test::button(window, "Command15")->isEnabled());
    QVERIFY(test::button(window, "Command1")->hasFocus());
}

void AccusativeTest::vowelChangesAreEditedInTheWordBox_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("erase");      // letters erased from the end of the word box
    QTest::addColumn<QString>("retype"); // keys typed into the word box after that
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("answer");
    QTest::newRow("2/a szoknya") << WindowId::k04d2a << false << "szoknya" << 1 << "'"
                                 << "t"
                                 << "szoknyát";
    QTest::newRow("2/a híd") << WindowId::k04d2a << true << "híd" << 2 << "id"
                             << "at"
                             << "hidat";
    QTest::newRow("2/a étterem") << WindowId::k04d2a << true << "étterem" << 2 << "m"
                                 << "et"
                                 << "éttermet";
    QTest::newRow("2/b három") << WindowId::k04d2b << true << "három" << 2 << "m"
                               << "at"
                               << "hármat";
    QTest::newRow("2/b hét") << WindowId::k04d2b << false << "hét" << 2 << "et"
                             << "et"
                             << "hetet";
    QTest::newRow("2/c fekete") << WindowId::k04d2c << true << "fekete" << 1 << ";"
                                << "t"
                                << "feketét";
}

void AccusativeTest::vowelChangesAreEditedInTheWordBox() {
    QFETCH(WindowId, id);
    QFETCH(bool, plus);
    QFETCH(QString, word);
    QFETCH(int, erase);
    QFETCH(QString, retype);
    QFETCH(QString, ending);
    QFETCH(QString, answer);
    DrillWindow* window = test::openDrill(id);
    if (plus)
        test::button(window, "Command14")->click();
    test::button(window, "Command1")->click();
    QVERIFY(test::advanceTo(window, word));
    QCOMPARE(window->drill().answer(), answer);
    QLineEdit* wordBox = test::box(window, "Text1");
    QLineEdit* endingBox = test::box(window, "Text2");
    // The ending after the unchanged word is wrong.
    endingBox->setFocus();
    test::type(endingBox, ending);
    QTest::keyClick(endingBox, Qt::Key_Return);
    QCOMPARE(test::recorder().beeps, 1);
    wordBox->setFocus();
    for (int n = 0; n < erase; ++n)
        QTest::keyClick(wordBox, Qt::Key_Backspace);
    test::type(wordBox, retype);
    QTest::keyClick(wordBox, Qt::Key_Return);
    QCOMPARE(test::recorder().beeps, 1);
    QVERIFY(record(window)->toPlainText().endsWith(answer + "; "));
}

void AccusativeTest::plusDuringRunKeepsRecordAndButtons() {
    DrillWindow* window = test::openDrill(WindowId::k04d2a);
    test::button(window, "Command1")->click();
    test::answerRight(window);
    test::answerRight(window);
    const QString kept = record(window)->toPlainText();
    QVERIFY(!kept.isEmpty());
    test::box(window, "Text2")->setText("xy");
    test::button(window, "Command14")->click();
    QVERIFY(test::box(window, "Text1")->text().isEmpty());
    QVERIFY(test::box(window, "Text2")->text().isEmpty());
    QCOMPARE(record(window)->toPlainText(), kept);
    QVERIFY(test::button(window, "Command2")->isEnabled());
    QVERIFY(test::button(window, "Command15")->isEnabled());
    QVERIFY(test::button(window, "Command14")->isHidden());
    QVERIFY(window->control<QLabel>("Label3")->isHidden());
    QCOMPARE(test::button(window, "Command1")->text(), QString("&Start"));
    // Next with the empty boxes is a wrong answer; Solution shows item 0.
    test::button(window, "Command2")->click();
    QCOMPARE(test::recorder().beeps, 1);
    test::button(window, "Command15")->click();
    QCOMPARE(test::recorder().messages.back().text, QString("The correct solution is: szoknyát"));
    // The next Start clears the record and runs the extended variant.
    test::button(window, "Command1")->click();
    QVERIFY(record(window)->toPlainText().isEmpty());
    QCOMPARE(window->drill().total, 80);
}

void AccusativeTest::recordBoxScrollsToTheNewestAnswer() {
    DrillWindow* window = test::openDrill(WindowId::k04d2a);
    test::button(window, "Command14")->click();
    test::button(window, "Command1")->click();
    QTextEdit* box = record(window);
    QVERIFY(box->isReadOnly());
    test::type(box, "abc");
    QVERIFY(box->toPlainText().isEmpty());
    for (int n = 0; n < 79; ++n)
        test::answerRight(window);
    QScrollBar* bar = box->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(box->textCursor().position(), int(box->toPlainText().size()));
}

void AccusativeTest::charKeepsTheFocus() {
    DrillWindow* window = test::openDrill(WindowId::k04d2b);
    test::button(window, "Command1")->click();
    QPushButton* charButton = test::button(window, "Command13");
    charButton->setFocus();
    QTest::keyClick(charButton, Qt::Key_Return);
    QVERIFY(window->control<QLabel>("Label6")->isVisible());
    QVERIFY(charButton->hasFocus());
    // Enter presses Char again instead of checking an answer.
    QTest::keyClick(charButton, Qt::Key_Return);
    QVERIFY(window->control<QLabel>("Label6")->isHidden());
    QCOMPARE(test::recorder().beeps, 0);
}

void AccusativeTest::labels_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("caption");
    QTest::newRow("2/a") << WindowId::k04d2a << "2/a.   Put in the right endings:"
                         << "Mit?"
                         << "  Kerbu!  ---  4. lecke: 2/a.";
    QTest::newRow("2/b") << WindowId::k04d2b << "2/b. Put in the right endings:"
                         << "Hányat?"
                         << "  Kerbu!  ---  4. lecke: 2/b.";
    QTest::newRow("2/c") << WindowId::k04d2c << "2/c. Put in the right endings:"
                         << "Milyet?"
                         << "  Kerbu!  ---  4. lecke: 2/c.";
}

void AccusativeTest::labels() {
    QFETCH(WindowId, id);
    QFETCH(QString, title);
    QFETCH(QString, question);
    QFETCH(QString, caption);
    FormWindow* window = test::openWindow(id);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->control<QLabel>("Label2")->text(), title);
    QCOMPARE(window->control<QLabel>("Label5")->text(), question);
    QCOMPARE(window->control<QLabel>("Label1")->text(),
             QString("        -t, ’-t,      -ot, -at, -et, -öt"));
    QVERIFY(test::button(window, "Command1")->hasFocus());
}

QTEST_MAIN(AccusativeTest)
#include "tst_accusative.moc"
