#include "k04d1a.h"

#include "platform/colours.h"

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

} // namespace

DrillDesign K04d1a::design() {
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    return {
        .background = colours::sand,
        .hint = {.name = "Label1",
                 .text = "   -ba       -be",
                 .left = 4080,
                 .top = 600,
                 .width = 1095,
                 .height = 855,
                 .look = {.points = 13.5,
                          .text = Qt::white,
                          .background = colours::brown,
                          .align = topLeft}},
        .title = exerciseTitle({.text = "1/a.   Put in the right endings:",
                                .left = 360,
                                .top = 1080,
                                .width = 3615,
                                .height = 375,
                                .look = {.background = colours::paleOrange, .align = topLeft}}),
        .record = {.name = "Label3",
                   .left = 480,
                   .top = 1560,
                   .width = 8415,
                   .height = 1935,
                   .look = {.face = Face::Serif,
                            .points = 12,
                            .text = Qt::black,
                            .background = Qt::white,
                            .align = topLeft}},
        .word = {.name = "Text1",
                 .left = 2160,
                 .top = 3840,
                 .width = 2895,
                 .height = 615,
                 .look = {.face = Face::Serif,
                          .points = 13.5,
                          .text = Qt::black,
                          .background = Qt::white,
                          .align = Qt::AlignRight | Qt::AlignVCenter},
                 .tabIndex = 4},
        .ending = {.name = "Text2",
                   .left = 5040,
                   .top = 3840,
                   .width = 975,
                   .height = 615,
                   .look = {.face = Face::Serif,
                            .points = 13.5,
                            .text = Qt::white,
                            .background = colours::brown},
                   .tabIndex = 5},
        .run = {.start = startButton({.width = 1095, .tabIndex = 2}),
                .next = commandButton({.name = "Command2",
                                       .text = "&Next",
                                       .left = 3960,
                                       .top = 4680,
                                       .width = 1215,
                                       .tabIndex = 6,
                                       .enabled = false}),
                .solution = solutionButton({.name = "Command15", .left = 1080, .tabIndex = 20}),
                .charButton = commandButton({.name = "Command13",
                                             .text = "&Char",
                                             .left = 120,
                                             .top = 4920,
                                             .width = 855,
                                             .tabIndex = 17}),
                .hintLine = {.left = 1080, .top = 4500, .width = 2820, .height = 880}},
        .plus = commandButton({.name = "Command16",
                               .text = "&Plus",
                               .left = 7320,
                               .top = 4800,
                               .width = 735,
                               .tabIndex = 21}),
        .plusNote = {.name = "Label5",
                     .text = " If you want to practise with an extended variant  of this "
                             "exercise, click on the \"Plus\" button:",
                     .left = 6120,
                     .top = 3720,
                     .width = 3015,
                     .height = 1095,
                     .look = {.text = Qt::black, .background = colours::cream, .align = topLeft}},
    };
}

FrameDesign K04d1a::frame() {
    FrameDesign f = standardFrame(colours::paleOrange, 7);
    f.howTo = {howto::startEnter, howto::chart};
    f.howToEndsWithEmptyLine = true;
    return f;
}

// Start gives the run texts of its own; the end says so with the stop icon, and
// Solution still answers afterwards.
static DrillRules rules() {
    return {.titleSuffix = QStringLiteral(": 1/a"), .list = {items, 12}};
}

K04d1a::K04d1a(ProgramState& state)
    : DrillWindow(QStringLiteral("k04d1a"), design(), rules(), frame(), state) {}

} // namespace kerbu
