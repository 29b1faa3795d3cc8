#include "exercises.h"
#include "worddrill.h"

#include "platform/colours.h"

namespace kerbu::exercises {

namespace {

// The window of 2/a, which 2/b and 2/c are built on.
DrillDesign nounDesign() {
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    return {
        .background = colours::ivory,
        .hint = {.name = "Label1",
                 .left = 4560,
                 .top = 600,
                 .width = 2055,
                 .height = 735,
                 .look = {.points = 12,
                          .text = Qt::black,
                          .background = colours::paleYellow,
                          .align = topLeft}},
        .title = exerciseTitle({.text = "2/a.   Put in the right endings:",
                                .left = 120,
                                .top = 840,
                                .width = 3375,
                                .height = 375,
                                .look = {.background = colours::lightGrey, .align = topLeft}}),
        .record = {.name = "Text3",
                   .left = 240,
                   .top = 1440,
                   .width = 8775,
                   .height = 2175,
                   .look = {.face = Face::Serif,
                            .points = 12,
                            .text = Qt::black,
                            .background = Qt::white},
                   .tabIndex = 19},
        .word = {.name = "Text1",
                 .left = 2040,
                 .top = 3840,
                 .width = 2775,
                 .height = 495,
                 .look = {.face = Face::Serif,
                          .points = 13.5,
                          .text = Qt::black,
                          .background = Qt::white,
                          .align = Qt::AlignRight | Qt::AlignVCenter},
                 .tabIndex = 3},
        .ending = {.name = "Text2",
                   .left = 4800,
                   .top = 3840,
                   .width = 975,
                   .height = 495,
                   .look = {.face = Face::Serif,
                            .points = 13.5,
                            .text = Qt::black,
                            .background = colours::paleYellow},
                   .tabIndex = 4},
        .run = {.start = startButton({.width = 1215, .tabIndex = 2}),
                .next = commandButton({.name = "Command2",
                                       .text = "&Next",
                                       .left = 3840,
                                       .top = 4560,
                                       .width = 1215,
                                       .tabIndex = 5,
                                       .enabled = false}),
                .solution = solutionButton({.name = "Command15", .left = 1200, .tabIndex = 23}),
                .charButton = commandButton({.name = "Command13",
                                             .text = "&Char",
                                             .left = 120,
                                             .top = 4800,
                                             .width = 855,
                                             .tabIndex = 17}),
                .hintLine = {.left = 1080, .top = 4410, .width = 2700, .height = 960}},
        .plus = commandButton({.name = "Command14",
                               .text = "&Plus",
                               .left = 7200,
                               .top = 4800,
                               .width = 735,
                               .tabIndex = 20}),
        .plusNote = {.name = "Label3",
                     .text = plusNoteClickOn,
                     .left = 6000,
                     .top = 3720,
                     .width = 3015,
                     .height = 1095,
                     .look = {.face = Face::TimesNewRoman,
                              .points = 11.25,
                              .text = Qt::black,
                              .background = colours::eggshell,
                              .align = topLeft}},
        .question = ControlDesign{.name = "Label5",
                                  .left = 3480,
                                  .top = 840,
                                  .width = 975,
                                  .height = 375,
                                  .look = {.points = 12,
                                           .text = Qt::black,
                                           .background = colours::paleYellow,
                                           .align = topLeft}},
    };
}

FrameDesign accusativeFrame() {
    FrameDesign f = standardFrame(colours::lightGrey, 6);
    f.close.left = 2400;
    f.close.width = 1215;
    f.howTo = {howto::startEnter, howto::chart};
    return f;
}

// 2/b and 2/c: 2/a's window with another title, placed a little differently, with the
// question a little wider and the chart's keys in both boxes.
struct Sibling {
    ControlDesign title{}; // its text, top, width and height
    int questionTop{};
    int hintWidth{};
};

DrillDesign siblingDesign(const Sibling& sibling) {
    DrillDesign d = nounDesign();
    d.title.text = sibling.title.text;
    d.title.top = sibling.title.top;
    d.title.width = sibling.title.width;
    d.title.height = sibling.title.height;
    d.question->left = 3360;
    d.question->top = sibling.questionTop;
    d.question->width = 1215;
    d.hint.left = 4680;
    d.hint.width = sibling.hintWidth;
    return d;
}

// What the three accusative windows share: the record box, Char keeping the focus,
// Solution disabled once the exercise is accomplished.
std::unique_ptr<ExerciseWindow> accusative(const QString& name, DrillDesign design,
                                           const QString& titleSuffix, KeyTable wordKeys,
                                           KeyTable endingKeys, ProgramState& state) {
    return wordDrill(name, std::move(design),
                     {.titleSuffix = titleSuffix,
                      .wordKeys = wordKeys,
                      .endingKeys = endingKeys,
                      .recordIsTextBox = true},
                     accusativeFrame(), state);
}

} // namespace

// This window's boxes have their own smaller key table; ":" gives "É" in the word box.
std::unique_ptr<ExerciseWindow> k04d2a(ProgramState& state) {
    return accusative(QStringLiteral("k04d2a"), nounDesign(), QStringLiteral(": 2/a."),
                      KeyTable::ShortWithCapitalE, KeyTable::Short, state);
}

std::unique_ptr<ExerciseWindow> k04d2b(ProgramState& state) {
    const Sibling numerals{.title = {.text = "2/b. Put in the right endings:",
                                     .top = 840,
                                     .width = 3255,
                                     .height = 495},
                           .questionTop = 840,
                           .hintWidth = 1935};
    return accusative(QStringLiteral("k04d2b"), siblingDesign(numerals), QStringLiteral(": 2/b."),
                      KeyTable::Hunkey, KeyTable::Hunkey, state);
}

// 2/c's Plus explanation reads "click the" and stands in the buttons' face.
std::unique_ptr<ExerciseWindow> k04d2c(ProgramState& state) {
    DrillDesign d = siblingDesign({.title = {.text = "2/c. Put in the right endings:",
                                             .top = 960,
                                             .width = 4095,
                                             .height = 375},
                                   .questionTop = 960,
                                   .hintWidth = 2055});
    d.plusNote.text = QString::fromLatin1(plusNoteClickThe);
    d.plusNote.look.face = Face::SansSerif;
    d.plusNote.look.points = 9.75;
    return accusative(QStringLiteral("k04d2c"), std::move(d), QStringLiteral(": 2/c."),
                      KeyTable::Hunkey, KeyTable::Hunkey, state);
}

} // namespace kerbu::exercises
