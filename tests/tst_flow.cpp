// Every kind of exercise window over a scripted run, step by step, against the transcripts
// in tests/data/flow: each "> " line there is a step (a click, keys typed into a real box,
// a key pressed where the focus is, a right or wrong answer, the window closed and opened
// again), the lines under it what the learner then meets: the message boxes (icon, title,
// text, and behind it the focus and Next), the beeps, every control whose caption,
// text, state, colour or spoken name changed, the pictures shown, the focus, the menu
// items' state, and what was told to a screen reader. Lines starting with # are comments.
// A failing run writes what it saw beside the test, in flow-<name>.txt.
#include "testsupport/harness.h"

#include <QTextDocumentFragment>

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTextEdit>
#include <QTextStream>

using namespace kerbu;

namespace {

QString nameOf(const QWidget* w) {
    if (!w)
        return QStringLiteral("(none)");
    const QVariant index = w->property("index");
    return index.isValid() ? QStringLiteral("%1[%2]").arg(w->objectName()).arg(index.toInt())
                           : w->objectName();
}

QString oneLine(QString text) {
    return '"' + text.replace(QLatin1String("\r\n"), QLatin1String("/")) + '"';
}

// The pictures shown in this transcript, in the order first seen: the same picture shows
// again under the same number.
QList<qint64> pictures;

QString picture(const QLabel* label) {
    const qint64 key = label->pixmap().cacheKey();
    if (!pictures.contains(key))
        pictures.append(key);
    return QStringLiteral("picture %1").arg(pictures.indexOf(key) + 1);
}

// One line for each named control: hidden or off, its text, a box's colour, and what a
// screen reader calls it where that is not its text.
QMap<QString, QString> look(FormWindow* window) {
    QMap<QString, QString> seen;
    if (!window->isLoaded())
        return {{QStringLiteral("window"), QStringLiteral("closed")}};
    seen[QStringLiteral("caption")] = oneLine(window->windowTitle());
    for (QAction* item : window->findChildren<QAction*>()) {
        if (item->isCheckable())
            seen[item->objectName()] = item->isChecked() ? "checked" : "unchecked";
        else if (item->objectName() == QLatin1String("mnuPractise"))
            seen[item->objectName()] = item->isEnabled() ? "on" : "off";
    }
    for (QWidget* w : window->body()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName() == QLatin1String("focusNote"))
            continue;
        QString text, shown;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown = oneLine(text = button->text()) +
                    (button->palette().isBrushSet(QPalette::Active, QPalette::Button)
                         ? ' ' + button->palette().color(QPalette::Button).name()
                         : QString());
        else if (auto* box = qobject_cast<QLineEdit*>(w))
            shown = oneLine(text = box->text()) + ' ' + box->palette().color(QPalette::Base).name();
        else if (auto* edit = qobject_cast<QTextEdit*>(w))
            shown = oneLine(text = edit->toPlainText());
        else if (auto* label = qobject_cast<QLabel*>(w))
            shown = !label->pixmap().isNull() ? picture(label)
                    : label->textFormat() == Qt::RichText
                        ? oneLine(text = QTextDocumentFragment::fromHtml(label->text())
                                             .toPlainText()
                                             .remove(QChar(0x2060)))
                        : oneLine(text = label->text());
        else
            continue;
        QString line = (w->isVisibleTo(window->body()) ? "" : "hidden ") +
                       QString(w->isEnabled() ? "" : "off ") + shown;
        const QString spoken = w->accessibleName();
        if (!spoken.isEmpty() && spoken != spokenCaption(text))
            line += " (" + spoken + ')';
        seen[nameOf(w)] = line;
    }
    return seen;
}

QWidget* find(FormWindow* window, const QString& name) {
    const QStringList parts = name.split('[');
    return window->control(parts[0], parts.size() > 1 ? parts[1].chopped(1).toInt() : -1);
}

// Does one step of a transcript to the window on the screen.
FormWindow* act(FormWindow* window, const QString& step) {
    const QString verb = step.section(' ', 0, 0);
    const QString what = step.section(' ', 1, 1);
    const QString rest = step.section(' ', 2);
    if (verb == "open")
        return test::openWindow(what);
    if (verb == "reopen") { // closed by Close, opened again from the menu
        window->control<QPushButton>("Command3")->click();
        return test::openWindow(window->objectName());
    }
    if (verb == "menu")
        window->findChild<QAction*>(what)->trigger();
    else if (verb == "click")
        QTest::mouseClick(find(window, what), Qt::LeftButton);
    else if (verb == "enter")
        test::enter(find(window, what));
    else if (verb == "keys")
        test::type(find(window, what), rest);
    else if (verb == "put")
        static_cast<QLineEdit*>(find(window, what))->setText(rest);
    else if (verb == "paste") {
        QApplication::clipboard()->setText(rest);
        find(window, what)->setFocus();
        QTest::keyClick(find(window, what), Qt::Key_V, Qt::ControlModifier);
    } else if (verb == "press") { // a key, with its modifiers, to the control in the focus
        const QKeyCombination key = QKeySequence(what)[0];
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window, key.key(), key.keyboardModifiers());
        // A button pressed by its access key clicks when it comes up again.
        (void)QTest::qWaitFor([window] {
            const auto buttons = window->findChildren<QAbstractButton*>();
            return std::none_of(buttons.begin(), buttons.end(),
                                [](const QAbstractButton* b) { return b->isDown(); });
        });
    } else if (verb == "wrong")
        test::answerWrong(window, step.section(' ', 1));
    else if (verb == "right")
        test::answerRight(window);
    else
        qFatal("unknown step %s", qPrintable(step));
    return window;
}

} // namespace

class FlowTest : public test::Suite {
    Q_OBJECT

  private slots:
    void transcripts_data() {
        QTest::addColumn<QString>("path");
        const QDir flows(QStringLiteral(KERBU_TEST_DATA "/flow"));
        for (const QString& file : flows.entryList({"*.txt"}))
            QTest::newRow(qPrintable(file.chopped(4))) << flows.filePath(file);
    }

    void transcripts() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList expected = QTextStream(&file).readAll().split('\n', Qt::SkipEmptyParts);
        expected.removeIf([](const QString& line) { return line.startsWith('#'); });
        QStringList seen;
        pictures.clear();
        FormWindow* window = nullptr;
        QMap<QString, QString> before;
        test::recorder().onMessage = [&](const RecordingServices::Message& m) {
            const QPushButton* next = window->control<QPushButton>("Command2");
            seen << QStringLiteral("  message %1 %2 %3 (focus %4, Next %5)")
                        .arg(int(m.icon))
                        .arg(oneLine(m.title), oneLine(m.text), nameOf(window->focusWidget()),
                             next && next->isEnabled() ? "on" : "off");
        };
        for (const QString& line : expected) {
            if (!line.startsWith("> "))
                continue;
            seen << line;
            test::recorder().messages.clear();
            const int beeps = test::recorder().beeps;
            const std::size_t announced = test::recorder().announced.size();
            FormWindow* now = act(window, line.mid(2));
            QCoreApplication::processEvents();
            if (now != window)
                before.clear();
            window = now;
            if (test::recorder().beeps > beeps)
                seen << QStringLiteral("  beeps %1").arg(test::recorder().beeps - beeps);
            for (std::size_t n = announced; n < test::recorder().announced.size(); ++n)
                seen << "  announced " + nameOf(test::recorder().announced[n]);
            QMap<QString, QString> after = look(window);
            after[QStringLiteral("focus")] = nameOf(window->focusWidget());
            for (auto it = after.cbegin(); it != after.cend(); ++it) {
                if (before.value(it.key()) != it.value())
                    seen << "  " + it.key() + ' ' + it.value();
            }
            before = after;
        }
        QFile written(QStringLiteral("flow-") + QFileInfo(path).fileName());
        if (seen != expected && written.open(QIODevice::WriteOnly | QIODevice::Text))
            QTextStream(&written) << seen.join('\n') << '\n';
        for (int n = 0; n < std::min(seen.size(), expected.size()); ++n)
            QCOMPARE(seen[n], expected[n]);
        QCOMPARE(seen.size(), expected.size());
    }
};

QTEST_MAIN(FlowTest)
#include "tst_flow.moc"
