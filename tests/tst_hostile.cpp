// Whatever a learner may paste into any box of any exercise: the window stays whole, the
// Mistakes list shows it short and safe, and nothing of it counts as right; and keys typed
// while a message box is open.
#include "testsupport/harness.h"

#include <QClipboard>
#include <QMessageBox>
#include <QTimer>

using namespace kerbu;

namespace {

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
        QString::fromUtf8("a\xcc\x81\xcc\x81\xcc\x81\xcc\x8bo\xcc\x8b"), // piled-up accents
        QString(QChar(0xD800)),                                          // a lone surrogate
        QString("\u202Emoziba"),
    };
}

} // namespace

class HostileTest : public test::Suite {
    Q_OBJECT

  private slots:
    // Every box the learner can type into, gaps and word boxes included, after Start.
    void pastingAnythingIntoEveryBox() {
        for (const QString& id : test::exercises) {
            auto* window = static_cast<ExerciseWindow*>(test::openWindow(id));
            test::button(window, test::Role::Start)->click();
            window->findChild<QAction*>("mnuMistakes")->trigger();
            const QSize listSize = window->mistakesWindow()->size();
            int enters = 0;
            for (QLineEdit* box : window->body()->findChildren<QLineEdit*>()) {
                if (!box->isVisible() || !box->isEnabled())
                    continue;
                const QString where = id + ": " + box->objectName();
                for (const QString& text : hostileTexts()) {
                    box->clear();
                    box->setFocus();
                    QApplication::clipboard()->setText(text);
                    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                    QVERIFY2(!box->text().isEmpty() || text.front().unicode() < 32,
                             qPrintable(where));
                    QTest::keyClick(box, Qt::Key_Return);
                    ++enters;
                    QVERIFY(window->isVisible());
                }
                // The letters a Western layout gives for ő and ű, by a dead key or an
                // input method, are taken as those.
                box->clear();
                box->insert(QStringLiteral("õûÕÛ"));
                QVERIFY2(box->text() == QStringLiteral("őűŐŰ"), qPrintable(where));
            }
            // The Mistakes list shows every try short and safe, and keeps its size.
            QCOMPARE(window->mistakesWindow()->size(), listSize);
            const MistakeLog& log = window->mistakes();
            // Every Enter was a wrong try, listed.
            QCOMPARE(log.rowCount(), enters);
            for (int row = 0; row < log.rowCount(); ++row) {
                const QString shown = log.index(row, MistakeLog::TypedColumn).data().toString();
                QVERIFY2(shown.size() <= 42, qPrintable(shown.left(50)));
                for (const QChar c : shown)
                    QVERIFY(c.category() != QChar::Other_Control && c != QChar(0x202E));
            }
            // None of it was right: every message came with its beep, and the run is on.
            QCOMPARE(test::recorder().beeps, int(test::recorder().messages.size()));
            QCOMPARE(window->model().phase(), Phase::Waiting);
            test::recorder().clear();
        }
    }

    void typingWhileAMessageBoxIsOpen() {
        DrillWindow* window = static_cast<DrillWindow*>(test::openWindow("k04d1a"));
        DesktopServices desktop{QString()};
        setServices(&desktop); // the real, modal message boxes
        test::button(window, test::Role::Start)->click();
        QLineEdit* ending = test::box(window, test::Role::Ending);
        test::type(ending, "xy");
        const QString word = test::box(window, test::Role::Word)->text();
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
        QTRY_VERIFY(ending->hasFocus());
        QCOMPARE(ending->text(), QString("xy"));
        QCOMPARE(test::box(window, test::Role::Word)->text(), word);
        QCOMPARE(window->drill().solved(), 0);
    }
};

QTEST_MAIN(HostileTest)
#include "tst_hostile.moc"
