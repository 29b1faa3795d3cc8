// The protocol of a run, on the run controller alone, without any window: for each exercise
// its steps (Start, wrong and right answers, the last one, Solution, Char, Plus, the round
// of mistakes, the window closed and opened again) with the state the window is to show
// after each. The exercises' own rules rows are used; the content is a small one of each
// kind, and a fixed seed fixes the order in which a run draws its items (with seed 3 the
// extended drill asks ház first, 3's Restart run the sentences 1, 0, 2).
#include "model/drill.h"
#include "model/gaptext.h"
#include "model/random.h"
#include "model/runcontroller.h"
#include "model/sentencedrill.h"

#include <QTest>
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
QString act(RunController& run, ProgramState& state, Random& random, const QString& step) {
    const QString verb = step.section(' ', 0, 0);
    const QString rest = step.section(' ', 1);
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

using Script = QList<std::pair<QString, QString>>;

} // namespace

class RunTest : public QObject {
    Q_OBJECT

  private slots:
    void protocol_data() {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<Script>("script");
        const QString title1a = "Dezavi!  ---  4. lecke: 1a";
        const QString done1a = "The exercise has been accomplished. If you want to restart it, "
                               "click the \"Restart\" button.";
        const QString doneShared = "This exercise has been accomplished. If you want to restart "
                                   "it, click on the \"Restart\" button.";
        const QString wrongShared =
            "Sorry, it's wrong. Try again. Pay attention to the spelling too.";
        const QString title2a = "  Kerbu!  ---  4. lecke: 2/a.";

        // clang-format off
        QTest::newRow("1/a: a run, a round, Plus in the middle of a run, a reopening")
            << "k04d1a" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"phase", "not started, 0 of 1"},
            {"start", "Start off, Next on, Solution on, run begun, shows ház, focus first box, line hidden, say ház"},
            {"answer xyz", "Start off, Next on, Solution on, box named, beep, message 48 \"" + title1a + "\" \"It's wrong. Try again.\""},
            {"ok", "Start off, Next on, Solution on"},
            {"answer ház |ba ", "Start off, Next on, Solution on, 0 right at last, boxes emptied, line hidden, say házba, message 16 \"" + title1a + "\" \"" + done1a + "\""},
            {"ok", "Restart on, Next off, Solution on, shows nothing, focus Start"},
            {"phase", "accomplished, 0 of 1"},
            {"score", "1 of 1 right, 1 wrong try, practise"},
            {"solution", "Restart on, Next off, Solution on, say házba, message 64 \"" + title1a + "\" \"The correct solution is: házba\", then answer"},
            {"practise", "Restart off, Next on, Solution on, round begun, shows ház, focus answer, line hidden, say ház, list shown"},
            {"score", "Round of mistakes: 0 of 1 right, 0 wrong tries"},
            {"right", "Restart off, Next on, Solution on, 0 right at last, boxes emptied, line hidden, say házba, message 16 \"" + title1a + "\" \"" + done1a + "\""},
            {"ok", "Restart on, Next off, Solution on, shows nothing, focus Start"},
            {"score", "Round of mistakes: 1 of 1 right, 0 wrong tries"},
            {"start", "Restart off, Next on, Solution on, run begun, shows ház, focus first box, line hidden, say ház"},
            {"plus", "Start on, Next on, Solution on, no Plus, boxes emptied, focus Start, line hidden"},
            {"score", "No run yet: press Start."},
            {"phase", "not started, 0 of 2"},
            {"start", "Start off, Next on, Solution on, no Plus, run begun, shows ház, focus first box, line hidden, say ház"},
            {"right", "Start off, Next on, Solution on, no Plus, 0 right, boxes emptied, Right., shows kert, focus answer, line hidden, say házba / kert"},
            {"phase", "waiting, 1 of 2"},
            {"open", "Start on, Next off, Solution off"},
            {"start", "Start off, Next on, Solution on, run begun, shows ház, focus first box, line hidden, say ház"},
            {"phase", "waiting, 0 of 2"},
        };
        QTest::newRow("1/b: the shared texts, Plus after the end")
            << "k04d1b" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"start", "Start off, Next on, Solution on, run begun, shows ház, focus first box, line hidden, say ház"},
            {"answer házba.", "Start off, Next on, Solution on, box named, beep, message 48 \"  Kerbu!  ---  4. lecke: 1/b.\" \"" + wrongShared + "\""},
            {"char", "Start off, Next on, Solution on, chart, focus answer"},
            {"char", "Start off, Next on, Solution on, focus answer"},
            {"answer ház|ba", "Start off, Next on, Solution on, 0 right at last, boxes emptied, line hidden, say házba, message 48 \"  Kerbu!  ---  4. lecke: 1/b.\" \"" + doneShared + "\""},
            {"ok", "Restart on, Next off, Solution off, shows nothing, focus Start"},
            {"plus", "Start on, Next off, Solution off, no Plus, boxes emptied, focus Start, line hidden"},
            {"start", "Start off, Next on, Solution on, no Plus, run begun, shows ház, focus first box, line hidden, say ház"},
            {"phase", "waiting, 0 of 2"},
        };
        QTest::newRow("2/a: Char leaves the focus, a hint, why after Solution")
            << "k04d2a" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"start", "Start off, Next on, Solution on, run begun, shows ház, focus first box, line hidden, say ház"},
            {"char", "Start off, Next on, Solution on, chart"},
            {"hints on", "on"},
            {"answer ház|be", "Start off, Next on, Solution on, chart, box named with hint, beep, message 48 \"" + title2a + "\" \"" + wrongShared + "\""},
            {"ok", "Start off, Next on, Solution on, chart, hint: ház takes -ba: its last vowel, á, is a back vowel., line told"},
            {"ok", "Start off, Next on, Solution on, chart"},
            {"solution", "Start off, Next on, Solution on, chart, why: házba: ház takes -ba: its last vowel, á, is a back vowel., say házba, message 64 \"" + title2a + "\" \"The correct solution is: házba\", then answer"},
            {"ok", "Start off, Next on, Solution on, chart, line told"},
            {"hints off", "off"},
            {"answer ház|be", "Start off, Next on, Solution on, chart, box named, beep, message 48 \"" + title2a + "\" \"" + wrongShared + "\""},
            {"ok", "Start off, Next on, Solution on, chart"},
        };
        QTest::newRow("2/b: the run of the accusative drills")
            << "k04d2b" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"start", "Start off, Next on, Solution on, run begun, shows ház, focus first box, line hidden, say ház"},
            {"right", "Start off, Next on, Solution on, 0 right at last, boxes emptied, line hidden, say házba, message 48 \"  Kerbu!  ---  4. lecke: 2/b.\" \"" + doneShared + "\""},
            {"ok", "Restart on, Next off, Solution off, shows nothing, focus Start"},
            {"char", "Restart on, Next off, Solution off, chart"},
        };
        QTest::newRow("2/c: the run of the accusative drills")
            << "k04d2c" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"start", "Start off, Next on, Solution on, run begun, shows ház, focus first box, line hidden, say ház"},
            {"plus", "Start on, Next on, Solution on, no Plus, boxes emptied, focus Start, line hidden"},
            {"start", "Start off, Next on, Solution on, no Plus, run begun, shows ház, focus first box, line hidden, say ház"},
        };
        const QString title3 = "  Kerbu!  ---  4. lecke: 3.";
        const QString end3 = "You have reached the end of the exercice. If you want to restart it "
                             "(with variable persons) click the \"Restart\" button.";
        QTest::newRow("3: the pictures in order, then the Restart run")
            << "k04d3" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"picture", "Start on, Next off, Solution off, message 64 \"" + title3 + "\" \"The main words to use in the sentence are://                        megy/                        bank\", then answer"},
            {"start", "Start off, Next on, Solution on, run begun, shows Picture 1 Kati, focus first box, line hidden, say Kati"},
            {"char", "Start off, Next on, Solution on, chart, focus answer"},
            {"char", "Start off, Next on, Solution on"},
            {"answer kati   a moziba megy. ", "Start off, Next on, Solution on, box \"Kati a moziba megy.\", beep, message 48 \"" + title3 + "\" \"Attention to capital letters!\""},
            {"ok", "Start off, Next on, Solution on, 0 right, boxes emptied, Right., shows Picture 2 (én), line hidden, say Kati a moziba megy. / én"},
            {"phase", "waiting, 1 of 2"},
            {"answer Bankba megyek", "Start off, Next on, Solution on, box \"Bankba megyek\", box named, beep, message 48 \"" + title3 + "\" \"" + wrongShared + "\", then answer"},
            {"answer Én bankba megyek.", "Start on, Next off, Solution on, 1 right at last, box \"Én bankba megyek.\", focus Start, line hidden, say Én bankba megyek., message 48 \"" + title3 + "\" \"" + end3 + "\""},
            {"ok", "Restart on, Next off, Solution off, shows nothing, focus Start"},
            {"phase", "accomplished, 0 of 3"},
            {"score", "2 of 2 right, 1 wrong try, practise"},
            {"start", "Restart on, Next on, Solution off, run begun, boxes emptied, shows Picture 2 (én), focus first box, line hidden, say én"},
            {"start", "Restart on, Next on, Solution off, run begun, boxes emptied, shows Picture 1 Kati, focus first box, line hidden, say Kati"},
            {"right", "Restart on, Next on, Solution off, 0 right, box \"Kati a moziba megy.\", boxes emptied, Right., shows Picture 1 (mi), focus answer, line hidden, say Kati a moziba megy. / mi"},
            {"phase", "waiting, 1 of 3"},
            {"start", "Restart on, Next on, Solution off, run begun, line hidden, message 16 \"" + title3 + "\" \"" + end3 + "\""},
            {"ok", "Restart on, Next off, Solution off, shows nothing, focus Start"},
        };
        const QString title4 = "  Kerbu!  ---  4. lecke: 4.";
        QTest::newRow("4: gaps in any order, the text afresh after the end")
            << "k04d4" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"start", "Start on, Next on, Solution on, run begun, shows Gap 1, after mozi, focus first box, line hidden, say mozi"},
            {"enter 2", "say again épület"},
            {"answer ri", "Start on, Next on, Solution on, box named, beep, message 48 \"" + title4 + "\" \"" + wrongShared + "\", then answer"},
            {"solution", "Start on, Next on, Solution on, say épületre, message 64 \"" + title4 + "\" \"The correct solution is: re\", then answer"},
            {"answer ra", "Start on, Next on, Solution on, 2 right, Right., shows Gap 1, after mozi, focus answer, line hidden, say épületra / mozi"},
            {"answer  ba ", "Start on, Next on, Solution on, 0 right, Right., shows Gap 2, after barna, focus answer, line hidden, say moziba / barna"},
            {"phase", "waiting, 2 of 3"},
            {"answer barná|t", "Start on, Next on, Solution on, 1 right at last, line hidden, say barnát, message 48 \"" + title4 + "\" \"" + doneShared + "\""},
            {"ok", "Restart on, Next off, Solution off, shows nothing, focus Start"},
            {"start", "Restart on, Next on, Solution on, run begun, shows Gap 1, after mozi, focus first box, line hidden, say mozi"},
            {"phase", "waiting, 0 of 3"},
        };
        QTest::newRow("5: Solution after the end, a round of the missed gaps")
            << "k04d5" << Script{
            {"open", "Start on, Next off, Solution off"},
            {"start", "Start on, Next on, Solution on, run begun, shows Gap 1, after mozi, focus first box, line hidden, say mozi"},
            {"solution", "Start on, Next on, Solution on, say moziba, message 64 \"  Kerbu!  ---  4. lecke: 5.\" \"The correct solution is: -ba\", then answer"},
            {"answer be", "Start on, Next on, Solution on, box named, beep, message 48 \"  Kerbu!  ---  4. lecke: 5.\" \"" + wrongShared + "\", then answer"},
            {"right", "Start on, Next on, Solution on, 0 right, Right., shows Gap 2, after barna, focus answer, line hidden, say moziba / barna"},
            {"right", "Start on, Next on, Solution on, 1 right, Right., shows Gap 3, after épület, focus answer, line hidden, say barnát / épület"},
            {"right", "Start on, Next on, Solution on, 2 right at last, line hidden, say épületre, message 48 \"  Kerbu!  ---  4. lecke: 5.\" \"" + doneShared + "\""},
            {"ok", "Restart on, Next off, Solution on, shows nothing, focus Start"},
            {"practise", "Restart on, Next on, Solution on, round begun, shows Gap 1, after mozi, focus answer, line hidden, say mozi, list shown"},
            {"phase", "waiting, 2 of 3"},
            {"open", "Start on, Next off, Solution off"},
            {"score", "No run yet: press Start."},
        };
        // clang-format on
    }

    void protocol() {
        QFETCH(QString, exercise);
        QFETCH(Script, script);
        ProgramState state{.lessonTitle = QStringLiteral("4. lecke")};
        RunController run(modelOf(exercise), runRulesOf(exercise), state, suffixOf(exercise));
        Random random;
        random.seed(3);
        for (const auto& [step, expected] : script) {
            const QString seen = act(run, state, random, step);
            if (seen != expected)
                qWarning().noquote()
                    << "after" << step << "\n  seen:     " << seen << "\n  expected: " << expected;
            QCOMPARE(seen, expected);
        }
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
