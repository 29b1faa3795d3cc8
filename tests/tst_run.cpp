// The protocol of a run, on the run controller alone, without any window: for each exercise
// a script of its steps (Start, wrong and right answers, the last one, Solution, Char, Plus,
// the round of mistakes, the window closed and opened again) with the state the window is to
// show after each, in tests/data/run. The exercises' own rules rows are used; the content is a
// small one of each kind, and a fixed seed fixes the order in which a run draws its items (with
// seed 3 the extended drill asks ház first, 3's Restart run the sentences 1, 0, 2).
#include "model/drill.h"
#include "model/gaptext.h"
#include "model/random.h"
#include "model/runcontroller.h"
#include "model/sentencedrill.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextStream>
#include <memory>
#include <stdexcept>

using namespace kerbu;

namespace {

// Two words; the normal variant asks the first only.
constexpr WordItem words[] = {{u"ház", u"házba"}, {u"kert", u"kertbe"}};

constexpr std::array<WordRole, 4> personPlaceVerb{WordRole::Person, WordRole::Article,
                                                  WordRole::PlaceInto, WordRole::Verb};
constexpr std::array<WordRole, 4> pronounPlaceVerb{WordRole::Pronoun, WordRole::PlaceInto,
                                                   WordRole::Verb};
constexpr Sentence sentences[] = {
    {u"Kati a moziba megy.", u"Kati a moziba megy.", 0, u"Kati", personPlaceVerb},
    {u"Bankba megyek.", u"Én bankba megyek.", 1, u"(én)", pronounPlaceVerb},
    {u"Moziba megyünk.", u"Mi moziba megyünk.", 0, u"(mi)", pronounPlaceVerb},
};
constexpr Picture pictures[] = {{u"mozi", u"megy", "a cinema"}, {u"bank", u"megy", "a bank"}};

constexpr Gap gaps[] = {
    {.expected = u"ba", .word = u"mozi"},
    {.expected = u"t", .check = GapCheck::WithWordBox, .whole = u"barnát", .word = u"barna"},
    {.expected = u"re", .check = GapCheck::Exact, .alternative = u"ra", .word = u"épület"},
};

std::unique_ptr<RunModel> modelOf(const QString& exercise) {
    if (exercise.startsWith(QLatin1String("k04d1")) || exercise.startsWith(QLatin1String("k04d2")))
        return std::make_unique<Drill>(WordList{words, 1});
    if (exercise == QLatin1String("k04d3"))
        return std::make_unique<SentenceDrill>(
            SentenceContent{.sentences = sentences, .pictures = pictures, .orderedCount = 2});
    return std::make_unique<GapText>(GapContent{
        .gaps = gaps, .solutionPrefix = exercise == QLatin1String("k04d5") ? u"-" : u""});
}

// ": 1/a", ": 1/b.", ... ": 3.", as the windows append it to their captions.
QString suffixOf(const QString& exercise) {
    const QString n = exercise.mid(4);
    return n == "1a" ? ": 1/a" : ": " + (n.size() > 1 ? n.left(1) + '/' + n.mid(1) : n) + '.';
}

QString focusName(Focus focus) {
    return QStringList{"stays", "Start", "answer", "first box"}[int(focus)];
}

// The state in words, the buttons first, then what else the step does, in its order.
QString describe(const RunController& run, const RunState& s) {
    const RunButtons& b = s.buttons;
    QStringList parts{
        QStringLiteral("%1 %2").arg(b.restart ? "Restart" : "Start", b.startOn ? "on" : "off"),
        b.nextOn ? "Next on" : "Next off", b.solutionOn ? "Solution on" : "Solution off"};
    if (b.chartShown)
        parts << "chart";
    if (!b.plusShown)
        parts << "no Plus";
    if (s.begun != Begun::No)
        parts << (s.begun == Begun::Run ? "run begun" : "round begun");
    if (s.rightItem >= 0)
        parts << QStringLiteral("%1 right%2")
                     .arg(s.rightItem)
                     .arg(s.rightOutcome == Outcome::Accomplished ? " at last" : "");
    if (s.answerText)
        parts << "box \"" + *s.answerText + '"';
    if (s.emptyBoxes)
        parts << "boxes emptied";
    if (s.shown == Shown::Item || s.shown == Shown::ItemAfterRight)
        parts << QStringLiteral("%1shows %2")
                     .arg(s.shown == Shown::ItemAfterRight ? "Right., " : "",
                          run.model().item().label);
    else if (s.shown == Shown::NoItem)
        parts << "shows nothing";
    if (s.focus != Focus::Stays)
        parts << "focus " + focusName(s.focus);
    if (s.line == Line::Hidden)
        parts << "line hidden";
    else if (s.line == Line::Hint)
        parts << "hint: " + s.lineText;
    else if (s.line == Line::Why)
        parts << "why: " + s.lineText;
    if (s.boxName != BoxName::Same)
        parts << (s.boxName == BoxName::Plain ? "box named" : "box named with hint");
    if (s.announceLine)
        parts << "line told";
    if (!s.say.isEmpty())
        parts << "say " + s.say.join(" / ");
    if (s.showList)
        parts << "list shown";
    if (s.beep)
        parts << "beep";
    if (s.message) {
        parts << QStringLiteral("message %1 \"%2\" \"%3\"")
                     .arg(int(s.message->icon))
                     .arg(s.message->title, QString(s.message->text).replace("\r\n", "/"));
        if (s.afterMessage != Focus::Stays)
            parts << "then " + focusName(s.afterMessage);
    }
    return parts.join(", ");
}

// One step of a script and what it gives: the state in words, or what was asked of the run.
// Blanks that count at the ends of a step are kept in quotes: answer "ház |ba ".
QString act(RunController& run, ProgramState& state, Random& random, const QString& step) {
    const QString verb = step.section(' ', 0, 0);
    QString rest = step.section(' ', 1);
    if (rest.size() > 1 && rest.startsWith('"') && rest.endsWith('"'))
        rest = rest.mid(1).chopped(1);
    if (verb == "open")
        return describe(run, run.open());
    if (verb == "start")
        return describe(run, run.start(random));
    if (verb == "answer") { // "answer typed", or "answer front|typed"
        const QStringList parts = rest.split('|');
        return describe(run, run.answer(parts.size() > 1 ? Answer{parts[0], parts[1]}
                                                         : Answer{QString(), parts[0]},
                                        random));
    }
    if (verb == "right") // the item's whole right form, typed into the answer box
        return describe(run, run.answer({QString(), run.model().item().right}, random));
    if (verb == "ok")
        return describe(run, run.messageAnswered());
    if (verb == "solution")
        return describe(run, run.solution());
    if (verb == "char")
        return describe(run, run.charPressed());
    if (verb == "plus")
        return describe(run, run.plus());
    if (verb == "practise")
        return describe(run, run.practise(random));
    if (verb == "picture")
        return describe(run, run.picture());
    if (verb == "enter") {
        run.enter(rest.toInt());
        return "say again " + run.sayAgain();
    }
    if (verb == "hints") {
        state.hintsWanted = rest == "on";
        return rest;
    }
    if (verb == "score")
        return run.mistakes().score() + (run.mistakes().canPractise() ? ", practise" : "");
    if (verb == "phase")
        return QStringList{"not started", "waiting", "accomplished"}[int(run.phase())] +
               QStringLiteral(", %1 of %2").arg(run.model().solved()).arg(run.model().runLength());
    qFatal("unknown step %s", qPrintable(step));
}

} // namespace

class RunTest : public QObject {
    Q_OBJECT

  private slots:
    // The scripts of tests/data/run, one for each exercise: a "> " line is a step, the line
    // under it what the step gives; lines starting with # are comments.
    void protocol_data() {
        QTest::addColumn<QString>("path");
        const QDir scripts(QStringLiteral(KERBU_TEST_DATA "/run"));
        for (const QString& file : scripts.entryList({"*.txt"}))
            QTest::newRow(qPrintable(file.chopped(4))) << scripts.filePath(file);
    }

    void protocol() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString exercise = QFileInfo(path).baseName();
        ProgramState state{.lessonTitle = QStringLiteral("4. lecke")};
        RunController run(modelOf(exercise), runRulesOf(exercise), state, suffixOf(exercise));
        Random random;
        random.seed(3);
        QString step;
        for (const QString& line : QTextStream(&file).readAll().split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith('#'))
                continue;
            if (line.startsWith("> ")) {
                QVERIFY2(step.isEmpty(), qPrintable(step + ": nothing expected"));
                step = line.mid(2);
                continue;
            }
            QVERIFY2(!step.isEmpty(), qPrintable(line + ": no step before"));
            const QString seen = act(run, state, random, step);
            if (seen != line)
                qWarning().noquote()
                    << "after" << step << "\n  seen:     " << seen << "\n  expected: " << line;
            QCOMPARE(seen, line);
            step.clear();
        }
        QVERIFY2(step.isEmpty(), qPrintable(step + ": nothing expected"));
    }

    // What a window's caption is, and what the say-again key says, as the run goes.
    void captionAndSayAgain() {
        ProgramState state{.lessonTitle = QStringLiteral("4. lecke")};
        RunController run(modelOf("k04d1a"), runRulesOf("k04d1a"), state, ": 1/a");
        Random random;
        run.open();
        QCOMPARE(run.caption(), QStringLiteral("  Kerbu!  ---  4. lecke: 1/a"));
        QCOMPARE(run.sayAgain(), QString());
        run.start(random);
        QCOMPARE(state.texts.msgTitle, QStringLiteral("Dezavi!  ---  4. lecke: 1a"));
        QCOMPARE(run.sayAgain(), QStringLiteral("ház"));
        run.answer({QString(), "házba"}, random);
        QCOMPARE(run.sayAgain(), QStringLiteral("házba"));
        // A window opened again starts from the shared texts and says nothing again.
        run.open();
        QCOMPARE(state.texts.msgTitle, QStringLiteral("  Kerbu!  ---  4. lecke: 1/a"));
        QCOMPARE(
            state.texts.msgWrong,
            QStringLiteral("Sorry, it's wrong. Try again. Pay attention to the spelling too."));
        QCOMPARE(run.sayAgain(), QString());
    }

    // A rules row for each kind of run of the model, and only the lesson's exercises.
    void rulesRowsMatchTheRuns() {
        ProgramState state;
        QVERIFY_THROWS_EXCEPTION(
            std::invalid_argument,
            RunController(modelOf("k04d3"), runRulesOf("k04d1a"), state, QString()));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, runRulesOf("k04d6"));
        for (const char* exercise :
             {"k04d1a", "k04d1b", "k04d2a", "k04d2b", "k04d2c", "k04d3", "k04d4", "k04d5"})
            RunController(modelOf(exercise), runRulesOf(exercise), state, QString());
    }
};

QTEST_GUILESS_MAIN(RunTest)
#include "tst_run.moc"
