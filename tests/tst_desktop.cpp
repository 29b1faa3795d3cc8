#include "testsupport/harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenuBar>

using namespace kerbu;

namespace {

const QStringList everyWindow = {"sobre",  "alap",   "hatter", "k04d1a", "k04d1b", "k04d2a",
                                 "k04d2b", "k04d2c", "k04d3",  "k04d4",  "k04d5"};

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { test::shutDown(); }

    void everyControlHasAName() {
        for (const QString& id : everyWindow) {
            FormWindow* window = test::program().windows().get(id);
            window->showForm();
            QVERIFY2(!accessibleName(window).isEmpty(), qPrintable(id));
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window))
                    continue;
                const bool focusable =
                    widget->focusPolicy() != Qt::NoFocus && !qobject_cast<QMenuBar*>(widget) &&
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

    // At any scaling factor (run at 1 and at 2) every caption stays inside its control.
    void textsFitTheirControls() {
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
                QVERIFY2(int(lines.size()) * metrics.lineSpacing() <= caption->height() + 3,
                         qPrintable(where + " is too low for " + QString::number(lines.size()) +
                                    " lines"));
                for (const QString& line : lines)
                    QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= caption->width() + 1,
                             qPrintable(where + ": \"" + line + "\""));
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (!button->isVisibleTo(window) || button->text().isEmpty())
                    continue;
                const int width =
                    QFontMetrics(button->font()).horizontalAdvance(spokenCaption(button->text()));
                QVERIFY2(width <= button->width() - 4,
                         qPrintable(id + ": " + button->objectName()));
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
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
