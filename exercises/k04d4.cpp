#include "exercises.h"

#include "engine/gapwindow.h"
#include "model/lesson4.h"
#include "platform/colours.h"

namespace kerbu::exercises {

namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;
constexpr Qt::Alignment right = Qt::AlignRight;

// Where the pieces of the five lines stand; each piece in front of a gap ends where the
// gap begins.
// clang-format off
constexpr Prompt prompts[] = {
    {.name = "Text1", .left = 720, .top = 1560, .width = 3975, .align = right},
    {.name = "Text2", .left = 5040, .top = 1560, .width = 1935, .align = right},
    {.name = "Text11", .left = 7320, .top = 1560, .width = 375, .align = left},
    {.name = "Text3", .left = 720, .top = 2160, .width = 3735, .align = right},
    {.name = "Text4", .left = 4800, .top = 2160, .width = 2535, .align = Qt::AlignHCenter},
    {.name = "Text12", .left = 8400, .top = 2160, .width = 375, .align = left},
    {.name = "Text5", .left = 720, .top = 2760, .width = 5295, .align = right},
    {.name = "Text6", .left = 6360, .top = 2760, .width = 1695, .align = left},
    {.name = "Text7", .left = 3000, .top = 3360, .width = 1815, .align = right},
    {.name = "Text8", .left = 5160, .top = 3360, .width = 615, .align = left},
    {.name = "Text9", .left = 720, .top = 3960, .width = 3375, .align = right},
    {.name = "Text10", .left = 4440, .top = 3960, .width = 1575, .align = right},
    {.name = "Text13", .left = 6360, .top = 3960, .width = 375, .align = left},
};
// clang-format on

// clang-format off
constexpr WordBox wordBoxes[] = {
    {.name = "Text22", .left = 7320, .top = 2160, .width = 735, .keys = KeyTable::Hunkey, .gap = 3},
};
// clang-format on

// Where the eight gaps stand.
// clang-format off
constexpr GapPlace places[] = {
    {.left = 4680, .top = 1560, .width = 375},
    {.left = 6960, .top = 1560, .width = 375},
    {.left = 4440, .top = 2160, .width = 375},
    {.left = 8040, .top = 2160, .width = 375},
    {.left = 6000, .top = 2760, .width = 375},
    {.left = 4800, .top = 3360, .width = 375},
    {.left = 4080, .top = 3960, .width = 375},
    {.left = 6000, .top = 3960, .width = 375},
};
// clang-format on

constexpr GapColours families[] = {
    {.open = colours::lightYellow, .solved = colours::yellow},
};

// Gaps 0 to 2, the word box, then gaps 3 to 7.
constexpr int focusOrder[] = {0, 1, 2, -1, 3, 4, 5, 6, 7};

GapDesign design() {
    return {.title = {.text = "4. Fill in the gaps:", .top = 1080, .height = 375},
            .next = {.left = 3720, .top = 4560, .width = 1215},
            .charButton = {.left = 120, .top = 4920, .width = 975},
            .gaps = places,
            .prompts = prompts,
            .wordBoxes = wordBoxes,
            .families = families,
            .hintLine = {.left = 5040, .top = 4560, .width = 4050, .height = 810},
            .focusOrder = focusOrder};
}

FrameDesign frame() {
    FrameDesign f = standardFrame(colours::paleOrange, 100);
    f.howTo = {howto::gapsEnter, howto::chart};
    return f;
}

} // namespace

std::unique_ptr<ExerciseWindow> k04d4(ProgramState& state) {
    return std::make_unique<GapWindow>(ExerciseSetup{.name = "k04d4",
                                                     .titleSuffix = ": 4.",
                                                     .background = colours::lightGrey,
                                                     .frame = frame()},
                                       design(), lesson4::gapText(u"k04d4"), state);
}

} // namespace kerbu::exercises
