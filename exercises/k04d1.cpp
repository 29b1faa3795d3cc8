#include "exercises.h"
#include "worddrill.h"

#include "platform/colours.h"

namespace kerbu::exercises {

namespace {

// The window of 1/a, which 1/b is built on.
DrillDesign intoDesign() {
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    return {
        .background = colours::sand,
        .hint = {.name = "Label1",
                 .left = 4080,
                 .top = 600,
                 .width = 1095,
                 .height = 855,
                 .look = {.points = 13.5,
                          .text = Qt::white,
                          .background = colours::brown,
                          .align = topLeft}},
        .title = exerciseTitle({.text = "1/a.   Put in the right endings:",
                                .left = 360,
                                .top = 1080,
                                .width = 3615,
                                .height = 375,
                                .look = {.background = colours::paleOrange, .align = topLeft}}),
        .record = {.name = "Label3",
                   .left = 480,
                   .top = 1560,
                   .width = 8415,
                   .height = 1935,
                   .look = {.face = Face::Serif,
                            .points = 12,
                            .text = Qt::black,
                            .background = Qt::white,
                            .align = topLeft}},
        .word = {.name = "Text1",
                 .left = 2160,
                 .top = 3840,
                 .width = 2895,
                 .height = 615,
                 .look = {.face = Face::Serif,
                          .points = 13.5,
                          .text = Qt::black,
                          .background = Qt::white,
                          .align = Qt::AlignRight | Qt::AlignVCenter},
                 .tabIndex = 4},
        .ending = {.name = "Text2",
                   .left = 5040,
                   .top = 3840,
                   .width = 975,
                   .height = 615,
                   .look = {.face = Face::Serif,
                            .points = 13.5,
                            .text = Qt::white,
                            .background = colours::brown},
                   .tabIndex = 5},
        .run = {.start = startButton({.width = 1095, .tabIndex = 2}),
                .next = commandButton({.name = "Command2",
                                       .text = "&Next",
                                       .left = 3960,
                                       .top = 4680,
                                       .width = 1215,
                                       .tabIndex = 6,
                                       .enabled = false}),
                .solution = solutionButton({.name = "Command15", .left = 1080, .tabIndex = 20}),
                .charButton = commandButton({.name = "Command13",
                                             .text = "&Char",
                                             .left = 120,
                                             .top = 4920,
                                             .width = 855,
                                             .tabIndex = 17}),
                .hintLine = {.left = 1080, .top = 4500, .width = 2820, .height = 880}},
        .plus = commandButton({.name = "Command16",
                               .text = "&Plus",
                               .left = 7320,
                               .top = 4800,
                               .width = 735,
                               .tabIndex = 21}),
        .plusNote = {.name = "Label5",
                     .text = plusNoteClickOn,
                     .left = 6120,
                     .top = 3720,
                     .width = 3015,
                     .height = 1095,
                     .look = {.text = Qt::black, .background = colours::cream, .align = topLeft}},
    };
}

FrameDesign intoFrame() {
    FrameDesign f = standardFrame(colours::paleOrange, 7);
    f.howTo = {howto::startEnter, howto::chart};
    f.howToEndsWithEmptyLine = true;
    return f;
}

// 1/a's window with 1/b's texts; what stands elsewhere or looks otherwise, by name.
DrillDesign ontoDesign() {
    DrillDesign d = intoDesign();
    d.hint.left = 4680;
    d.hint.top = 480;
    d.hint.look.background = colours::nutBrown;
    d.title.text = QStringLiteral("1/b.   Put in the right endings:");
    d.title.top = 960;
    d.title.width = 4095;
    d.record.top = 1440;
    d.record.height = 2175;
    d.word.left = 1920;
    d.word.top = 3720;
    d.word.width = 3135;
    d.word.height = 495;
    d.ending.top = 3720;
    d.ending.height = 495;
    d.ending.look.background = colours::nutBrown;
    d.run.next.left = 3840;
    d.run.next.top = 4560;
    d.plus.name = QStringLiteral("Command14");
    d.run.hintLine.top = 4290;
    d.run.hintLine.width = 2700;
    d.run.hintLine.height = 1080;
    d.plusNote.text = QString::fromLatin1(plusNoteClickThe);
    return d;
}

FrameDesign ontoFrame() {
    FrameDesign f = intoFrame();
    f.close.width = 1215;
    f.heading.left = 4920;
    f.heading.width = 1815;
    f.lastGoToBackground = colours::paleOrange;
    f.howTo = {howto::startNextOrEnter, howto::chart};
    f.howToEndsWithEmptyLine = false;
    return f;
}

} // namespace

std::unique_ptr<ExerciseWindow> k04d1a(ProgramState& state) {
    return wordDrill(QStringLiteral("k04d1a"), intoDesign(),
                     {.titleSuffix = QStringLiteral(": 1/a")}, intoFrame(), state);
}

std::unique_ptr<ExerciseWindow> k04d1b(ProgramState& state) {
    return wordDrill(QStringLiteral("k04d1b"), ontoDesign(),
                     {.titleSuffix = QStringLiteral(": 1/b.")}, ontoFrame(), state);
}

} // namespace kerbu::exercises
