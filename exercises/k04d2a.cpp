#include "k04d2a.h"

#include "platform/colours.h"

namespace kerbu {

namespace {

// Base word and whole answer; the first seventeen make the normal run. "bélyeg" is two
// items, so an extended run asks for it twice.
constexpr WordItem items[] = {
    {u"szoknya", u"szoknyát"},
    {u"kabát", u"kabátot"},
    {u"nadrág", u"nadrágot"},
    {u"pulóver", u"pulóvert"},
    {u"kalap", u"kalapot"},
    {u"blúz", u"blúzt"},
    {u"ing", u"inget"},
    {u"cipő", u"cipőt"},
    {u"tej", u"tejet"},
    {u"szendvics", u"szendvicset"},
    {u"telefon", u"telefont"},
    {u"ház", u"házat"},
    {u"toll", u"tollat"},
    {u"taxi", u"taxit"},
    {u"villamos", u"villamost"},
    {u"autóbusz", u"autóbuszt"},
    {u"autó", u"autót"},
    {u"híd", u"hidat"},
    {u"kulcs", u"kulcsot"},
    {u"múzeum", u"múzeumot"},
    {u"szálloda", u"szállodát"},
    {u"szekrény", u"szekrényt"},
    {u"sziget", u"szigetet"},
    {u"szoba", u"szobát"},
    {u"templom", u"templomot"},
    {u"ablak", u"ablakot"},
    {u"ágy", u"ágyat"},
    {u"ajtó", u"ajtót"},
    {u"név", u"nevet"},
    {u"bár", u"bárt"},
    {u"bank", u"bankot"},
    {u"egyetem", u"egyetemet"},
    {u"épület", u"épületet"},
    {u"étterem", u"éttermet"},
    {u"fa", u"fát"},
    {u"folyó", u"folyót"},
    {u"kép", u"képet"},
    {u"lámpa", u"lámpát"},
    {u"lépcső", u"lépcsőt"},
    {u"lift", u"liftet"},
    {u"pályaudvar", u"pályaudvart"},
    {u"parkoló", u"parkolót"},
    {u"posta", u"postát"},
    {u"repülőtér", u"repülőteret"},
    {u"táska", u"táskát"},
    {u"bélyeg", u"bélyeget"},
    {u"taxiállomás", u"taxiállomást"},
    {u"boríték", u"borítékot"},
    {u"büfé", u"büfét"},
    {u"ceruza", u"ceruzát"},
    {u"cigaretta", u"cigarettát"},
    {u"doboz", u"dobozt"},
    {u"emelet", u"emeletet"},
    {u"fal", u"falat"},
    {u"forint", u"forintot"},
    {u"bélyeg", u"bélyeget"},
    {u"föld", u"földet"},
    {u"földszint", u"földszintet"},
    {u"füzet", u"füzetet"},
    {u"gyufa", u"gyufát"},
    {u"gyümölcs", u"gyümölcsöt"},
    {u"iroda", u"irodát"},
    {u"kávé", u"kávét"},
    {u"képeslap", u"képeslapot"},
    {u"kerület", u"kerületet"},
    {u"kóla", u"kólát"},
    {u"könyv", u"könyvet"},
    {u"könyvtár", u"könyvtárat"},
    {u"pogácsa", u"pogácsát"},
    {u"rend", u"rendet"},
    {u"rendelő", u"rendelőt"},
    {u"szék", u"széket"},
    {u"tea", u"teát"},
    {u"tér", u"teret"},
    {u"terem", u"termet"},
    {u"trafik", u"trafikot"},
    {u"út", u"utat"},
    {u"utca", u"utcát"},
    {u"zsemle", u"zsemlét"},
    {u"lecke", u"leckét"},
};

// The window of 2/a, which 2/b and 2/c are built on.
DrillDesign nounDesign() {
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    return {
        .background = colours::ivory,
        .hint = {.name = "Label1",
                 .text = QStringLiteral("        -t, ’-t,      -ot, -at, -et, -öt"),
                 .left = 4560,
                 .top = 600,
                 .width = 2055,
                 .height = 735,
                 .look = {.points = 12,
                          .text = Qt::black,
                          .background = colours::paleYellow,
                          .align = topLeft}},
        .title = exerciseTitle({.text = "2/a.   Put in the right endings:",
                                .left = 120,
                                .top = 840,
                                .width = 3375,
                                .height = 375,
                                .look = {.background = colours::lightGrey, .align = topLeft}}),
        .record = {.name = "Text3",
                   .left = 240,
                   .top = 1440,
                   .width = 8775,
                   .height = 2175,
                   .look = {.face = Face::Serif,
                            .points = 12,
                            .text = Qt::black,
                            .background = Qt::white},
                   .tabIndex = 19},
        .word = {.name = "Text1",
                 .left = 2040,
                 .top = 3840,
                 .width = 2775,
                 .height = 495,
                 .look = {.face = Face::Serif,
                          .points = 13.5,
                          .text = Qt::black,
                          .background = Qt::white,
                          .align = Qt::AlignRight | Qt::AlignVCenter},
                 .tabIndex = 3},
        .ending = {.name = "Text2",
                   .left = 4800,
                   .top = 3840,
                   .width = 975,
                   .height = 495,
                   .look = {.face = Face::Serif,
                            .points = 13.5,
                            .text = Qt::black,
                            .background = colours::paleYellow},
                   .tabIndex = 4},
        .run = {.start = startButton({.width = 1215, .tabIndex = 2}),
                .next = commandButton({.name = "Command2",
                                       .text = "&Next",
                                       .left = 3840,
                                       .top = 4560,
                                       .width = 1215,
                                       .tabIndex = 5,
                                       .enabled = false}),
                .solution = solutionButton({.name = "Command15", .left = 1200, .tabIndex = 23}),
                .charButton = commandButton({.name = "Command13",
                                             .text = "&Char",
                                             .left = 120,
                                             .top = 4800,
                                             .width = 855,
                                             .tabIndex = 17}),
                .hintLine = {.left = 1080, .top = 4410, .width = 2700, .height = 960}},
        .plus = commandButton({.name = "Command14",
                               .text = "&Plus",
                               .left = 7200,
                               .top = 4800,
                               .width = 735,
                               .tabIndex = 20}),
        .plusNote = {.name = "Label3",
                     .text = " If you want to practise with an extended variant  of this "
                             "exercise, click on the \"Plus\" button:",
                     .left = 6000,
                     .top = 3720,
                     .width = 3015,
                     .height = 1095,
                     .look = {.face = Face::TimesNewRoman,
                              .points = 11.25,
                              .text = Qt::black,
                              .background = colours::eggshell,
                              .align = topLeft}},
        .question = ControlDesign{.name = "Label5",
                                  .text = "Mit?",
                                  .left = 3480,
                                  .top = 840,
                                  .width = 975,
                                  .height = 375,
                                  .look = {.points = 12,
                                           .text = Qt::black,
                                           .background = colours::paleYellow,
                                           .align = topLeft}},
    };
}

// What the three accusative windows share: the record box, Char keeping the focus,
// Solution disabled once the exercise is accomplished.
DrillRules accusativeRules(const QString& titleSuffix, WordList list, KeyTable wordKeys,
                           KeyTable endingKeys) {
    return {.titleSuffix = titleSuffix,
            .list = list,
            .wordKeys = wordKeys,
            .endingKeys = endingKeys,
            .recordIsTextBox = true};
}

} // namespace

FrameDesign K04d2a::frame() {
    FrameDesign f = standardFrame(colours::lightGrey, 6);
    f.close.left = 2400;
    f.close.width = 1215;
    f.howTo = {howto::startEnter, howto::chart};
    return f;
}

DrillDesign K04d2a::design(const Sibling& sibling) {
    DrillDesign d = nounDesign();
    d.title.text = sibling.title.text;
    d.title.top = sibling.title.top;
    d.title.width = sibling.title.width;
    d.title.height = sibling.title.height;
    d.question->text = sibling.question.text;
    d.question->left = 3360;
    d.question->top = sibling.question.top;
    d.question->width = 1215;
    d.hint.left = 4680;
    d.hint.width = sibling.hintWidth;
    return d;
}

DrillRules K04d2a::rules(const Sibling& sibling) {
    return accusativeRules(QString::fromUtf8(sibling.titleSuffix), sibling.list, KeyTable::Hunkey,
                           KeyTable::Hunkey);
}

// This window's boxes have their own smaller key table; ":" gives "É" in the word box.
K04d2a::K04d2a(ProgramState& state)
    : DrillWindow(QStringLiteral("k04d2a"), nounDesign(),
                  accusativeRules(QStringLiteral(": 2/a."), {items, 17},
                                  KeyTable::ShortWithCapitalE, KeyTable::Short),
                  frame(), state) {}

} // namespace kerbu
