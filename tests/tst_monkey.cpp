// Starts the whole program in-process and does random things to it, from a printed seed,
// checking after every action that the program is still whole.
//
//   KERBU_MONKEY_SEED=n      another run (default: a fixed seed, so every run is the same)
//   KERBU_MONKEY_ACTIONS=n   how many actions (default 20000)

#include "engine/drillwindow.h"
#include "engine/gapwindow.h"
#include "exercises/k04d3.h"
#include "shell/lesson.h"
#include "testsupport/harness.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <deque>

using namespace kerbu;

namespace {

// The About window first, then the menu and the exercises.
QStringList windowNames() {
    QStringList names{"sobre", "alap"};
    for (const Exercise& e : test::program().lesson().exercises)
        names << e.name;
    return names;
}

class Monkey {
  public:
    explicit Monkey(quint64 seed) : random_(seed) {}

    // One random action; returns what it did.
    QString act();
    // What must hold after every action; returns the broken rule, or an empty text.
    QString check() const;
    // After an action that ended the program: it ended once, and took the background along.
    QString checkEnded() const;
    void start();

  private:
    int below(int n) { return int(random_.bounded(n)); }
    FormWindow* front() const;
    QString clickSomething(FormWindow* window);
    QString pressKey();
    QString paste(FormWindow* window);
    QString answerRight(FormWindow* window);
    QString finishRun(FormWindow* window);

    QRandomGenerator random_;
};

void Monkey::start() {
    test::freshStart(random_.generate64());
    Windows& windows = test::program().windows();
    windows.get(WindowId::sobre)->showForm();
    windows.open(WindowId::alap, windows.get(WindowId::sobre));
}

// The window the learner works in: the About window when it is open, else the menu or
// the exercise.
FormWindow* Monkey::front() const {
    for (const QString& name : windowNames()) {
        if (FormWindow* window = test::program().windows().existing(name);
            window && window->isLoaded())
            return window;
    }
    return nullptr;
}

QString Monkey::clickSomething(FormWindow* window) {
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled())
            buttons << b;
    }
    QList<QAction*> actions;
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->objectName().startsWith("mnu"))
            actions << a;
    }
    const int choice = below(int(buttons.size() + actions.size()) + 1);
    if (choice < buttons.size()) {
        QAbstractButton* b = buttons[choice];
        const QString what = "click " + window->objectName() + "." + b->objectName();
        if (below(2))
            QTest::mouseClick(b, Qt::LeftButton);
        else
            b->click();
        return what;
    }
    if (choice < buttons.size() + actions.size()) {
        QAction* a = actions[choice - buttons.size()];
        a->trigger();
        return "menu " + window->objectName() + "." + a->objectName();
    }
    if (auto* picture = window->control<QLabel>("Image1"); picture && picture->isVisible()) {
        QTest::mouseClick(picture, Qt::LeftButton);
        return "click picture";
    }
    return "nothing to click";
}

QString Monkey::pressKey() {
    QWidget* target = QApplication::focusWidget();
    if (!target) {
        if (FormWindow* window = front())
            target = window;
        else
            return "no focus";
    }
    static const QString typed = QStringLiteral("';`\\[-0]=\":~|{_)}+/abcdeklmnorstz 19.,?");
    static const Qt::Key keys[] = {
        Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Tab,  Qt::Key_Backtab,
        Qt::Key_F1,        Qt::Key_Escape, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Home};
    const int kind = below(10);
    if (kind < 6) {
        const QChar c = typed.at(below(int(typed.size())));
        QTest::keyClick(target, c.toLatin1());
        return QStringLiteral("key '%1' to %2").arg(c).arg(target->objectName());
    }
    if (kind < 9) {
        const Qt::Key key = keys[below(int(std::size(keys)))];
        QTest::keyClick(target, key);
        return QStringLiteral("key %1 to %2").arg(int(key), 0, 16).arg(target->objectName());
    }
    static const char accessKeys[] = "SNEUCPR12ABE345HOTA";
    const char letter = accessKeys[below(int(sizeof accessKeys) - 1)];
    QTest::keyClick(target, Qt::Key(letter), Qt::AltModifier);
    return QStringLiteral("Alt+%1").arg(letter);
}

QString Monkey::paste(FormWindow* window) {
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isVisible() && box->isEnabled())
            boxes << box;
    }
    if (boxes.isEmpty())
        return "nothing to paste into";
    static const QStringList texts = {
        "moziba", "ba",    "Kati a bankba megy.", "et", "t", QString(300, 'w'), "\t\x01", "őű",
        "  ",     "barnát"};
    QLineEdit* box = boxes[below(int(boxes.size()))];
    box->insert(texts[below(int(texts.size()))]);
    return "paste into " + box->objectName();
}

QString Monkey::answerRight(FormWindow* window) {
    if (auto* drill = qobject_cast<DrillWindow*>(window)) {
        if (!test::button(drill, test::Role::Next)->isEnabled())
            return "no drill running";
        test::answerRight(drill);
        return "right answer in " + window->objectName();
    }
    if (auto* gaps = qobject_cast<GapWindow*>(window)) {
        const int number = gaps->text().current();
        if (gaps->text().isSolved(number) || !test::button(gaps, test::Role::Next)->isEnabled())
            return "no gap open";
        test::solveGap(gaps);
        return QStringLiteral("gap %1 in %2").arg(number).arg(window->objectName());
    }
    if (auto* sentences = qobject_cast<K04d3*>(window)) {
        if (!test::button(sentences, test::Role::Next)->isEnabled())
            return "no sentence running";
        QLineEdit* box = test::box(sentences, test::Role::Ending);
        box->setText(sentences->drill().solution());
        QTest::keyClick(box, Qt::Key_Return);
        return "right sentence";
    }
    return "nothing to answer";
}

// A learner who works through: right answers until the run is over or the window gone.
QString Monkey::finishRun(FormWindow* window) {
    int answers = 0;
    const QPointer<FormWindow> working(window);
    while (answers < 100 && working && working->isLoaded() && test::recorder().messages.empty()) {
        if (answerRight(window).startsWith(QLatin1String("no")))
            break;
        ++answers;
    }
    return QStringLiteral("%1 right answers in %2").arg(answers).arg(window->objectName());
}

QString Monkey::act() {
    FormWindow* window = front();
    if (!window)
        return "no window";
    switch (below(10)) {
    case 0:
    case 1:
    case 2:
        return clickSomething(window);
    case 3:
    case 4:
    case 5:
        return pressKey();
    case 6: {
        QList<QWidget*> focusable;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && w->isEnabled())
                focusable << w;
        }
        if (focusable.isEmpty())
            return "nothing to focus";
        QWidget* w = focusable[below(int(focusable.size()))];
        w->setFocus(Qt::MouseFocusReason);
        return "focus " + w->objectName();
    }
    case 7:
        return paste(window);
    case 8:
        return answerRight(window);
    default:
        if (below(20) == 0) {
            window->close();
            return "close box of " + window->objectName();
        }
        if (below(8) == 0)
            return finishRun(window);
        return answerRight(window);
    }
}

QString Monkey::checkEnded() const {
    if (test::recorder().ends != 1)
        return QStringLiteral("the program was ended %1 times at once").arg(test::recorder().ends);
    if (FormWindow* background = test::program().windows().existing("hatter");
        background && background->isLoaded())
        return "the background window is still open after the program ended";
    return {};
}

QString Monkey::check() const {
    FormWindow* background = test::program().windows().existing("hatter");
    if (!background || !background->isLoaded() || !background->isVisible())
        return "the background window is not open";
    int open = 0;
    for (const QString& name : windowNames().mid(1)) {
        FormWindow* window = test::program().windows().existing(name);
        if (!window || !window->isLoaded())
            continue;
        open += window->isVisible() ? 1 : 100;
        if (auto* drill = qobject_cast<DrillWindow*>(window)) {
            const Drill& d = drill->drill();
            if (d.phase() == Phase::Waiting && d.solved() >= d.runLength())
                return window->objectName() + ": solved reached the run's length while waiting";
            if (const QString record = test::record(drill); !record.isEmpty()) {
                if (!record.endsWith("; "))
                    return window->objectName() + ": record does not end with \"; \"";
                QSet<QString> answers;
                for (int item = 0; item < d.size(); ++item)
                    answers.insert(d.answerOf(item));
                for (const QString& answer : record.chopped(2).split("; ")) {
                    if (!answers.contains(answer))
                        return window->objectName() + ": record holds \"" + answer + "\"";
                }
            }
        }
        if (auto* gaps = qobject_cast<GapWindow*>(window)) {
            const GapText& text = gaps->text();
            if (text.phase() == Phase::Waiting && text.solved() >= text.size())
                return window->objectName() + ": solved reached the number of gaps";
            for (int n = 0; n < text.size(); ++n) {
                if (gaps->gap(n)->isEnabled() == text.isSolved(n))
                    return window->objectName() +
                           QStringLiteral(": gap %1 is shown wrongly").arg(n);
            }
        }
        if (auto* sentences = qobject_cast<K04d3*>(window)) {
            const SentenceDrill& d = sentences->drill();
            if (d.drawn() > d.size() || d.current() < 0 || d.current() >= d.size())
                return "k04d3: current sentence or draws out of range";
        }
    }
    if (open != 1)
        return QStringLiteral("%1 of the menu and the exercises are open").arg(open);
    return {};
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void survivesRandomActions();
};

void MonkeyTest::survivesRandomActions() {
    bool ok = false;
    quint64 seed = qEnvironmentVariable("KERBU_MONKEY_SEED").toULongLong(&ok);
    if (!ok)
        seed = 20261207;
    int actions = qEnvironmentVariableIntValue("KERBU_MONKEY_ACTIONS", &ok);
    if (!ok || actions <= 0)
        actions = 20000;
    std::printf("monkey: seed %llu, %d actions (replay with KERBU_MONKEY_SEED=%llu)\n",
                static_cast<unsigned long long>(seed), actions,
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    Monkey monkey(seed);
    monkey.start();
    std::deque<QString> last;
    qint64 slowest = 0;
    int accomplished = 0;
    for (int n = 0; n < actions; ++n) {
        QElapsedTimer timer;
        timer.start();
        const QString what = monkey.act();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const qint64 took = timer.elapsed();
        slowest = std::max(slowest, took);
        last.push_back(QStringLiteral("%1: %2").arg(n).arg(what));
        if (last.size() > 25)
            last.pop_front();
        // "&End" or a close box of the menu ends the program: then the background must be
        // gone with it, and the program starts again.
        const bool ended = test::recorder().ends > 0;
        QString broken = ended ? monkey.checkEnded() : monkey.check();
        if (broken.isEmpty() && took > 1000)
            broken = QStringLiteral("action took %1 ms").arg(took);
        for (const auto& m : test::recorder().messages) {
            if (m.text.contains("accomplished") || m.text.contains("end of the exercice"))
                ++accomplished;
        }
        test::recorder().messages.clear();
        if (ended && broken.isEmpty())
            monkey.start();
        if (!broken.isEmpty()) {
            QString trail;
            for (const QString& line : last)
                trail += "  " + line + "\n";
            QFAIL(qPrintable(QStringLiteral("%1 after action %2 (seed %3)\nlast actions:\n%4")
                                 .arg(broken)
                                 .arg(n)
                                 .arg(seed)
                                 .arg(trail)));
        }
    }
    std::printf("monkey: %d actions, %d runs accomplished, slowest %lld ms, seed %llu\n", actions,
                accomplished, static_cast<long long>(slowest),
                static_cast<unsigned long long>(seed));
    test::shutDown();
    // Random actions that never finish a run would leave the end of every run untried.
    QVERIFY2(accomplished >= actions / 2000,
             qPrintable(QStringLiteral("only %1 runs accomplished in %2 actions (seed %3)")
                            .arg(accomplished)
                            .arg(actions)
                            .arg(seed)));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
