#include "k04d2c.h"

#include "k04d2a.h"

namespace kerbu {

namespace {

// Base word and whole answer; the first twenty make the normal run. "kényelmes" is two
// items, so an extended run asks for it twice.
constexpr WordItem items[] = {
    {u"szép", u"szépet"},
    {u"új", u"újat"},
    {u"rövid", u"rövidet"},
    {u"piros", u"pirosat"},
    {u"hosszú", u"hosszút"},
    {u"kék", u"kéket"},
    {u"barna", u"barnát"},
    {u"kényelmes", u"kényelmeset"},
    {u"magas", u"magasat"},
    {u"kicsi", u"kicsit"},
    {u"nagy", u"nagyot"},
    {u"magyar", u"magyart"},
    {u"angol", u"angolt"},
    {u"francia", u"franciát"},
    {u"lengyel", u"lengyelt"},
    {u"bolgár", u"bolgárt"},
    {u"spanyol", u"spanyolt"},
    {u"német", u"németet"},
    {u"orosz", u"oroszt"},
    {u"arab", u"arabot"},
    {u"alacsony", u"alacsonyt"},
    {u"amerikai", u"amerikait"},
    {u"csúnya", u"csúnyát"},
    {u"drága", u"drágát"},
    {u"fehér", u"fehéret"},
    {u"fekete", u"feketét"},
    {u"jó", u"jót"},
    {u"kényelmes", u"kényelmeset"},
    {u"kényelmetlen", u"kényelmetlent"},
    {u"olcsó", u"olcsót"},
    {u"piszkos", u"piszkosat"},
    {u"régi", u"régit"},
    {u"rossz", u"rosszat"},
    {u"sárga", u"sárgát"},
    {u"sötét", u"sötétet"},
    {u"szürke", u"szürkét"},
    {u"divatos", u"divatosat"},
    {u"könnyű", u"könnyűt"},
    {u"nyári", u"nyárit"},
    {u"műszaki", u"műszakit"},
    {u"tiszta", u"tisztát"},
    {u"zöld", u"zöldet"},
    {u"világos", u"világosat"},
};

const K04d2a::Sibling adjectives{
    .titleSuffix = ": 2/c.",
    .list = {items, 20},
    .title = {.text = "2/c. Put in the right endings:", .top = 960, .width = 4095, .height = 375},
    .question = {.text = "Milyet?", .top = 960},
    .hintWidth = 2055};

// 2/c's Plus explanation reads "click the" and stands in the buttons' face.
DrillDesign design() {
    DrillDesign d = K04d2a::design(adjectives);
    d.plusNote.text = QStringLiteral(" If you want to practise with an extended variant  of this "
                                     "exercise, click the \"Plus\" button:");
    d.plusNote.look.face = Face::SansSerif;
    d.plusNote.look.points = 9.75;
    return d;
}

} // namespace

K04d2c::K04d2c(ProgramState& state)
    : DrillWindow(QStringLiteral("k04d2c"), design(), K04d2a::rules(adjectives), K04d2a::frame(),
                  state) {}

} // namespace kerbu
