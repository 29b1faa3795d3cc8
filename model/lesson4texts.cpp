#include "lesson4.h"
#include "lesson4rows.h"

namespace kerbu::lesson4 {

namespace {

// Exercise 4, the accusative of adjectives and numerals: five lines with eight gaps. Gaps
// 4 and 5 accept two answers as typed; gap 3 is checked together with the word box in
// front of it, which holds its word at first.
// clang-format off
constexpr Gap adjectiveGaps[] = {
    {.expected = u"at", .word = u"piros"},
    {.expected = u"et", .word = u"zöld"},
    {.expected = u"et", .word = u"kék"},
    {.expected = u"t", .check = GapCheck::WithWordBox, .whole = u"barnát", .solution = u"'t", .word = u"barna"},
    {.expected = u"et", .check = GapCheck::Exact, .alternative = u"t", .word = u"negyvenkettes"},
    {.expected = u"at", .check = GapCheck::Exact, .alternative = u"t", .word = u"harminchatos"},
    {.expected = u"et", .word = u"Negyven"},
    {.expected = u"at", .word = u"hatvan"},
};

constexpr TextPiece adjectivePieces[] = {
    {.text = u"Én fekete cipőt kérek, Kati piros", .gap = 0},
    {.text = u", Éva pedig zöld", .gap = 1},
    {.text = u"."},
    {.text = u"Kérek egy sárga inget, egy kék", .gap = 2},
    {.text = u", egy fehéret és egy", .gap = 3},
    {.text = u"."},
    {.text = u"Te negyvenes cipőt kérsz? Én negyvenkettes", .gap = 4},
    {.text = u", Anna pedig "},
    {.text = u"harminchatos", .gap = 5},
    {.text = u"kér."},
    {.text = u"Hány ceruzát kér? Negyven", .gap = 6},
    {.text = u"vagy hatvan", .gap = 7},
    {.text = u"?"},
};

// Exercise 5, the accusative and the place endings: six questions, each with a long and a
// short answer, twelve gaps. The word boxes in front of gaps 4 and 5 hold their words at
// first.
constexpr Gap answerGaps[] = {
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

constexpr TextPiece answerPieces[] = {
    {.text = u"Milyen inget kér?"},
    {.text = u"Kék ing", .gap = 0},
    {.text = u"."},
    {.text = u"Kék", .gap = 1},
    {.text = u"."},
    {.text = u"Hányadik taxiban ül Anna?"},
    {.text = u"A negyedik taxi", .gap = 2},
    {.text = u"."},
    {.text = u"A negyedik", .gap = 3},
    {.text = u"."},
    {.text = u"Hány zsemlét kérsz?", .gap = 4},
    {.text = u".", .gap = 5},
    {.text = u"."},
    {.text = u"Hányas teremben van a vizsga?"},
    {.text = u"Az ötös terem", .gap = 6},
    {.text = u"."},
    {.text = u"Az ötös", .gap = 7},
    {.text = u"."},
    {.text = u"Hány asztalon van lámpa?"},
    {.text = u"Hat asztal", .gap = 8},
    {.text = u"."},
    {.text = u"Hat", .gap = 9},
    {.text = u"."},
    {.text = u"Hányas cipőt kér?"},
    {.text = u"Harmincnyolcas cipő", .gap = 10},
    {.text = u"."},
    {.text = u"Harmincnyolcas", .gap = 11},
    {.text = u"."},
};
// clang-format on

// Solution shows exercise 5's endings with a hyphen in front.
const Named<GapContent> texts[] = {
    {u"k04d4", {.gaps = adjectiveGaps, .pieces = adjectivePieces}},
    {u"k04d5", {.gaps = answerGaps, .pieces = answerPieces, .solutionPrefix = u"-"}},
};

} // namespace

const GapContent& gapText(QStringView window) {
    return named<GapContent>(texts, window);
}

} // namespace kerbu::lesson4
