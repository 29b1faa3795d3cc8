#include "exercises.h"

#include "engine/sentencewindow.h"
#include "model/lesson4.h"
#include "platform/colours.h"

namespace kerbu::exercises {

namespace {

SentenceDesign design() {
    return {
        .title = exerciseTitle({.text = "3.   Make sentences according to the pictures:",
                                .left = 240,
                                .top = 720,
                                .width = 6255,
                                .height = 495,
                                .look = {.align = Qt::AlignLeft | Qt::AlignTop}}),
        .frame = {.name = "Picture1",
                  .left = 2160,
                  .top = 1080,
                  .width = 4815,
                  .height = 3015,
                  .look = {.background = Qt::white}},
        .picture = {.name = "Image1",
                    .left = 30,
                    .top = 45,
                    .width = 4695,
                    .height = 2895,
                    .tabIndex = 14,
                    .accessibleName = "Picture",
                    .accessibleDescription =
                        "Click it, or press Enter on it, to see the main words."},
        .person = {.name = "Label1",
                   .left = 840,
                   .top = 4200,
                   .width = 1095,
                   .height = 495,
                   .look = {.points = 12,
                            .text = Qt::black,
                            .background = colours::green,
                            .align = Qt::AlignCenter},
                   .accessibleName = "Person"},
        .answer = {.name = "Text1",
                   .left = 2040,
                   .top = 4200,
                   .width = 6015,
                   .height = 480,
                   .look = {.face = Face::Serif,
                            .points = 13.5,
                            .text = Qt::black,
                            .background = Qt::white,
                            .align = Qt::AlignCenter},
                   .tabIndex = 1,
                   .accessibleName = "Your sentence",
                   .accessibleDescription = "Write the whole sentence about the picture and the "
                                            "person, then press Enter."},
        .run = {.start = startButton({.width = 1095, .tabIndex = 0}),
                .next = commandButton({.name = "Command2",
                                       .text = "&Next",
                                       .left = 3840,
                                       .top = 4800,
                                       .width = 1215,
                                       .tabIndex = 2,
                                       .enabled = false}),
                .solution = solutionButton({.name = "Command14", .left = 1080, .tabIndex = 13}),
                .charButton = commandButton({.name = "Command13",
                                             .text = "&Char",
                                             .left = 120,
                                             .top = 4920,
                                             .width = 855,
                                             .tabIndex = 12}),
                .hintLine = {.left = 5160, .top = 4770, .width = 3930, .height = 600}},
        .scene = QStringLiteral(":/assets/scene%1.svg"),
    };
}

FrameDesign frame() {
    FrameDesign f = standardFrame(colours::paleOrange, 3);
    f.howTo = {howto::startNextOrEnter, howto::picture, howto::chart};
    return f;
}

} // namespace

std::unique_ptr<ExerciseWindow> k04d3(ProgramState& state) {
    return std::make_unique<SentenceWindow>(ExerciseSetup{.name = "k04d3",
                                                          .titleSuffix = ": 3.",
                                                          .background = colours::lightGrey,
                                                          .frame = frame()},
                                            design(), lesson4::sentences(), state);
}

} // namespace kerbu::exercises
