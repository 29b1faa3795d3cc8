// What the desktop adds: what a screen reader says, and every window's controls named and
// their texts inside them, at any scaling factor.
#include "testsupport/harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenuBar>

using namespace kerbu;

namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class DesktopTest : public test::Suite {
    Q_OBJECT

  private slots:
    // What a screen reader finds beside what Orca says in its run: the right answers as
    // text, the picture and the person by what they show.
    void whatAScreenReaderSays() {
        DrillWindow* drill = static_cast<DrillWindow*>(test::openWindow("k04d1a"));
        test::button(drill, test::Role::Start)->click();
        test::answerRight(drill);
        QAccessibleTextInterface* record =
            QAccessible::queryAccessibleInterface(drill->control<QLabel>("Label3"))
                ->textInterface();
        QVERIFY(record && test::record(drill).endsWith("; "));
        QCOMPARE(record->text(0, record->characterCount()), test::record(drill));

        FormWindow* pictures = test::openWindow("k04d3");
        test::button(pictures, test::Role::Start)->click();
        QCOMPARE(accessibleName(pictures->control("Image1")),
                 QString("Picture of a bank, with Kati"));
        QCOMPARE(accessibleName(pictures->control("Label1")), QString("Person: Kati"));
        // The picture is the last stop of Tab; Enter on it says the main words.
        QWidget* picture = pictures->control("Image1");
        test::button(pictures, test::Role::Solution)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), picture);
        QTest::keyClick(picture, Qt::Key_Return);
        QVERIFY(test::recorder().messages.back().text.contains("bank"));
    }

    // With a screen reader listening, "Right." takes the focus for a moment after a right
    // answer in each kind of window; what the learner types meanwhile still goes into the
    // box of the next item.
    void rightIsSaidByAFocusNote() {
        test::recorder().screenReader = true;
        for (const char* id : {"k04d1a", "k04d3", "k04d4"}) {
            FormWindow* window = test::openWindow(id);
            test::button(window, test::Role::Start)->click();
            QTest::qWait(20); // Start asks the first item; nothing is right yet
            QVERIFY2(accessibleName(QApplication::focusWidget()) != "Right.", id);
            QWidget* next = id == QLatin1String("k04d4") ? static_cast<GapWindow*>(window)->gap(1)
                                                         : test::box(window, test::Role::Ending);
            test::answerRight(window);
            QTRY_COMPARE(accessibleName(QApplication::focusWidget()), QString("Right."));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
            QVERIFY2(next->hasFocus(), id);
            QCOMPARE(static_cast<QLineEdit*>(next)->text(), QString("b"));
        }
        // A right answer clicked on Next in the ordered run of 3 leaves the focus on Next;
        // the note does not take it from there.
        auto* window = static_cast<ExerciseWindow*>(test::openWindow("k04d3"));
        test::button(window, test::Role::Start)->click();
        window->answerBox()->setText(window->model().item().right);
        QTest::mouseClick(window->control<QPushButton>("Command2"), Qt::LeftButton);
        QTest::qWait(20);
        QCOMPARE(QApplication::focusWidget(), window->control<QWidget>("Command2"));
    }

    // The gaps show the colour of their family, the frame tinted with it: light yellow for
    // the accusative, tan for the place endings.
    void gapsShowTheirColours() {
        auto* gaps = static_cast<GapWindow*>(test::openWindow("k04d5"));
        for (const auto& [n, colour] :
             {std::pair{0, QColor(255, 255, 192)}, {2, QColor(238, 187, 136)}}) {
            const QImage box = gaps->gap(n)->grab().toImage();
            QCOMPARE(box.pixelColor(box.width() / 2, box.height() / 2), colour);
            QVERIFY(box.pixelColor(0, box.height() / 2).hsvSaturation() > 40);
        }
    }

    // In the main menu, at any scaling factor (run at 1 and at 2), each exercise's task
    // ends above its topic line, also exercise 3's task of two lines.
    void menuLinesStandApart() {
        FormWindow* menu = test::program().windows().get("alap");
        menu->showForm();
        for (const Exercise& exercise : test::program().lesson().exercises) {
            auto* task = menu->control<Caption>(QString::fromLatin1(exercise.menu.taskName));
            auto* topic = menu->control<Caption>(QString::fromLatin1(exercise.menu.topicName));
            // What the letters cover: the last task line's lowest ink, the topic's highest.
            const QFontMetrics tm = task->fontMetrics(), om = topic->fontMetrics();
            const QStringList lines = task->lines();
            QVERIFY2(task->y() + (lines.size() - 1) * tm.lineSpacing() + tm.ascent() +
                             tm.tightBoundingRect(lines.back()).bottom() <
                         topic->y() + om.ascent() + om.tightBoundingRect(topic->text()).top(),
                     exercise.menu.taskName);
        }
        menu->unloadForm();
    }

    // Every window at any scaling factor (run at 1 and at 2): every control that speaks has
    // a name, every box says what to do with it, and every caption stays inside its control.
    void everyControlHasANameAndFits() {
        for (const QString& id : QStringList{"sobre", "alap", "hatter"} + test::exercises) {
            FormWindow* window = test::program().windows().get(id);
            window->showForm();
            QVERIFY2(!accessibleName(window).isEmpty(), qPrintable(id));
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window))
                    continue;
                const QString where = id + ": " + widget->objectName();
                const bool focusable =
                    widget->focusPolicy() != Qt::NoFocus && !qobject_cast<QMenuBar*>(widget) &&
                    widget->parent() != nullptr && !widget->inherits("QScrollBar");
                auto* label = qobject_cast<QLabel*>(widget);
                if (focusable || (label && !label->text().isEmpty()))
                    QVERIFY2(!accessibleName(widget).isEmpty(),
                             qPrintable(where + " (" + widget->metaObject()->className() + ")"));
                // A box to type into says what to do with it, and shows what it holds.
                if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                    QVERIFY2(!focusable || !box->accessibleDescription().isEmpty(),
                             qPrintable(where));
                    QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= box->width() - 4,
                             qPrintable(where));
                }
                if (auto* button = qobject_cast<QAbstractButton*>(widget))
                    QVERIFY2(QFontMetrics(button->font())
                                     .horizontalAdvance(spokenCaption(button->text())) <=
                                 button->width() - 4,
                             qPrintable(where));
            }
            for (Caption* caption : window->findChildren<Caption*>()) {
                // Hidden ones too: the character chart shows when the learner asks for it.
                if (caption->text().isEmpty())
                    continue;
                const QString where = id + ": " + caption->objectName() + ": ";
                const QString over = test::overflow(caption);
                QVERIFY2(over.isEmpty(), qPrintable(where + over));
                // The lines break at blanks only: an ending such as -ba stays whole.
                const QStringList lines = caption->lines();
                QCOMPARE(lines.join(' ').simplified(), caption->text().simplified());
                for (const QString& line : lines)
                    QVERIFY2(!line.trimmed().endsWith('-'), qPrintable(where + line));
            }
            if (id != "hatter")
                window->unloadForm();
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
