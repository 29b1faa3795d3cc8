#include "k04d1b.h"

#include "k04d1a.h"

namespace kerbu {

namespace {

// Base word and whole answer; the first twelve make the normal run. "pályaudvar" is
// two items, so an extended run asks for it twice.
constexpr WordItem items[] = {
    {u"a Gellérthegy", u"a Gellérthegyre"},
    {u"asztal", u"asztalra"},
    {u"posta", u"postára"},
    {u"Magyarország", u"Magyarországra"},
    {u"híd", u"hídra"},
    {u"pályaudvar", u"pályaudvarra"},
    {u"ágy", u"ágyra"},
    {u"emelet", u"emeletre"},
    {u"földszint", u"földszintre"},
    {u"szekrény", u"szekrényre"},
    {u"Budapest", u"Budapestre"},
    {u"tér", u"térre"},
    {u"Pest", u"Pestre"},
    {u"sziget", u"szigetre"},
    {u"autóbusz", u"autóbuszra"},
    {u"pályaudvar", u"pályaudvarra"},
    {u"egyetem", u"egyetemre"},
    {u"fa", u"fára"},
    {u"lépcső", u"lépcsőre"},
    {u"repülőtér", u"repülőtérre"},
    {u"Buda", u"Budára"},
    {u"föld", u"földre"},
    {u"magyaróra", u"magyarórára"},
    {u"utca", u"utcára"},
    {u"hegy", u"hegyre"},
    {u"fal", u"falra"},
    {u"villamos", u"villamosra"},
    {u"troli", u"trolira"},
    {u"a Margitsziget", u"a Margitszigetre"},
};

const QColor brown(204, 153, 102);

DrillDesign design() {
    DrillDesign d = K04d1a::design();
    d.hint.text = QStringLiteral("   -ra        -re");
    d.hint.place(4680, 480, 1095, 855);
    d.hint.look.background = brown;
    d.title.text = QStringLiteral("1/b.   Put in the right endings:");
    d.title.place(360, 960, 4095, 375);
    d.record.place(480, 1440, 8415, 2175);
    d.word.place(1920, 3720, 3135, 495);
    d.ending.place(5040, 3720, 975, 495);
    d.ending.look.background = brown;
    d.next.place(3840, 4560, 1215, 495);
    d.plus.name = QStringLiteral("Command14");
    d.plusNote.text = QStringLiteral(" If you want to practise with an extended variant  of this "
                                     "exercise, click the \"Plus\" button:");
    return d;
}

FrameDesign frameDesign() {
    FrameDesign f = K04d1a::frameDesign();
    f.own = WindowId::k04d1b;
    f.close.place(2280, 0, 1215, 495);
    f.heading.place(4920, 120, 1815, 375);
    f.lastGoToBackground = QColor(255, 224, 192);
    f.howTo = {howto::startNextOrEnter, howto::chart};
    f.howToEndsWithEmptyLine = false;
    return f;
}

DrillRules rules() {
    DrillRules r;
    r.titleSuffix = QStringLiteral(": 1/b.");
    r.helpContext = 10;
    r.list = {items, 12};
    return r;
}

} // namespace

K04d1b::K04d1b() : DrillWindow(QStringLiteral("k04d1b"), design(), rules()) {
    addPart(std::make_unique<ExerciseFrame>(frameDesign()));
}

} // namespace kerbu
