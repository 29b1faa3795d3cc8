#include "k04d1a.h"

namespace kerbu {

namespace {

// Base word and whole answer; the first twelve make the normal run.
constexpr WordItem items[] = {
    {u"mozi", u"moziba"},
    {u"szálloda", u"szállodába"},
    {u"szoba", u"szobába"},
    {u"könyvtár", u"könyvtárba"},
    {u"templom", u"templomba"},
    {u"bank", u"bankba"},
    {u"London", u"Londonba"},
    {u"intézet", u"intézetbe"},
    {u"épület", u"épületbe"},
    {u"étterem", u"étterembe"},
    {u"büfé", u"büfébe"},
    {u"lift", u"liftbe"},
    {u"fürdőszoba", u"fürdőszobába"},
    {u"ház", u"házba"},
    {u"múzeum", u"múzeumba"},
    {u"bár", u"bárba"},
    {u"iroda", u"irodába"},
    {u"kerület", u"kerületbe"},
    {u"rendelő", u"rendelőbe"},
    {u"terem", u"terembe"},
    {u"trafik", u"trafikba"},
    {u"laboratórium", u"laboratóriumba"},
    {u"pénztár", u"pénztárba"},
    {u"stúdió", u"stúdióba"},
    {u"áruház", u"áruházba"},
    {u"bolt", u"boltba"},
};

const QColor brown(204, 152, 102);
const QColor peach(255, 224, 192);

} // namespace

DrillDesign K04d1a::design() {
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    DrillDesign d;
    d.background = QColor(221, 204, 187);
    d.hint = {"Label1",
              "   -ba       -be",
              4080,
              600,
              1095,
              855,
              Look{Face::SansSerif, 13.5, true, false, Qt::white, brown, topLeft}};
    d.title = {"Label2",
               "1/a.   Put in the right endings:",
               360,
               1080,
               3615,
               375,
               Look{Face::Arial, 12, true, false, Qt::black, peach, topLeft}};
    d.start = commandButton("Command1", "&Start", 0, 0, 1095, 2);
    d.record = {"Label3",
                "",
                480,
                1560,
                8415,
                1935,
                Look{Face::Serif, 12, true, false, Qt::black, Qt::white, topLeft}};
    d.word = {"Text1",
              "",
              2160,
              3840,
              2895,
              615,
              Look{Face::Serif, 13.5, true, false, Qt::black, Qt::white,
                   Qt::AlignRight | Qt::AlignVCenter},
              4};
    d.ending = {
        "Text2", "", 5040, 3840, 975, 615, Look{Face::Serif, 13.5, true, false, Qt::white, brown},
        5};
    d.next = commandButton("Command2", "&Next", 3960, 4680, 1215, 6, false);
    d.charButton = commandButton("Command13", "&Char", 120, 4920, 855, 17);
    d.solution = commandButton("Command15", "Sol&ution", 1080, 0, 1215, 20, false);
    d.plus = commandButton("Command16", "&Plus", 7320, 4800, 735, 21);
    d.plusNote = {
        "Label5",
        " If you want to practise with an extended variant  of this exercise, click "
        "on the \"Plus\" button:",
        6120,
        3720,
        3015,
        1095,
        Look{Face::SansSerif, 9.75, true, false, Qt::black, QColor(255, 238, 221), topLeft}};
    return d;
}

FrameDesign K04d1a::frameDesign() {
    FrameDesign f = standardFrame(WindowId::k04d1a, peach, 7);
    f.howTo = {howto::startEnter, howto::chart};
    f.howToEndsWithEmptyLine = true;
    return f;
}

static DrillRules rules() {
    DrillRules r;
    r.titleSuffix = QStringLiteral(": 1/a");
    r.helpContext = 5;
    r.list = {items, 12};
    r.runTitle = QStringLiteral("Dezavi!  ---  4. lecke: 1a");
    r.runWrong = QStringLiteral("It's wrong. Try again.");
    r.done = {QStringLiteral("The exercise has been accomplished. If you want to restart it, "
                             "click the \"Restart\" button."),
              Icon::Stop, r.runTitle};
    r.solutionStaysAfterDone = true;
    return r;
}

K04d1a::K04d1a() : DrillWindow(QStringLiteral("k04d1a"), design(), rules()) {
    addPart(std::make_unique<ExerciseFrame>(frameDesign()));
}

} // namespace kerbu
