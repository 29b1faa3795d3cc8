#include "k04d4.h"

#include "shell/exerciseframe.h"

namespace kerbu {

namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;
constexpr Qt::Alignment right = Qt::AlignRight;

// The five lines of text; each piece in front of a gap ends where the gap begins.
constexpr Prompt prompts[] = {
    {"Text1", u"Én fekete cipőt kérek, Kati piros", 720, 1560, 3975, right},
    {"Text2", u", Éva pedig zöld", 5040, 1560, 1935, right},
    {"Text11", u".", 7320, 1560, 375, left},
    {"Text3", u"Kérek egy sárga inget, egy kék", 720, 2160, 3735, right},
    {"Text4", u", egy fehéret és egy", 4800, 2160, 2535, Qt::AlignHCenter},
    {"Text12", u".", 8400, 2160, 375, left},
    {"Text5", u"Te negyvenes cipőt kérsz? Én negyvenkettes", 720, 2760, 5295, right},
    {"Text6", u", Anna pedig ", 6360, 2760, 1695, left},
    {"Text7", u"harminchatos", 3000, 3360, 1815, right},
    {"Text8", u"kér.", 5160, 3360, 615, left},
    {"Text9", u"Hány ceruzát kér? Negyven", 720, 3960, 3375, right},
    {"Text10", u"vagy hatvan", 4440, 3960, 1575, right},
    {"Text13", u"?", 6360, 3960, 375, left},
};

constexpr WordBox wordBoxes[] = {{"Text22", u"barna", 7320, 2160, 735, KeyTable::Hunkey}};

// The eight gaps: where they stand, what they take. Gaps 4 and 5 accept two answers as
// typed; gap 3 is checked together with the word box in front of it.
constexpr Gap gaps[] = {
    {4680, 1560, 375, u"at"},
    {6960, 1560, 375, u"et"},
    {4440, 2160, 375, u"et"},
    {8040, 2160, 375, u"t", GapCheck::WithWordBox, nullptr, "Text22", u"barnát", u"'t"},
    {6000, 2760, 375, u"et", GapCheck::Exact, u"t"},
    {4800, 3360, 375, u"at", GapCheck::Exact, u"t"},
    {4080, 3960, 375, u"et"},
    {6000, 3960, 375, u"at"},
};

constexpr GapColours colours[] = {{QColor(255, 255, 192), QColor(255, 255, 0)}};

// Gaps 0 to 2, the word box, then gaps 3 to 7.
constexpr int focusOrder[] = {0, 1, 2, -1, 3, 4, 5, 6, 7};

GapDesign design() {
    GapDesign d;
    d.titleSuffix = QStringLiteral(": 4.");
    d.helpContext = 25;
    d.title = {"Label2",
               "4. Fill in the gaps:",
               240,
               1080,
               2895,
               375,
               Look{Face::Arial, 12, true, false, Qt::black, QColor(), Qt::AlignLeft}};
    d.next = {"Command2", "&Next", 3720, 4560, 1215, 495, Look{}};
    d.next.enabled = false;
    d.charButton = {"Command13", "&Char", 120, 4920, 975, 495, Look{}};
    d.gaps = gaps;
    d.prompts = prompts;
    d.wordBoxes = wordBoxes;
    d.families = colours;
    d.focusOrder = focusOrder;
    return d;
}

} // namespace

K04d4::K04d4() : GapWindow(QStringLiteral("k04d4"), design()) {
    FrameDesign f = standardFrame(WindowId::k04d4, QColor(255, 224, 192), 100);
    f.howTo = {howto::gapsEnter, howto::chart};
    f.howToFocus = QStringLiteral("Text14");
    f.howToFocusIndex = [this] { return idx(); };
    addPart(std::make_unique<ExerciseFrame>(f));
}

} // namespace kerbu
