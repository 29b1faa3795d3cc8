#include "k04d5.h"

#include "platform/colours.h"

namespace kerbu {

namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;

// Six lines: the question, the long answer, "/", the short answer; the pieces in front of
// a gap end where it begins, and a full stop closes each answer.
// clang-format off
constexpr Prompt prompts[] = {
    {.name = "Text1", .text = u"Milyen inget kér?", .left = 120, .top = 1200, .width = 2175},
    {.name = "Text2", .text = u"Kék ing", .left = 2520, .top = 1200, .width = 1095},
    {.name = "Text11", .text = u".", .left = 3960, .top = 1200, .width = 375, .align = left},
    {.name = "Text3", .text = u"Kék", .left = 4800, .top = 1200, .width = 615},
    {.name = "Text25", .text = u".", .left = 5760, .top = 1200, .width = 375, .align = left},
    {.name = "Text4", .text = u"Hányadik taxiban ül Anna?", .left = 120, .top = 1800, .width = 3135},
    {.name = "Text5", .text = u"A negyedik taxi", .left = 3360, .top = 1800, .width = 1935},
    {.name = "Text12", .text = u".", .left = 5880, .top = 1800, .width = 375, .align = left},
    {.name = "Text6", .text = u"A negyedik", .left = 6600, .top = 1800, .width = 1455},
    {.name = "Text28", .text = u".", .left = 8640, .top = 1800, .width = 375, .align = left},
    {.name = "Text7", .text = u"Hány zsemlét kérsz?", .left = 120, .top = 2400, .width = 2535},
    {.name = "Text29", .text = u".", .left = 5040, .top = 2400, .width = 375, .align = left},
    {.name = "Text30", .text = u".", .left = 7080, .top = 2400, .width = 375, .align = left},
    {.name = "Text10", .text = u"Hányas teremben van a vizsga?", .left = 120, .top = 3000, .width = 3615},
    {.name = "Text33", .text = u"Az ötös terem", .left = 3840, .top = 3000, .width = 1695},
    {.name = "Text31", .text = u".", .left = 6120, .top = 3000, .width = 375, .align = left},
    {.name = "Text34", .text = u"Az ötös", .left = 6960, .top = 3000, .width = 975},
    {.name = "Text32", .text = u".", .left = 8520, .top = 3000, .width = 375, .align = left},
    {.name = "Text35", .text = u"Hány asztalon van lámpa?", .left = 120, .top = 3600, .width = 3015},
    {.name = "Text36", .text = u"Hat asztal", .left = 3720, .top = 3600, .width = 1335},
    {.name = "Text46", .text = u".", .left = 5520, .top = 3600, .width = 375, .align = left},
    {.name = "Text37", .text = u"Hat", .left = 6360, .top = 3600, .width = 615},
    {.name = "Text47", .text = u".", .left = 7440, .top = 3600, .width = 375, .align = left},
    {.name = "Text38", .text = u"Hányas cipőt kér?", .left = 120, .top = 4200, .width = 2175},
    {.name = "Text39", .text = u"Harmincnyolcas cipő", .left = 2520, .top = 4200, .width = 2535},
    {.name = "Text48", .text = u".", .left = 5400, .top = 4200, .width = 375, .align = left},
    {.name = "Text40", .text = u"Harmincnyolcas", .left = 6240, .top = 4200, .width = 2055},
    {.name = "Text49", .text = u".", .left = 8640, .top = 4200, .width = 375, .align = left},
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

// What the twelve gaps take; the word boxes in front of gaps 4 and 5 hold their words at
// first.
// clang-format off
constexpr Gap gaps[] = {
    {.expected = u"et", .word = u"ing"},
    {.expected = u"et", .word = u"Kék"},
    {.expected = u"ban", .word = u"taxi"},
    {.expected = u"ben", .word = u"negyedik"},
    {.expected = u"t", .check = GapCheck::WithWordBox, .whole = u"Három zsemlét", .solution = u"zsemlét", .word = u"Három zsemle"},
    {.expected = u"at", .check = GapCheck::WithWordBox, .whole = u"Hármat", .solution = u"Hármat", .word = u"Három"},
    {.expected = u"ben", .word = u"terem"},
    {.expected = u"ben", .word = u"ötös"},
    {.expected = u"on", .word = u"asztal"},
    {.expected = u"on", .word = u"Hat"},
    {.expected = u"t", .word = u"cipő"},
    {.expected = u"at", .check = GapCheck::Exact, .alternative = u"t", .word = u"Harmincnyolcas"},
};

// Where they stand, and their colour family.
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
static_assert(std::size(places) == std::size(gaps));
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

K04d5::K04d5(ProgramState& state)
    : GapWindow({.name = "k04d5",
                 .titleSuffix = ": 5.",
                 .background = colours::lightGrey,
                 .frame = frame()},
                design(), gaps, QStringLiteral("-"), state) {}

} // namespace kerbu
