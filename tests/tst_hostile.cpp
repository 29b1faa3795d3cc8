#include "engine/gapwindow.h"
#include "exercises/k04d3.h"
#include "testsupport/harness.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace kerbu;

namespace {

// Combining acute (U+0301) and double acute (U+030B).
const QString acute = QString(QChar(0x0301));
const QString doubleAcute = QString(QChar(0x030B));

QStringList hostileTexts() {
    QString controls;
    for (char16_t c = 1; c < 32; ++c)
        controls += QChar(c);
    return {
        QString(10000, 'x'),
        controls,
        QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x87\xAD\xF0\x9F\x87\xBA"), // emoji, flag
        QString::fromUtf8(
            "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7"),
        "a" + acute + acute + acute + doubleAcute + "o" + doubleAcute,
        QString(QChar(0xD800)), // a lone surrogate
        QString("\u202Emoziba"),
    };
}

// Every box the learner types answers into, in every exercise window.
std::vector<std::pair<WindowId, QString>> answerBoxes() {
    std::vector<std::pair<WindowId, QString>> boxes;
    for (WindowId id : {WindowId::k04d1a, WindowId::k04d1b, WindowId::k04d2a, WindowId::k04d2b,
                        WindowId::k04d2c}) {
        boxes.emplace_back(id, "Text1");
        boxes.emplace_back(id, "Text2");
    }
    boxes.emplace_back(WindowId::k04d3, "Text1");
    boxes.emplace_back(WindowId::k04d4, "Text22");
    boxes.emplace_back(WindowId::k04d5, "Text8");
    boxes.emplace_back(WindowId::k04d5, "Text9");
    return boxes;
}

} // namespace

class HostileTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void combiningAccentsCompareAsTheLetter_data();
    void combiningAccentsCompareAsTheLetter();
    void pastingAnythingIntoEveryBox();
    void typingWhileAMessageBoxIsOpen();
    void enterFasterThanTheBoxesCanBeRead();
    void inputMethodsPutTheRealLetter();
};

void HostileTest::combiningAccentsCompareAsTheLetter_data() {
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("1/b á as a + acute") << WindowId::k04d1b << "posta"
                                        << "posta" + acute + "ra" << true;
    QTest::newRow("1/b postá + ra") << WindowId::k04d1b << "posta" << QString() << true;
    QTest::newRow("1/a ő as o + double acute")
        << WindowId::k04d1a << "rendelő" << QString() << true;
    QTest::newRow("2/c ű as u + double acute") << WindowId::k04d2c << "könnyű" << QString() << true;
    QTest::newRow("accent still counts") << WindowId::k04d1b << "posta"
                                         << "postara" << false;
    QTest::newRow("case still counts") << WindowId::k04d1b << "posta"
                                       << "Posta" + acute + "ra" << false;
}

void HostileTest::combiningAccentsCompareAsTheLetter() {
    QFETCH(WindowId, id);
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    DrillWindow* window = test::openDrill(id);
    // The extended run has every word.
    test::button(window, id == WindowId::k04d1a ? "Command16" : "Command14")->click();
    test::button(window, "Command1")->click();
    QVERIFY(test::advanceTo(window, word));
    // Without a typed text: the stored answer itself, decomposed.
    const QString answer =
        typed.isNull() ? window->drill().answer().normalized(QString::NormalizationForm_D) : typed;
    QVERIFY(typed.isNull() ? answer != window->drill().answer() : true);
    test::box(window, "Text1")->clear();
    test::box(window, "Text2")->setText(answer);
    QTest::keyClick(test::box(window, "Text2"), Qt::Key_Return);
    QCOMPARE(test::recorder().beeps, right ? 0 : 1);
}

void HostileTest::pastingAnythingIntoEveryBox() {
    for (const auto& [id, name] : answerBoxes()) {
        FormWindow* window = test::openWindow(id);
        test::button(window, "Command1")->click();
        QLineEdit* box = window->control<QLineEdit>(name);
        for (const QString& text : hostileTexts()) {
            box->clear();
            box->setFocus();
            QApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QVERIFY(!box->text().isEmpty() || text.front().unicode() < 32);
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(window->isVisible());
        }
        // None of it was right.
        QCOMPARE(test::recorder().beeps,
                 int(test::recorder().messages.size()) -
                     std::count_if(test::recorder().messages.begin(),
                                   test::recorder().messages.end(),
                                   [](const auto& m) { return m.icon != Icon::Exclamation; }));
        for (const auto& m : test::recorder().messages)
            QVERIFY2(!m.text.contains("accomplished"), qPrintable(m.text));
        test::recorder().clear();
    }
    // The gaps too.
    for (WindowId id : {WindowId::k04d4, WindowId::k04d5}) {
        auto* window = static_cast<GapWindow*>(test::openWindow(id));
        test::button(window, "Command1")->click();
        for (const QString& text : hostileTexts()) {
            TextBox* gap = window->gap(window->idx());
            gap->clear();
            gap->insert(text);
            QTest::keyClick(gap, Qt::Key_Return);
        }
        QCOMPARE(window->solved(), 0);
    }
}

void HostileTest::typingWhileAMessageBoxIsOpen() {
    setServices(nullptr); // the real, modal message boxes
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    test::button(window, "Command1")->click();
    QLineEdit* ending = test::box(window, "Text2");
    test::type(ending, "xy");
    const QString word = test::box(window, "Text1")->text();
    int boxes = 0;
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        // Keys typed now go to the message box, not to the exercise.
        QTest::keyClicks(QApplication::focusWidget(), "abc");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Apostrophe);
        ++boxes;
        box->button(QMessageBox::Ok)->click();
    });
    timer.start();
    QTest::keyClick(ending, Qt::Key_Return);
    timer.stop();
    setServices(&test::recorder());
    QCOMPARE(boxes, 1);
    QCOMPARE(ending->text(), QString("xy"));
    QCOMPARE(test::box(window, "Text1")->text(), word);
    QCOMPARE(window->drill().solved, 0);
}

void HostileTest::enterFasterThanTheBoxesCanBeRead() {
    for (WindowId id : {WindowId::k04d1a, WindowId::k04d3, WindowId::k04d4}) {
        FormWindow* window = test::openWindow(id);
        test::button(window, "Command1")->click();
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        for (int n = 0; n < 200; ++n)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(test::recorder().beeps, 200);
        QCOMPARE(QApplication::focusWidget(), focus);
        test::recorder().clear();
    }
}

void HostileTest::inputMethodsPutTheRealLetter() {
    DrillWindow* window = test::openDrill(WindowId::k04d1a);
    QLineEdit* word = test::box(window, "Text1");
    word->setFocus();
    // A Hungarian layout sends the letter itself: it is not translated again.
    for (const QString& letter : {QString("ő"), QString("ű"), QString("Ő")})
        QTest::sendKeyEvent(QTest::Click, word, Qt::Key_unknown, letter, Qt::NoModifier);
    // A dead key, then the letter: the input method commits the composed letter.
    QInputMethodEvent preedit(QStringLiteral("´"), {});
    QApplication::sendEvent(word, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("á"));
    QApplication::sendEvent(word, &commit);
    QCOMPARE(word->text(), QString("őűŐá"));
}

QTEST_MAIN(HostileTest)
#include "tst_hostile.moc"
