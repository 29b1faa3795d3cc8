#include "k04d5.h"

#include "shell/exerciseframe.h"

namespace kerbu {

namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;

// Six lines: the question, the long answer, "/", the short answer; the pieces in front of
// a gap end where it begins, and a full stop closes each answer.
constexpr Prompt prompts[] = {
    {"Text1", u"Milyen inget kér?", 120, 1200, 2175},
    {"Text2", u"Kék ing", 2520, 1200, 1095},
    {"Text11", u".", 3960, 1200, 375, left},
    {"Text3", u"Kék", 4800, 1200, 615},
    {"Text25", u".", 5760, 1200, 375, left},
    {"Text4", u"Hányadik taxiban ül Anna?", 120, 1800, 3135},
    {"Text5", u"A negyedik taxi", 3360, 1800, 1935},
    {"Text12", u".", 5880, 1800, 375, left},
    {"Text6", u"A negyedik", 6600, 1800, 1455},
    {"Text28", u".", 8640, 1800, 375, left},
    {"Text7", u"Hány zsemlét kérsz?", 120, 2400, 2535},
    {"Text29", u".", 5040, 2400, 375, left},
    {"Text30", u".", 7080, 2400, 375, left},
    {"Text10", u"Hányas teremben van a vizsga?", 120, 3000, 3615},
    {"Text33", u"Az ötös terem", 3840, 3000, 1695},
    {"Text31", u".", 6120, 3000, 375, left},
    {"Text34", u"Az ötös", 6960, 3000, 975},
    {"Text32", u".", 8520, 3000, 375, left},
    {"Text35", u"Hány asztalon van lámpa?", 120, 3600, 3015},
    {"Text36", u"Hat asztal", 3720, 3600, 1335},
    {"Text46", u".", 5520, 3600, 375, left},
    {"Text37", u"Hat", 6360, 3600, 615},
    {"Text47", u".", 7440, 3600, 375, left},
    {"Text38", u"Hányas cipőt kér?", 120, 4200, 2175},
    {"Text39", u"Harmincnyolcas cipő", 2520, 4200, 2535},
    {"Text48", u".", 5400, 4200, 375, left},
    {"Text40", u"Harmincnyolcas", 6240, 4200, 2055},
    {"Text49", u".", 8640, 4200, 375, left},
};

// Text8 translates with the chart's keys, Text9 with the smaller table.
constexpr WordBox wordBoxes[] = {
    {"Text8", u"Három zsemle", 3000, 2400, 1695, KeyTable::Hunkey},
    {"Text9", u"Három", 5880, 2400, 855, KeyTable::Short},
};

constexpr Separator separators[] = {{4440, 1200}, {6240, 1800}, {5520, 2400},
                                    {6600, 3000}, {6000, 3600}, {5880, 4200}};

// Family 0 takes the accusative, family 1 the place endings.
constexpr GapColours colours[] = {{QColor(255, 255, 192), QColor(255, 255, 0)},
                                  {QColor(238, 187, 136), QColor(255, 192, 128)}};

constexpr Gap gaps[] = {
    {3600, 1200, 375, u"et"},
    {5400, 1200, 375, u"et"},
    {5280, 1800, 615, u"ban", GapCheck::Trimmed, nullptr, nullptr, nullptr, nullptr, 1},
    {8040, 1800, 615, u"ben", GapCheck::Trimmed, nullptr, nullptr, nullptr, nullptr, 1},
    {4680, 2400, 375, u"t", GapCheck::WithWordBox, nullptr, "Text8", u"Három zsemlét", u"zsemlét"},
    {6720, 2400, 375, u"at", GapCheck::WithWordBox, nullptr, "Text9", u"Hármat", u"Hármat"},
    {5520, 3000, 615, u"ben", GapCheck::Trimmed, nullptr, nullptr, nullptr, nullptr, 1},
    {7920, 3000, 615, u"ben", GapCheck::Trimmed, nullptr, nullptr, nullptr, nullptr, 1},
    {5040, 3600, 495, u"on", GapCheck::Trimmed, nullptr, nullptr, nullptr, nullptr, 1},
    {6960, 3600, 495, u"on", GapCheck::Trimmed, nullptr, nullptr, nullptr, nullptr, 1},
    {5040, 4200, 375, u"t"},
    {8280, 4200, 375, u"at", GapCheck::Exact, u"t"},
};

// Gaps 0 to 3, Text8, gap 4, Text9, gap 5, then gaps 6 to 11.
constexpr int focusOrder[] = {0, 1, 2, 3, -1, 4, -2, 5, 6, 7, 8, 9, 10, 11};

GapDesign design() {
    GapDesign d;
    d.titleSuffix = QStringLiteral(": 5.");
    d.title = {"Label2",
               "5. Fill in the gaps:",
               240,
               720,
               2895,
               495,
               Look{Face::Arial, 12, true, false, Qt::black, QColor(), Qt::AlignLeft}};
    d.next = {"Command2", "&Next", 4080, 4800, 1095, 495, Look{}};
    d.next.enabled = false;
    d.charButton = {"Command13", "&Char", 120, 4920, 855, 495, Look{}};
    d.gaps = gaps;
    d.prompts = prompts;
    d.wordBoxes = wordBoxes;
    d.separators = separators;
    d.families = colours;
    d.focusOrder = focusOrder;
    d.solutionPrefix = QStringLiteral("-");
    d.solutionStaysAfterDone = true;
    d.charActsOnFocus = true;
    return d;
}

} // namespace

K04d5::K04d5() : GapWindow(QStringLiteral("k04d5"), design()) {
    FrameDesign f = standardFrame(WindowId::k04d5, QColor(255, 224, 192), 100);
    f.heading.place(4920, 120, 1815, 375);
    f.howTo = {howto::gapsNextOrEnter, howto::chart};
    f.howToFocus = QStringLiteral("Text14");
    f.howToFocusIndex = [this] { return idx(); };
    addPart(std::make_unique<ExerciseFrame>(f));
}

} // namespace kerbu
