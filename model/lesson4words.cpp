#include "lesson4.h"

#include <stdexcept>

namespace kerbu::lesson4 {

namespace {

// 1/a, -ba/-be: base word and whole answer; the first twelve make the normal run.
constexpr WordItem intoPlaces[] = {
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

// 1/b, -ra/-re: the first twelve make the normal run. "pályaudvar" is two items, so an
// extended run asks for it twice.
constexpr WordItem ontoPlaces[] = {
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

// 2/a, the accusative of nouns: the first seventeen make the normal run. "bélyeg" is two
// items, so an extended run asks for it twice.
constexpr WordItem nouns[] = {
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

// 2/b, the accusative of numerals: the first fifteen make the normal run. "négy" is two
// items, so an extended run asks for it twice.
constexpr WordItem numerals[] = {
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

// 2/c, the accusative of adjectives: the first twenty make the normal run. "kényelmes"
// is two items, so an extended run asks for it twice.
constexpr WordItem adjectives[] = {
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

// Each drill's list with the endings shown beside it; the accusative drills ask their
// question too.
struct NamedWords {
    const char16_t* window{};
    WordContent content{};
};
// clang-format off
const NamedWords drills[] = {
    {u"k04d1a", {.list = {intoPlaces, 12}, .endings = u"   -ba       -be"}},
    {u"k04d1b", {.list = {ontoPlaces, 12}, .endings = u"   -ra        -re"}},
    {u"k04d2a", {.list = {nouns, 17}, .endings = u"        -t, ’-t,      -ot, -at, -et, -öt", .question = u"Mit?"}},
    {u"k04d2b", {.list = {numerals, 15}, .endings = u"        -t, ’-t,      -ot, -at, -et, -öt", .question = u"Hányat?"}},
    {u"k04d2c", {.list = {adjectives, 20}, .endings = u"        -t, ’-t,      -ot, -at, -et, -öt", .question = u"Milyet?"}},
};
// clang-format on

} // namespace

const WordContent& words(QStringView window) {
    for (const NamedWords& d : drills) {
        if (window == QStringView(d.window))
            return d.content;
    }
    throw std::invalid_argument("no word drill of that name");
}

} // namespace kerbu::lesson4
