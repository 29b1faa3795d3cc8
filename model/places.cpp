#include "places.h"

#include "endings.h"

#include <algorithm>

namespace kerbu::places {

namespace {

constexpr const char16_t* surfaces[] = {u"asztal", u"fal",  u"ágy", u"szekrény",
                                        u"fa",     u"föld", u"híd", u"lépcső"};
constexpr const char16_t* vehicles[] = {u"autóbusz", u"villamos", u"troli"};
constexpr const char16_t* floors[] = {u"emelet", u"földszint"};
constexpr const char16_t* openPlaces[] = {u"utca", u"tér", u"repülőtér", u"pályaudvar"};
constexpr const char16_t* heights[] = {u"hegy", u"Gellérthegy", u"sziget", u"Margitsziget"};
constexpr const char16_t* institutions[] = {u"posta", u"egyetem", u"magyaróra"};
// Most towns of Hungary take -ra/-re; some take -ba/-be: Győrbe, Egerbe, Debrecenbe.
constexpr const char16_t* hungarianNames[] = {u"Budapest", u"Pest", u"Buda", u"Magyarország"};

constexpr OntoGroup groups[] = {
    {.as = "surfaces", .places = surfaces},
    {.as = "vehicles one gets on", .places = vehicles},
    {.as = "the floors of a building", .places = floors},
    {.as = "open places and stations", .places = openPlaces},
    {.as = "heights and islands", .places = heights},
    {.as = "many institutions and events", .places = institutions},
    {.as = "most Hungarian place names", .places = hungarianNames},
};

} // namespace

std::span<const OntoGroup> ontoGroups() {
    return groups;
}

const OntoGroup* ontoGroupOf(const QString& place) {
    const QString word = endings::lastWord(place);
    for (const OntoGroup& group : groups) {
        if (std::any_of(group.places.begin(), group.places.end(),
                        [&](const char16_t* p) { return word == QString::fromUtf16(p); }))
            return &group;
    }
    return nullptr;
}

QString whyOnto(const QString& place) {
    const OntoGroup* group = ontoGroupOf(place);
    if (!group)
        return {};
    return QStringLiteral("%1 takes %2, not %3, as %4 do: learn it with its ending")
        .arg(endings::lastWord(place), endings::family(endings::Case::Onto).slashed,
             endings::family(endings::Case::Into).slashed, QString::fromUtf8(group->as));
}

} // namespace kerbu::places
