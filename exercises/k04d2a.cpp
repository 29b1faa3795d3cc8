#include "k04d2a.h"

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

const QColor yellow(255, 255, 187);
const QColor lightGrey(224, 224, 224);

} // namespace

DrillDesign K04d2a::design() {
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    DrillDesign d;
    d.background = QColor(238, 238, 221);
    d.hint = {"Label1",
              QStringLiteral("        -t, ’-t,      -ot, -at, -et, -öt"),
              4560,
              600,
              2055,
              735,
              Look{Face::SansSerif, 12, true, false, Qt::black, yellow, topLeft}};
    d.title = {"Label2",
               "2/a.   Put in the right endings:",
               120,
               840,
               3375,
               375,
               Look{Face::Arial, 12, true, false, Qt::black, lightGrey, topLeft}};
    d.question = ControlDesign{"Label5",
                               "Mit?",
                               3480,
                               840,
                               975,
                               375,
                               Look{Face::SansSerif, 12, true, false, Qt::black, yellow, topLeft}};
    d.start = commandButton("Command1", "&Start", 0, 0, 1215, 2);
    d.word = {"Text1",
              "",
              2040,
              3840,
              2775,
              495,
              Look{Face::Serif, 13.5, true, false, Qt::black, Qt::white,
                   Qt::AlignRight | Qt::AlignVCenter},
              3};
    d.ending = {
        "Text2", "", 4800, 3840, 975, 495, Look{Face::Serif, 13.5, true, false, Qt::black, yellow},
        4};
    d.next = commandButton("Command2", "&Next", 3840, 4560, 1215, 5, false);
    d.charButton = commandButton("Command13", "&Char", 120, 4800, 855, 17);
    d.record = {"Text3",
                "",
                240,
                1440,
                8775,
                2175,
                Look{Face::Serif, 12, true, false, Qt::black, Qt::white},
                19};
    d.plus = commandButton("Command14", "&Plus", 7200, 4800, 735, 20);
    d.plusNote = {
        "Label3",
        " If you want to practise with an extended variant  of this exercise, click "
        "on the \"Plus\" button:",
        6000,
        3720,
        3015,
        1095,
        Look{Face::TimesNewRoman, 11.25, true, false, Qt::black, QColor(255, 255, 238), topLeft}};
    d.solution = commandButton("Command15", "Sol&ution", 1200, 0, 1215, 23, false);
    return d;
}

FrameDesign K04d2a::frameDesign(WindowId own) {
    FrameDesign f = standardFrame(own, lightGrey, 6);
    f.close.place(2400, 0, 1215, 495);
    f.howTo = {howto::startEnter, howto::chart};
    return f;
}

DrillRules K04d2a::rules() {
    DrillRules r;
    r.recordIsTextBox = true;
    r.charKeepsFocus = true;
    r.changeShowsPlusNote = false;
    r.solutionStaysAfterDone = false;
    r.wordKeys = KeyTable::Hunkey;
    r.endingKeys = KeyTable::Hunkey;
    return r;
}

DrillDesign K04d2a::design(const Sibling& sibling) {
    DrillDesign d = design();
    d.title.text = QString::fromUtf8(sibling.title);
    d.title.place(120, sibling.titleTop, sibling.titleWidth, sibling.titleHeight);
    d.question->text = QString::fromUtf8(sibling.question);
    d.question->place(3360, sibling.questionTop, 1215, 375);
    d.hint.place(4680, 600, sibling.hintWidth, 735);
    return d;
}

DrillRules K04d2a::rules(const Sibling& sibling) {
    DrillRules r = rules();
    r.titleSuffix = QString::fromUtf8(sibling.titleSuffix);
    r.helpContext = sibling.helpContext;
    r.list = sibling.list;
    return r;
}

static DrillRules ownRules() {
    DrillRules r = K04d2a::rules();
    r.titleSuffix = QStringLiteral(": 2/a.");
    r.helpContext = 20;
    r.list = {items, 17};
    // This window's boxes have their own smaller key table; ":" gives "É" in the word box.
    r.wordKeys = KeyTable::ShortWithCapitalE;
    r.endingKeys = KeyTable::Short;
    return r;
}

K04d2a::K04d2a() : DrillWindow(QStringLiteral("k04d2a"), design(), ownRules()) {
    addPart(std::make_unique<ExerciseFrame>(frameDesign(WindowId::k04d2a)));
}

} // namespace kerbu
