#include "engine/gapwindow.h"
#include "engine/keys.h"
#include "exercises/k04d3.h"
#include "platform/controls.h"
#include "testsupport/harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

using namespace kerbu;

namespace {

const QStringList everyWindow = {"sobre",  "alap",   "hatter", "k04d1a", "k04d1b", "k04d2a",
                                 "k04d2b", "k04d2c", "k04d3",  "k04d4",  "k04d5"};

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// Keys only, as on an English keyboard: Hungarian letters through the keys that give them.
void typeKeys(const QString& text) {
    for (QChar letter : text) {
        QChar key = letter;
        for (char16_t ascii = 32; ascii < 127; ++ascii) {
            if (hunkey(QChar(ascii)) == letter && ascii != letter.unicode()) {
                key = QChar(ascii);
                break;
            }
        }
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Opens an exercise from the main menu with its access key.
FormWindow* openByKey(Qt::Key key, const QString& id) {
    FormWindow* menu = test::openWindow("alap");
    press(key, Qt::AltModifier);
    FormWindow* window = test::program().windows().get(id);
    if (!QTest::qWaitFor([&] { return window->isLoaded() && !menu->isLoaded(); }, 2000))
        return nullptr;
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { test::shutDown(); }

    void everyControlHasAName();
    void messageBoxesAreReadAsDialogs();
    void textsFitTheirControls();
    void keyboardOnlyExercise4();
};

void DesktopTest::everyControlHasAName() {
    for (const QString& id : everyWindow) {
        FormWindow* window = test::program().windows().get(id);
        window->showForm();
        QVERIFY2(!accessibleName(window).isEmpty(), qPrintable(id));
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window))
                continue;
            const bool focusable = widget->focusPolicy() != Qt::NoFocus &&
                                   !qobject_cast<QMenuBar*>(widget) &&
                                   widget->parent() != nullptr && !widget->inherits("QScrollBar");
            auto* label = qobject_cast<QLabel*>(widget);
            const bool speaks = focusable || (label && !label->text().isEmpty());
            if (speaks) {
                QVERIFY2(!accessibleName(widget).isEmpty(),
                         qPrintable(id + ": " + widget->objectName() + " (" +
                                    widget->metaObject()->className() + ")"));
            }
            // A box to type into says what to do with it.
            if (qobject_cast<QLineEdit*>(widget) && focusable) {
                QVERIFY2(!widget->accessibleDescription().isEmpty(),
                         qPrintable(id + ": " + widget->objectName()));
            }
        }
        if (id != "hatter")
            window->unloadForm();
    }
}

void DesktopTest::messageBoxesAreReadAsDialogs() {
    auto box = makeMessageBox(nullptr, "Sorry, it's wrong.", "  Kerbu!", Icon::Exclamation);
    box->show();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box.get());
    QVERIFY(face);
    QVERIFY(face->role() == QAccessible::Dialog || face->role() == QAccessible::AlertMessage);
    bool textFound = false;
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        textFound = textFound || child->text(QAccessible::Name).contains("Sorry, it's wrong.") ||
                    child->text(QAccessible::Value).contains("Sorry, it's wrong.");
    }
    QVERIFY(textFound);
}

// At any scaling factor (run at 1 and at 2) every caption stays inside its control.
void DesktopTest::textsFitTheirControls() {
    for (const QString& id : everyWindow) {
        FormWindow* window = test::program().windows().get(id);
        window->showForm();
        for (Caption* caption : window->findChildren<Caption*>()) {
            // Hidden ones too: the character chart shows when the learner asks for it.
            if (caption->text().isEmpty())
                continue;
            const QFontMetrics metrics(caption->font());
            const QStringList lines =
                caption->wordWrap() ? caption->lines() : QStringList{caption->text()};
            const QString where = id + ": " + caption->objectName();
            QVERIFY2(
                int(lines.size()) * metrics.lineSpacing() <= caption->height() + 3,
                qPrintable(where + " is too low for " + QString::number(lines.size()) + " lines"));
            for (const QString& line : lines)
                QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= caption->width() + 1,
                         qPrintable(where + ": \"" + line + "\""));
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window) || button->text().isEmpty())
                continue;
            const int width =
                QFontMetrics(button->font()).horizontalAdvance(spokenCaption(button->text()));
            QVERIFY2(width <= button->width() - 4, qPrintable(id + ": " + button->objectName()));
        }
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            if (box->isVisibleTo(window) && !box->text().isEmpty())
                QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= box->width() - 4,
                         qPrintable(id + ": " + box->objectName()));
        }
        if (id != "hatter")
            window->unloadForm();
    }
}

void DesktopTest::keyboardOnlyExercise4() {
    auto* window = static_cast<GapWindow*>(openByKey(Qt::Key_4, "k04d4"));
    QVERIFY(window);
    press(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(test::button(window, test::Role::Next)->isEnabled());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->gap(0)));
    while (test::button(window, test::Role::Next)->isEnabled()) {
        const int current = window->text().current();
        if (current == 3) {
            typeKeys("t");
            press(Qt::Key_Backtab); // to the word box "barna"
            press(Qt::Key_End);
            press(Qt::Key_Backspace);
            typeKeys("á");
        } else {
            typeKeys(window->text().expected());
        }
        press(Qt::Key_Return);
        QVERIFY2(!window->gap(current)->isEnabled(), qPrintable(QString::number(current)));
    }
    QCOMPARE(window->text().phase(), Phase::Accomplished);
    QCOMPARE(test::recorder().beeps, 0);
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::button(window, test::Role::Start)->text(), QString("&Restart"));
    press(Qt::Key_F1);
    QCOMPARE(test::recorder().helpTopics, std::vector<int>{25});
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
