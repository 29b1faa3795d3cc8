// Starts the whole program in-process and does random things to it, checking after every
// action that the program is still whole.
//
//   KERBU_MONKEY_SEED=n      another run (default: a fixed seed, so every run is the same)
//   KERBU_MONKEY_ACTIONS=n   how many actions (default 20000)

#include "testsupport/harness.h"

#include <QAbstractButton>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>

using namespace kerbu;

namespace {

int actionCount() {
    const int count = qEnvironmentVariableIntValue("KERBU_MONKEY_ACTIONS");
    return count > 0 ? count : 20000;
}

// The About window first, then the menu and the exercises.
const QStringList windowNames = QStringList{"sobre", "alap"} + test::exercises;

QRandomGenerator monkey;

int below(int n) {
    return int(monkey.bounded(n));
}

// The program as it starts: the splash, then the menu.
void start() {
    test::freshStart(monkey.generate64());
    Windows& windows = test::program().windows();
    windows.get(WindowId::sobre)->showForm();
    windows.open(WindowId::alap, windows.get(WindowId::sobre));
}

QString click(FormWindow* window) {
    QList<QObject*> targets;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled())
            targets << b;
    for (QAction* a : window->findChildren<QAction*>())
        if (a->objectName().startsWith("mnu"))
            targets << a;
    if (auto* picture = window->control<QLabel>("Image1"); picture && picture->isVisible())
        targets << picture;
    QObject* target = targets.value(below(int(targets.size()) + 1));
    if (!target)
        return "nothing clicked";
    if (auto* action = qobject_cast<QAction*>(target))
        action->trigger();
    else
        QTest::mouseClick(static_cast<QWidget*>(target), Qt::LeftButton);
    return "click " + window->objectName() + "." + target->objectName();
}

// A key, a shortcut, a pasted text or a click into a box.
QString type(FormWindow* window) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    static const QString typed = QStringLiteral("';`\\[-0]=\":~|{_)}+/abcdeklmnorstz 19.,?");
    static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Return,  Qt::Key_Enter,
                                   Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_F1,
                                   Qt::Key_Escape,    Qt::Key_Delete,  Qt::Key_Home};
    static const QStringList pasted = {"moziba", "ba", "Kati a bankba megy.",
                                       "et",     "t",  QString(300, 'w'),
                                       "\t\x01", "őű", "barnát"};
    switch (below(5)) {
    case 0:
    case 1:
        QTest::keyClick(target, typed.at(below(int(typed.size()))).toLatin1());
        return "key to " + target->objectName();
    case 2:
        QTest::keyClick(target, keys[below(int(std::size(keys)))]);
        return "special key to " + target->objectName();
    case 3:
        QTest::keyClick(target, Qt::Key("SNEUCPR12ABE345HOTA"[below(19)]), Qt::AltModifier);
        return "Alt key";
    default:
        QList<QLineEdit*> boxes;
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            if (box->isVisible() && box->isEnabled())
                boxes << box;
        if (boxes.isEmpty())
            return "no box";
        QLineEdit* box = boxes[below(int(boxes.size()))];
        box->setFocus(Qt::MouseFocusReason);
        box->insert(pasted[below(int(pasted.size()))]);
        return "paste into " + box->objectName();
    }
}

// A right answer where a run is going on; false where none is.
bool answerRight(FormWindow* window) {
    auto* next = window->control<QPushButton>("Command2");
    if (!next || !next->isEnabled())
        return false;
    test::answerRight(window);
    return true;
}

// One random action; returns what it did.
QString act() {
    FormWindow* window = nullptr;
    for (const QString& name : windowNames)
        window = window ? window : test::loaded(name);
    if (!window)
        return "no window";
    const int choice = below(10);
    if (choice < 3)
        return click(window);
    if (choice < 7)
        return type(window);
    if (choice < 9) {
        if (below(20) == 0) {
            window->close();
            return "close box of " + window->objectName();
        }
        return answerRight(window) ? "right answer in " + window->objectName() : "no run";
    }
    // A learner who works through: right answers until the run is over.
    auto* exercise = qobject_cast<ExerciseWindow*>(window);
    for (const QPointer<FormWindow> working(window); working && working->isLoaded() && exercise &&
                                                     exercise->model().phase() == Phase::Waiting;) {
        if (!answerRight(window))
            break;
    }
    return "work through " + window->objectName();
}

// How many runs have become accomplished since the last look, in the exercise windows.
int runsEnded() {
    static QMap<QString, Phase> before;
    int ended = 0;
    for (const QString& name : test::exercises) {
        const auto* window =
            qobject_cast<ExerciseWindow*>(test::program().windows().existing(name));
        const Phase phase = window ? window->model().phase() : Phase::NotStarted;
        ended += phase == Phase::Accomplished && before.value(name) != Phase::Accomplished;
        before[name] = phase;
    }
    return ended;
}

// What must hold after every action; returns the broken rule, or an empty text.
QString check() {
    if (test::recorder().ends > 0) {
        // "&End" or a close box of the menu ends the program, once, with the background.
        if (test::recorder().ends != 1 || test::loaded("hatter"))
            return "the program did not end once and whole";
        return {};
    }
    if (FormWindow* background = test::loaded("hatter"); !background || !background->isVisible())
        return "the background window is not open";
    int open = 0;
    QStringList shown;
    for (const QString& name : windowNames.mid(1)) {
        FormWindow* window = test::loaded(name);
        if (!window)
            continue;
        open += window->isVisible() ? 1 : 100;
        shown << name + (window->isVisible() ? "" : " (hidden)");
        if (auto* drill = qobject_cast<DrillWindow*>(window)) {
            const Drill& d = drill->drill();
            if (d.phase() == Phase::Waiting && d.solved() >= d.runLength())
                return name + ": solved reached the run's length while waiting";
            QSet<QString> answers;
            for (int item = 0; item < d.size(); ++item)
                answers.insert(d.answerOf(item) + "; ");
            const QString record = test::record(drill);
            for (qsizetype at = 0, end; at < record.size(); at = end + 2) {
                end = record.indexOf("; ", at);
                if (end < 0 || !answers.contains(record.mid(at, end - at + 2)))
                    return name + ": the record holds more than right answers";
            }
        }
        if (auto* gaps = qobject_cast<GapWindow*>(window)) {
            for (int n = 0; n < gaps->gapCount(); ++n) {
                if (gaps->gap(n)->isEnabled() == gaps->text().isSolved(n))
                    return name + QStringLiteral(": gap %1 is shown wrongly").arg(n);
            }
        }
        if (auto* sentences = qobject_cast<SentenceWindow*>(window)) {
            const SentenceDrill& d = sentences->drill();
            if (d.drawn() > d.size() || d.current() < 0 || d.current() >= d.size())
                return "k04d3: current sentence or draws out of range";
        }
    }
    return open == 1 ? QString()
                     : QStringLiteral("not exactly one of the menu and the exercises is open: %1")
                           .arg(shown.join(", "));
}

} // namespace

class MonkeyTest : public test::Suite {
    Q_OBJECT

  private slots:
    void survivesRandomActions() {
        bool given = false;
        const quint64 asked = qEnvironmentVariable("KERBU_MONKEY_SEED").toULongLong(&given);
        const quint64 seed = given ? asked : 20261207;
        const int actions = actionCount();
        std::printf("monkey: seed %llu, %d actions (KERBU_MONKEY_SEED replays a seed)\n",
                    static_cast<unsigned long long>(seed), actions);
        std::fflush(stdout);
        monkey.seed(seed);
        start();
        QStringList last;
        int accomplished = 0;
        for (int n = 0; n < actions; ++n) {
            last.append(QStringLiteral("%1: %2").arg(n).arg(act()));
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (last.size() > 25)
                last.removeFirst();
            if (const QString broken = check(); !broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("%1 after action %2 (seed %3)\nlast actions:\n  %4")
                                     .arg(broken, QString::number(n), QString::number(seed),
                                          last.join("\n  "))));
            accomplished += runsEnded();
            test::recorder().messages.clear();
            if (test::recorder().ends > 0)
                start();
        }
        std::printf("monkey: %d runs accomplished in %d actions\n", accomplished, actions);
        // Random actions that never finish a run would leave the end of every run untried.
        QVERIFY2(
            accomplished >= actions / 2000,
            qPrintable(
                QStringLiteral("only %1 runs accomplished (seed %2)").arg(accomplished).arg(seed)));
    }
};

// Qt Test's limit for one test function grows with the number of actions: 100,000 of them
// under the sanitizers on a busy machine take longer than its five minutes.
int main(int argc, char* argv[]) {
    const qint64 limit = std::max<qint64>(5 * 60 * 1000, qint64(actionCount()) * 30);
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(limit));
    QApplication app(argc, argv);
    MonkeyTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_monkey.moc"
