#include "exercises.h"

#include "engine/gapwindow.h"
#include "model/lesson4.h"
#include "platform/colours.h"

namespace kerbu::exercises {

namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;

// Where the pieces of the six lines stand: the question, the long answer, "/", the short
// answer; the pieces in front of a gap end where it begins, and a full stop closes each
// answer.
// clang-format off
constexpr Prompt prompts[] = {
    {.name = "Text1", .left = 120, .top = 1200, .width = 2175},
    {.name = "Text2", .left = 2520, .top = 1200, .width = 1095},
    {.name = "Text11", .left = 3960, .top = 1200, .width = 375, .align = left},
    {.name = "Text3", .left = 4800, .top = 1200, .width = 615},
    {.name = "Text25", .left = 5760, .top = 1200, .width = 375, .align = left},
    {.name = "Text4", .left = 120, .top = 1800, .width = 3135},
    {.name = "Text5", .left = 3360, .top = 1800, .width = 1935},
    {.name = "Text12", .left = 5880, .top = 1800, .width = 375, .align = left},
    {.name = "Text6", .left = 6600, .top = 1800, .width = 1455},
    {.name = "Text28", .left = 8640, .top = 1800, .width = 375, .align = left},
    {.name = "Text7", .left = 120, .top = 2400, .width = 2535},
    {.name = "Text29", .left = 5040, .top = 2400, .width = 375, .align = left},
    {.name = "Text30", .left = 7080, .top = 2400, .width = 375, .align = left},
    {.name = "Text10", .left = 120, .top = 3000, .width = 3615},
    {.name = "Text33", .left = 3840, .top = 3000, .width = 1695},
    {.name = "Text31", .left = 6120, .top = 3000, .width = 375, .align = left},
    {.name = "Text34", .left = 6960, .top = 3000, .width = 975},
    {.name = "Text32", .left = 8520, .top = 3000, .width = 375, .align = left},
    {.name = "Text35", .left = 120, .top = 3600, .width = 3015},
    {.name = "Text36", .left = 3720, .top = 3600, .width = 1335},
    {.name = "Text46", .left = 5520, .top = 3600, .width = 375, .align = left},
    {.name = "Text37", .left = 6360, .top = 3600, .width = 615},
    {.name = "Text47", .left = 7440, .top = 3600, .width = 375, .align = left},
    {.name = "Text38", .left = 120, .top = 4200, .width = 2175},
    {.name = "Text39", .left = 2520, .top = 4200, .width = 2535},
    {.name = "Text48", .left = 5400, .top = 4200, .width = 375, .align = left},
    {.name = "Text40", .left = 6240, .top = 4200, .width = 2055},
    {.name = "Text49", .left = 8640, .top = 4200, .width = 375, .align = left},
};
// clang-format on

// Text8 translates with the chart's keys, Text9 with the smaller table.
// clang-format off
constexpr WordBox wordBoxes[] = {
    {.name = "Text8", .left = 3000, .top = 2400, .width = 1695, .keys = KeyTable::Hunkey, .gap = 4},
    {.name = "Text9", .left = 5880, .top = 2400, .width = 855, .keys = KeyTable::Short, .gap = 5},
};
// clang-format on

// clang-format off
constexpr Separator separators[] = {
    {.left = 4440, .top = 1200},
    {.left = 6240, .top = 1800},
    {.left = 5520, .top = 2400},
    {.left = 6600, .top = 3000},
    {.left = 6000, .top = 3600},
    {.left = 5880, .top = 4200},
};
// clang-format on

// Family 0 takes the accusative, family 1 the place endings.
constexpr GapColours families[] = {
    {.open = colours::lightYellow, .solved = colours::yellow},
    {.open = colours::tan, .solved = colours::apricot},
};

// Where the twelve gaps stand, and their colour family.
// clang-format off
constexpr GapPlace places[] = {
    {.left = 3600, .top = 1200, .width = 375},
    {.left = 5400, .top = 1200, .width = 375},
    {.left = 5280, .top = 1800, .width = 615, .family = 1},
    {.left = 8040, .top = 1800, .width = 615, .family = 1},
    {.left = 4680, .top = 2400, .width = 375},
    {.left = 6720, .top = 2400, .width = 375},
    {.left = 5520, .top = 3000, .width = 615, .family = 1},
    {.left = 7920, .top = 3000, .width = 615, .family = 1},
    {.left = 5040, .top = 3600, .width = 495, .family = 1},
    {.left = 6960, .top = 3600, .width = 495, .family = 1},
    {.left = 5040, .top = 4200, .width = 375},
    {.left = 8280, .top = 4200, .width = 375},
};
// clang-format on

// Gaps 0 to 3, Text8, gap 4, Text9, gap 5, then gaps 6 to 11.
constexpr int focusOrder[] = {0, 1, 2, 3, -1, 4, -2, 5, 6, 7, 8, 9, 10, 11};

GapDesign design() {
    return {.title = {.text = "5. Fill in the gaps:", .top = 720, .height = 495},
            .next = {.left = 4080, .top = 4800, .width = 1095},
            .charButton = {.left = 120, .top = 4920, .width = 855},
            .gaps = places,
            .prompts = prompts,
            .wordBoxes = wordBoxes,
            .separators = separators,
            .families = families,
            .hintLine = {.left = 5280, .top = 4700, .width = 3810, .height = 680},
            .focusOrder = focusOrder,
            .charActsOnFocus = true};
}

FrameDesign frame() {
    FrameDesign f = standardFrame(colours::paleOrange, 100);
    f.heading.left = 4920;
    f.heading.width = 1815;
    f.howTo = {howto::gapsNextOrEnter, howto::chart};
    return f;
}

} // namespace

std::unique_ptr<ExerciseWindow> k04d5(ProgramState& state) {
    return std::make_unique<GapWindow>(ExerciseSetup{.name = "k04d5",
                                                     .titleSuffix = ": 5.",
                                                     .background = colours::lightGrey,
                                                     .frame = frame()},
                                       design(), lesson4::gapText(u"k04d5"), state);
}

} // namespace kerbu::exercises
