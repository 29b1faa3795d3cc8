#include "k04d2b.h"

#include "k04d2a.h"

namespace kerbu {

namespace {

// Base word and whole answer; the first fifteen make the normal run. "négy" is two
// items, so an extended run asks for it twice.
constexpr WordItem items[] = {
    {u"egy", u"egyet"},
    {u"öt", u"ötöt"},
    {u"hat", u"hatot"},
    {u"hét", u"hetet"},
    {u"tizenkettő", u"tizenkettőt"},
    {u"kilenc", u"kilencet"},
    {u"negyven", u"negyvenet"},
    {u"nyolcvan", u"nyolcvanat"},
    {u"száz", u"százat"},
    {u"ötven", u"ötvenet"},
    {u"tizennyolc", u"tizennyolcat"},
    {u"huszonhárom", u"huszonhármat"},
    {u"négy", u"négyet"},
    {u"hatvan", u"hatvanat"},
    {u"kilencven", u"kilencvenet"},
    {u"kettő", u"kettőt"},
    {u"három", u"hármat"},
    {u"négy", u"négyet"},
    {u"nyolc", u"nyolcat"},
    {u"tíz", u"tizet"},
    {u"tizenegy", u"tizenegyet"},
    {u"tizenhárom", u"tizenhármat"},
    {u"tizennégy", u"tizennégyet"},
    {u"tizenöt", u"tizenötöt"},
    {u"huszonhat", u"huszonhatot"},
    {u"huszonhét", u"huszonhetet"},
    {u"harminckilenc", u"harminckilencet"},
    {u"kilencvenegy", u"kilencvenegyet"},
    {u"negyvenkettő", u"negyvenkettőt"},
    {u"ötvenhárom", u"ötvenhármat"},
    {u"húsz", u"huszat"},
    {u"harminc", u"harmincat"},
    {u"hatvanhat", u"hatvanhatot"},
    {u"hetven", u"hetvenet"},
};

const K04d2a::Sibling numerals{
    .titleSuffix = ": 2/b.",
    .list = {items, 15},
    .title = {.text = "2/b. Put in the right endings:", .top = 840, .width = 3255, .height = 495},
    .question = {.text = "Hányat?", .top = 840},
    .hintWidth = 1935};

} // namespace

K04d2b::K04d2b(ProgramState& state)
    : DrillWindow(QStringLiteral("k04d2b"), K04d2a::design(numerals), K04d2a::rules(numerals),
                  K04d2a::frame(), state) {}

} // namespace kerbu
