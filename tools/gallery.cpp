// Opens every window of the program in its main states and saves a PNG of each into
// the folder named on the command line, so the whole program can be looked at at once.
//
//   kerbu-gallery [--scale FACTOR] OUTPUT_FOLDER
//
// With --scale 2 every window is drawn as on a screen at 200 % scaling.
// Runs on any platform plugin, the offscreen one included.

#include "engine/comparisonwindow.h"
#include "engine/drillwindow.h"
#include "engine/gapwindow.h"
#include "engine/sentencewindow.h"
#include "model/endings.h"
#include "model/hint.h"
#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/services.h"

#include "shell/application.h"
#include "shell/lesson.h"
#include "shell/program.h"
#include "shell/sobre.h"
#include "testsupport/harness.h"
#include <QTest>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

using namespace kerbu;
using namespace Qt::StringLiterals;

namespace {

QDir output;
Program* program = nullptr;
QString shotName;
int saved = 0;

void save(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    const QString path = output.filePath(name + QStringLiteral(".png"));
    if (widget->grab().save(path)) {
        ++saved;
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    }
}

// Message boxes are drawn as the desktop shows them and saved beside the window.
class GalleryServices : public RecordingServices {
  public:
    void messageBox(QWidget* parent, const QString& text, const QString& title,
                    Icon icon) override {
        RecordingServices::messageBox(parent, text, title, icon);
        auto box = makeMessageBox(parent, text, title, icon);
        box->show();
        save(box.get(), shotName + QStringLiteral("-message"));
    }
};

// The exercises' names, in the lesson's order.
QStringList exerciseNames() {
    QStringList names;
    for (const Exercise& e : program->lesson().exercises)
        names << QString::fromLatin1(e.name);
    return names;
}

FormWindow* open(const QString& name) {
    FormWindow* window = program->windows().get(name);
    program->windows().open(window, nullptr);
    const QStringList others = exerciseNames() << QStringLiteral("alap");
    for (const QString& other : others) {
        FormWindow* existing = program->windows().existing(other);
        if (existing && existing != window)
            existing->unloadForm();
    }
    return window;
}

void shoot(FormWindow* window, const QString& name) {
    shotName = window->objectName() + QLatin1Char('-') + name;
    save(window, shotName);
}

void click(FormWindow* window, const char* name) {
    if (auto* button = window->control<QPushButton>(QString::fromLatin1(name)))
        button->click();
}

// Starts, answers wrong once, shows the chart and finishes a normal run.
void wordDrill(const QString& id) {
    auto* window = static_cast<DrillWindow*>(open(id));
    shoot(window, QStringLiteral("1-not-started"));
    click(window, "Command1");
    auto* ending = window->control<QLineEdit>(QStringLiteral("Text2"));
    ending->setText(QStringLiteral("xyz"));
    shotName = window->objectName() + QStringLiteral("-3-wrong");
    click(window, "Command2");
    save(window, shotName);
    click(window, "Command13");
    ending->clear();
    // Answer right until three items are left, then look at the waiting window.
    while (window->drill().solved() < window->drill().runLength() - 3)
        test::answerRight(window);
    shoot(window, QStringLiteral("2-waiting"));
    shotName = window->objectName() + QStringLiteral("-4-accomplished");
    while (window->isLoaded() && window->control<QPushButton>("Command1")->isEnabled() == false)
        test::answerRight(window);
    save(window, shotName);
}

// The ordered run, then a random run, each to its end message; and the six pictures.
void sentences() {
    auto* window = static_cast<SentenceWindow*>(open(QStringLiteral("k04d3")));
    shoot(window, QStringLiteral("1-not-started"));
    click(window, "Command1");
    auto* box = window->control<QLineEdit>(QStringLiteral("Text1"));
    test::answerRight(window);
    box->setText(QStringLiteral("az aut=ban -l"));
    shoot(window, QStringLiteral("2-ordered-run"));
    shotName = window->objectName() + QStringLiteral("-3-main-words");
    window->pictureClicked();
    shotName = window->objectName() + QStringLiteral("-4-capital-letters");
    box->setText(QStringLiteral("Az autóban ülök"));
    click(window, "Command2");
    shotName = window->objectName() + QStringLiteral("-5-ordered-run-over");
    while (window->drill().run() == SentenceDrill::Run::Ordered)
        test::answerRight(window);
    save(window, shotName);
    click(window, "Command1");
    for (int n = 0; n < 3; ++n)
        test::answerRight(window);
    shoot(window, QStringLiteral("6-restart-run"));
    shotName = window->objectName() + QStringLiteral("-7-restart-run-over");
    while (window->drill().drawn() > 0)
        test::answerRight(window);
    save(window, shotName);
    for (int k = 0; k < 6; ++k) {
        const QString name = QStringLiteral("scene%1").arg(k);
        if (picture(QStringLiteral(":/assets/%1.svg").arg(name), QSize(480, 340))
                .save(output.filePath(name + QStringLiteral(".png")))) {
            ++saved;
        }
    }
}

// Before Start, half done with a wrong answer, and accomplished.
void gapText(const QString& id) {
    auto* window = static_cast<GapWindow*>(open(id));
    shoot(window, QStringLiteral("1-not-started"));
    click(window, "Command1");
    while (window->text().solved() < window->gapCount() / 2)
        test::answerRight(window);
    shoot(window, QStringLiteral("2-waiting"));
    shotName = window->objectName() + QStringLiteral("-3-wrong");
    window->gap(window->text().current())->setText(QStringLiteral("xy"));
    click(window, "Command2");
    save(window, shotName);
    shotName = window->objectName() + QStringLiteral("-4-accomplished");
    while (window->control<QPushButton>("Command2")->isEnabled())
        test::answerRight(window);
    save(window, shotName);
}

// The other vowel of the last letter: a typical slip of vowel harmony.
QString slip(const QString& answer) {
    const QChar last = answer.back();
    return answer.chopped(1) + (last == QLatin1Char('a') ? QLatin1Char('e') : QLatin1Char('a'));
}

// With Hints on: a wrong answer and the hint it brings.
void hint(const QString& id) {
    FormWindow* window = open(id);
    click(window, "Command1");
    shotName = window->objectName() + QStringLiteral("-8-hint");
    if (auto* drill = qobject_cast<DrillWindow*>(window)) {
        // The learner keeps the word in its box and types an ending a learner at this stage
        // knows: -ból/-ből where -ba/-be is asked, -ról/-ről for -ra/-re, the plural -k for
        // the object -t.
        const QString answer = drill->drill().solution();
        const endings::Case asked = endings::caseOf(answer);
        const QString stem = endings::stemOf(answer, asked);
        const QString ending = answer.mid(stem.size());
        const bool back = ending.contains(QLatin1Char('a'));
        const QString typed = asked == endings::Case::Into   ? (back ? u"ból"_s : u"ből"_s)
                              : asked == endings::Case::Onto ? (back ? u"ról"_s : u"ről"_s)
                                                             : ending.chopped(1) + QLatin1Char('k');
        drill->control<QLineEdit>(QStringLiteral("Text1"))->setText(stem);
        drill->control<QLineEdit>(QStringLiteral("Text2"))->setText(typed);
    } else if (auto* gaps = qobject_cast<GapWindow*>(window)) {
        gaps->gap(gaps->text().current())->setText(slip(gaps->text().expected()));
    } else if (auto* sentence = qobject_cast<SentenceWindow*>(window)) {
        // The place with the ending of the other question.
        QString typed = sentence->drill().solution();
        if (typed.contains(QStringLiteral("ban ")))
            typed.replace(QStringLiteral("ban "), QStringLiteral("ba "));
        else
            typed.replace(QStringLiteral("ba "), QStringLiteral("ban "));
        sentence->control<QLineEdit>(QStringLiteral("Text1"))->setText(typed);
    }
    click(window, "Command2");
    save(window, shotName);
    // Then Solution, and why the answer is so.
    shotName = window->objectName() + QStringLiteral("-8-why");
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Sol&ution"))
            button->click();
    }
    save(window, shotName);
}

// The Mistakes list after two wrong tries and a right answer, alone and as it stands
// beside its exercise on the screen.
void mistakes(const QString& id) {
    auto* window = static_cast<ExerciseWindow*>(open(id));
    click(window, "Command1");
    QLineEdit* box = qobject_cast<DrillWindow*>(window)
                         ? window->control<QLineEdit>(QStringLiteral("Text2"))
                         : window->control<QLineEdit>(QStringLiteral("Text1"));
    shotName = window->objectName() + QStringLiteral("-9-wrong");
    for (const char* typed : {"Kati a bankban megy.", "Kati a bankba megyek."}) {
        box->setText(QString::fromUtf8(typed));
        click(window, "Command2");
    }
    window->findChild<QAction*>(QStringLiteral("mnuMistakes"))->trigger();
    save(window->mistakesWindow(), window->objectName() + QStringLiteral("-9-mistakes"));
    QApplication::processEvents();
    const QRect both = window->frameGeometry().united(window->mistakesWindow()->frameGeometry());
    const QPixmap desktop =
        window->screen()->grabWindow(0, both.x(), both.y(), both.width(), both.height());
    if (desktop.save(output.filePath(window->objectName() + QStringLiteral("-9-beside.png"))))
        ++saved;
}

// Say it yourself after a right sentence: the recording beside the voice.
void comparison(const QString& id) {
    auto* window = static_cast<ExerciseWindow*>(open(id));
    click(window, "Command1");
    window->control<QLineEdit>(QStringLiteral("Text1"))->setText(window->model().item().right);
    click(window, "Command2");
    window->findChild<QAction*>(QStringLiteral("mnuSayYourself"))->trigger();
    QTest::qWait(400); // the tone, then the recording
    save(window->comparisonWindow(), window->objectName() + QStringLiteral("-10-listening"));
    services().recorder().finish();
    QApplication::processEvents();
    save(window->comparisonWindow(), window->objectName() + QStringLiteral("-10-compared"));
}

} // namespace

int main(int argc, char* argv[]) {
    const bool scaled = argc == 4 && QByteArray(argv[1]) == "--scale";
    if (argc != 2 && !scaled) {
        std::fprintf(stderr, "usage: kerbu-gallery [--scale FACTOR] OUTPUT_FOLDER\n");
        return 2;
    }
    if (scaled)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    if (!displayAvailable())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quietOffscreenNotes();
    setUpApplication();
    output = QDir(QString::fromLocal8Bit(argv[argc - 1]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[argc - 1]);
        return 1;
    }
    GalleryServices recorder;
    Program running(&recorder);
    program = &running;
    Windows& windows = running.windows();
    recorder.random().seed(4);

    FormWindow* splash = windows.get(WindowId::sobre);
    splash->showForm();
    shoot(splash, QStringLiteral("splash"));

    windows.open(WindowId::alap, splash);
    FormWindow* menu = windows.get(WindowId::alap);
    shoot(menu, QStringLiteral("main-menu"));
    shotName = QStringLiteral("alap-how-to");
    menu->findChild<QAction*>(QStringLiteral("mnuHow"))->trigger();

    windows.showAbout();
    auto* about = static_cast<Sobre*>(windows.get(WindowId::sobre));
    shoot(about, QStringLiteral("about"));
    shotName = QStringLiteral("sobre-about");
    about->aboutMessage();
    about->unloadForm();

    for (const QString& id : exerciseNames()) {
        FormWindow* window = windows.get(id);
        if (qobject_cast<DrillWindow*>(window))
            wordDrill(id);
        else if (qobject_cast<SentenceWindow*>(window))
            sentences();
        else
            gapText(id);
    }

    running.hintsWanted = true;
    for (const QString& id : exerciseNames())
        hint(id);
    mistakes(QStringLiteral("k04d3"));
    comparison(QStringLiteral("k04d3"));
    windows.clear();
    std::printf("%d pictures\n", saved);
    return saved > 0 ? 0 : 1;
}
