#include "k04d1b.h"

#include "k04d1a.h"
#include "platform/colours.h"

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

// 1/a's window with 1/b's texts; what stands elsewhere or looks otherwise, by name.
DrillDesign design() {
    DrillDesign d = K04d1a::design();
    d.hint.text = QStringLiteral("   -ra        -re");
    d.hint.left = 4680;
    d.hint.top = 480;
    d.hint.look.background = colours::nutBrown;
    d.title.text = QStringLiteral("1/b.   Put in the right endings:");
    d.title.top = 960;
    d.title.width = 4095;
    d.record.top = 1440;
    d.record.height = 2175;
    d.word.left = 1920;
    d.word.top = 3720;
    d.word.width = 3135;
    d.word.height = 495;
    d.ending.top = 3720;
    d.ending.height = 495;
    d.ending.look.background = colours::nutBrown;
    d.run.next.left = 3840;
    d.run.next.top = 4560;
    d.plus.name = QStringLiteral("Command14");
    d.run.hintLine.top = 4290;
    d.run.hintLine.width = 2700;
    d.run.hintLine.height = 1080;
    d.plusNote.text = QStringLiteral(" If you want to practise with an extended variant  of this "
                                     "exercise, click the \"Plus\" button:");
    return d;
}

FrameDesign frame() {
    FrameDesign f = K04d1a::frame();
    f.close.width = 1215;
    f.heading.left = 4920;
    f.heading.width = 1815;
    f.lastGoToBackground = colours::paleOrange;
    f.howTo = {howto::startNextOrEnter, howto::chart};
    f.howToEndsWithEmptyLine = false;
    return f;
}

DrillRules rules() {
    return {.titleSuffix = QStringLiteral(": 1/b."), .list = {items, 12}};
}

} // namespace

K04d1b::K04d1b(ProgramState& state)
    : DrillWindow(QStringLiteral("k04d1b"), design(), rules(), frame(), state) {}

} // namespace kerbu
