#include "k04d4.h"

#include "platform/colours.h"

namespace kerbu {

namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;
constexpr Qt::Alignment right = Qt::AlignRight;

// The five lines of text; each piece in front of a gap ends where the gap begins.
// clang-format off
constexpr Prompt prompts[] = {
    {.name = "Text1", .text = u"Én fekete cipőt kérek, Kati piros", .left = 720, .top = 1560, .width = 3975, .align = right},
    {.name = "Text2", .text = u", Éva pedig zöld", .left = 5040, .top = 1560, .width = 1935, .align = right},
    {.name = "Text11", .text = u".", .left = 7320, .top = 1560, .width = 375, .align = left},
    {.name = "Text3", .text = u"Kérek egy sárga inget, egy kék", .left = 720, .top = 2160, .width = 3735, .align = right},
    {.name = "Text4", .text = u", egy fehéret és egy", .left = 4800, .top = 2160, .width = 2535, .align = Qt::AlignHCenter},
    {.name = "Text12", .text = u".", .left = 8400, .top = 2160, .width = 375, .align = left},
    {.name = "Text5", .text = u"Te negyvenes cipőt kérsz? Én negyvenkettes", .left = 720, .top = 2760, .width = 5295, .align = right},
    {.name = "Text6", .text = u", Anna pedig ", .left = 6360, .top = 2760, .width = 1695, .align = left},
    {.name = "Text7", .text = u"harminchatos", .left = 3000, .top = 3360, .width = 1815, .align = right},
    {.name = "Text8", .text = u"kér.", .left = 5160, .top = 3360, .width = 615, .align = left},
    {.name = "Text9", .text = u"Hány ceruzát kér? Negyven", .left = 720, .top = 3960, .width = 3375, .align = right},
    {.name = "Text10", .text = u"vagy hatvan", .left = 4440, .top = 3960, .width = 1575, .align = right},
    {.name = "Text13", .text = u"?", .left = 6360, .top = 3960, .width = 375, .align = left},
};
// clang-format on

// clang-format off
constexpr WordBox wordBoxes[] = {
    {.name = "Text22", .left = 7320, .top = 2160, .width = 735, .keys = KeyTable::Hunkey, .gap = 3},
};
// clang-format on

// The eight gaps: what they take. Gaps 4 and 5 accept two answers as typed; gap 3 is
// checked together with the word box in front of it, which holds its word at first.
// clang-format off
constexpr Gap gaps[] = {
    {.expected = u"at", .word = u"piros"},
    {.expected = u"et", .word = u"zöld"},
    {.expected = u"et", .word = u"kék"},
    {.expected = u"t", .check = GapCheck::WithWordBox, .whole = u"barnát", .solution = u"'t", .word = u"barna"},
    {.expected = u"et", .check = GapCheck::Exact, .alternative = u"t", .word = u"negyvenkettes"},
    {.expected = u"at", .check = GapCheck::Exact, .alternative = u"t", .word = u"harminchatos"},
    {.expected = u"et", .word = u"Negyven"},
    {.expected = u"at", .word = u"hatvan"},
};

// Where they stand.
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
static_assert(std::size(places) == std::size(gaps));
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

K04d4::K04d4(ProgramState& state)
    : GapWindow(
          {
              .name = "k04d4",
              .titleSuffix = ": 4.",
              .background = colours::lightGrey,
              .frame = frame(),
          },
          design(), gaps, QString(), state) {}

} // namespace kerbu
