// The lesson's content, checked against the book's words written out here: every base
// word and answer of the word drills, every sentence of exercise 3 in both its forms.
// Each is typed as a learner at an English keyboard types it.
#include "engine/drill.h"
#include "exercises/k04d3.h"
#include "testsupport/harness.h"

#include <QLabel>
#include <QTest>
#include <QTextEdit>

using namespace kerbu;

namespace {

struct Item {
    WindowId window;
    int number;
    const char16_t* word;
    const char16_t* answer;
};

// Every item of the five word lists, in the lists' order.
constexpr Item items[] = {
    // k04d1a
    {WindowId::k04d1a, 0, u"mozi", u"moziba"},
    {WindowId::k04d1a, 1, u"szálloda", u"szállodába"},
    {WindowId::k04d1a, 2, u"szoba", u"szobába"},
    {WindowId::k04d1a, 3, u"könyvtár", u"könyvtárba"},
    {WindowId::k04d1a, 4, u"templom", u"templomba"},
    {WindowId::k04d1a, 5, u"bank", u"bankba"},
    {WindowId::k04d1a, 6, u"London", u"Londonba"},
    {WindowId::k04d1a, 7, u"intézet", u"intézetbe"},
    {WindowId::k04d1a, 8, u"épület", u"épületbe"},
    {WindowId::k04d1a, 9, u"étterem", u"étterembe"},
    {WindowId::k04d1a, 10, u"büfé", u"büfébe"},
    {WindowId::k04d1a, 11, u"lift", u"liftbe"},
    {WindowId::k04d1a, 12, u"fürdőszoba", u"fürdőszobába"},
    {WindowId::k04d1a, 13, u"ház", u"házba"},
    {WindowId::k04d1a, 14, u"múzeum", u"múzeumba"},
    {WindowId::k04d1a, 15, u"bár", u"bárba"},
    {WindowId::k04d1a, 16, u"iroda", u"irodába"},
    {WindowId::k04d1a, 17, u"kerület", u"kerületbe"},
    {WindowId::k04d1a, 18, u"rendelő", u"rendelőbe"},
    {WindowId::k04d1a, 19, u"terem", u"terembe"},
    {WindowId::k04d1a, 20, u"trafik", u"trafikba"},
    {WindowId::k04d1a, 21, u"laboratórium", u"laboratóriumba"},
    {WindowId::k04d1a, 22, u"pénztár", u"pénztárba"},
    {WindowId::k04d1a, 23, u"stúdió", u"stúdióba"},
    {WindowId::k04d1a, 24, u"áruház", u"áruházba"},
    {WindowId::k04d1a, 25, u"bolt", u"boltba"},
    // k04d1b
    {WindowId::k04d1b, 0, u"a Gellérthegy", u"a Gellérthegyre"},
    {WindowId::k04d1b, 1, u"asztal", u"asztalra"},
    {WindowId::k04d1b, 2, u"posta", u"postára"},
    {WindowId::k04d1b, 3, u"Magyarország", u"Magyarországra"},
    {WindowId::k04d1b, 4, u"híd", u"hídra"},
    {WindowId::k04d1b, 5, u"pályaudvar", u"pályaudvarra"},
    {WindowId::k04d1b, 6, u"ágy", u"ágyra"},
    {WindowId::k04d1b, 7, u"emelet", u"emeletre"},
    {WindowId::k04d1b, 8, u"földszint", u"földszintre"},
    {WindowId::k04d1b, 9, u"szekrény", u"szekrényre"},
    {WindowId::k04d1b, 10, u"Budapest", u"Budapestre"},
    {WindowId::k04d1b, 11, u"tér", u"térre"},
    {WindowId::k04d1b, 12, u"Pest", u"Pestre"},
    {WindowId::k04d1b, 13, u"sziget", u"szigetre"},
    {WindowId::k04d1b, 14, u"autóbusz", u"autóbuszra"},
    {WindowId::k04d1b, 15, u"pályaudvar", u"pályaudvarra"},
    {WindowId::k04d1b, 16, u"egyetem", u"egyetemre"},
    {WindowId::k04d1b, 17, u"fa", u"fára"},
    {WindowId::k04d1b, 18, u"lépcső", u"lépcsőre"},
    {WindowId::k04d1b, 19, u"repülőtér", u"repülőtérre"},
    {WindowId::k04d1b, 20, u"Buda", u"Budára"},
    {WindowId::k04d1b, 21, u"föld", u"földre"},
    {WindowId::k04d1b, 22, u"magyaróra", u"magyarórára"},
    {WindowId::k04d1b, 23, u"utca", u"utcára"},
    {WindowId::k04d1b, 24, u"hegy", u"hegyre"},
    {WindowId::k04d1b, 25, u"fal", u"falra"},
    {WindowId::k04d1b, 26, u"villamos", u"villamosra"},
    {WindowId::k04d1b, 27, u"troli", u"trolira"},
    {WindowId::k04d1b, 28, u"a Margitsziget", u"a Margitszigetre"},
    // k04d2a
    {WindowId::k04d2a, 0, u"szoknya", u"szoknyát"},
    {WindowId::k04d2a, 1, u"kabát", u"kabátot"},
    {WindowId::k04d2a, 2, u"nadrág", u"nadrágot"},
    {WindowId::k04d2a, 3, u"pulóver", u"pulóvert"},
    {WindowId::k04d2a, 4, u"kalap", u"kalapot"},
    {WindowId::k04d2a, 5, u"blúz", u"blúzt"},
    {WindowId::k04d2a, 6, u"ing", u"inget"},
    {WindowId::k04d2a, 7, u"cipő", u"cipőt"},
    {WindowId::k04d2a, 8, u"tej", u"tejet"},
    {WindowId::k04d2a, 9, u"szendvics", u"szendvicset"},
    {WindowId::k04d2a, 10, u"telefon", u"telefont"},
    {WindowId::k04d2a, 11, u"ház", u"házat"},
    {WindowId::k04d2a, 12, u"toll", u"tollat"},
    {WindowId::k04d2a, 13, u"taxi", u"taxit"},
    {WindowId::k04d2a, 14, u"villamos", u"villamost"},
    {WindowId::k04d2a, 15, u"autóbusz", u"autóbuszt"},
    {WindowId::k04d2a, 16, u"autó", u"autót"},
    {WindowId::k04d2a, 17, u"híd", u"hidat"},
    {WindowId::k04d2a, 18, u"kulcs", u"kulcsot"},
    {WindowId::k04d2a, 19, u"múzeum", u"múzeumot"},
    {WindowId::k04d2a, 20, u"szálloda", u"szállodát"},
    {WindowId::k04d2a, 21, u"szekrény", u"szekrényt"},
    {WindowId::k04d2a, 22, u"sziget", u"szigetet"},
    {WindowId::k04d2a, 23, u"szoba", u"szobát"},
    {WindowId::k04d2a, 24, u"templom", u"templomot"},
    {WindowId::k04d2a, 25, u"ablak", u"ablakot"},
    {WindowId::k04d2a, 26, u"ágy", u"ágyat"},
    {WindowId::k04d2a, 27, u"ajtó", u"ajtót"},
    {WindowId::k04d2a, 28, u"név", u"nevet"},
    {WindowId::k04d2a, 29, u"bár", u"bárt"},
    {WindowId::k04d2a, 30, u"bank", u"bankot"},
    {WindowId::k04d2a, 31, u"egyetem", u"egyetemet"},
    {WindowId::k04d2a, 32, u"épület", u"épületet"},
    {WindowId::k04d2a, 33, u"étterem", u"éttermet"},
    {WindowId::k04d2a, 34, u"fa", u"fát"},
    {WindowId::k04d2a, 35, u"folyó", u"folyót"},
    {WindowId::k04d2a, 36, u"kép", u"képet"},
    {WindowId::k04d2a, 37, u"lámpa", u"lámpát"},
    {WindowId::k04d2a, 38, u"lépcső", u"lépcsőt"},
    {WindowId::k04d2a, 39, u"lift", u"liftet"},
    {WindowId::k04d2a, 40, u"pályaudvar", u"pályaudvart"},
    {WindowId::k04d2a, 41, u"parkoló", u"parkolót"},
    {WindowId::k04d2a, 42, u"posta", u"postát"},
    {WindowId::k04d2a, 43, u"repülőtér", u"repülőteret"},
    {WindowId::k04d2a, 44, u"táska", u"táskát"},
    {WindowId::k04d2a, 45, u"bélyeg", u"bélyeget"},
    {WindowId::k04d2a, 46, u"taxiállomás", u"taxiállomást"},
    {WindowId::k04d2a, 47, u"boríték", u"borítékot"},
    {WindowId::k04d2a, 48, u"büfé", u"büfét"},
    {WindowId::k04d2a, 49, u"ceruza", u"ceruzát"},
    {WindowId::k04d2a, 50, u"cigaretta", u"cigarettát"},
    {WindowId::k04d2a, 51, u"doboz", u"dobozt"},
    {WindowId::k04d2a, 52, u"emelet", u"emeletet"},
    {WindowId::k04d2a, 53, u"fal", u"falat"},
    {WindowId::k04d2a, 54, u"forint", u"forintot"},
    {WindowId::k04d2a, 55, u"bélyeg", u"bélyeget"},
    {WindowId::k04d2a, 56, u"föld", u"földet"},
    {WindowId::k04d2a, 57, u"földszint", u"földszintet"},
    {WindowId::k04d2a, 58, u"füzet", u"füzetet"},
    {WindowId::k04d2a, 59, u"gyufa", u"gyufát"},
    {WindowId::k04d2a, 60, u"gyümölcs", u"gyümölcsöt"},
    {WindowId::k04d2a, 61, u"iroda", u"irodát"},
    {WindowId::k04d2a, 62, u"kávé", u"kávét"},
    {WindowId::k04d2a, 63, u"képeslap", u"képeslapot"},
    {WindowId::k04d2a, 64, u"kerület", u"kerületet"},
    {WindowId::k04d2a, 65, u"kóla", u"kólát"},
    {WindowId::k04d2a, 66, u"könyv", u"könyvet"},
    {WindowId::k04d2a, 67, u"könyvtár", u"könyvtárat"},
    {WindowId::k04d2a, 68, u"pogácsa", u"pogácsát"},
    {WindowId::k04d2a, 69, u"rend", u"rendet"},
    {WindowId::k04d2a, 70, u"rendelő", u"rendelőt"},
    {WindowId::k04d2a, 71, u"szék", u"széket"},
    {WindowId::k04d2a, 72, u"tea", u"teát"},
    {WindowId::k04d2a, 73, u"tér", u"teret"},
    {WindowId::k04d2a, 74, u"terem", u"termet"},
    {WindowId::k04d2a, 75, u"trafik", u"trafikot"},
    {WindowId::k04d2a, 76, u"út", u"utat"},
    {WindowId::k04d2a, 77, u"utca", u"utcát"},
    {WindowId::k04d2a, 78, u"zsemle", u"zsemlét"},
    {WindowId::k04d2a, 79, u"lecke", u"leckét"},
    // k04d2b
    {WindowId::k04d2b, 0, u"egy", u"egyet"},
    {WindowId::k04d2b, 1, u"öt", u"ötöt"},
    {WindowId::k04d2b, 2, u"hat", u"hatot"},
    {WindowId::k04d2b, 3, u"hét", u"hetet"},
    {WindowId::k04d2b, 4, u"tizenkettő", u"tizenkettőt"},
    {WindowId::k04d2b, 5, u"kilenc", u"kilencet"},
    {WindowId::k04d2b, 6, u"negyven", u"negyvenet"},
    {WindowId::k04d2b, 7, u"nyolcvan", u"nyolcvanat"},
    {WindowId::k04d2b, 8, u"száz", u"százat"},
    {WindowId::k04d2b, 9, u"ötven", u"ötvenet"},
    {WindowId::k04d2b, 10, u"tizennyolc", u"tizennyolcat"},
    {WindowId::k04d2b, 11, u"huszonhárom", u"huszonhármat"},
    {WindowId::k04d2b, 12, u"négy", u"négyet"},
    {WindowId::k04d2b, 13, u"hatvan", u"hatvanat"},
    {WindowId::k04d2b, 14, u"kilencven", u"kilencvenet"},
    {WindowId::k04d2b, 15, u"kettő", u"kettőt"},
    {WindowId::k04d2b, 16, u"három", u"hármat"},
    {WindowId::k04d2b, 17, u"négy", u"négyet"},
    {WindowId::k04d2b, 18, u"nyolc", u"nyolcat"},
    {WindowId::k04d2b, 19, u"tíz", u"tizet"},
    {WindowId::k04d2b, 20, u"tizenegy", u"tizenegyet"},
    {WindowId::k04d2b, 21, u"tizenhárom", u"tizenhármat"},
    {WindowId::k04d2b, 22, u"tizennégy", u"tizennégyet"},
    {WindowId::k04d2b, 23, u"tizenöt", u"tizenötöt"},
    {WindowId::k04d2b, 24, u"huszonhat", u"huszonhatot"},
    {WindowId::k04d2b, 25, u"huszonhét", u"huszonhetet"},
    {WindowId::k04d2b, 26, u"harminckilenc", u"harminckilencet"},
    {WindowId::k04d2b, 27, u"kilencvenegy", u"kilencvenegyet"},
    {WindowId::k04d2b, 28, u"negyvenkettő", u"negyvenkettőt"},
    {WindowId::k04d2b, 29, u"ötvenhárom", u"ötvenhármat"},
    {WindowId::k04d2b, 30, u"húsz", u"huszat"},
    {WindowId::k04d2b, 31, u"harminc", u"harmincat"},
    {WindowId::k04d2b, 32, u"hatvanhat", u"hatvanhatot"},
    {WindowId::k04d2b, 33, u"hetven", u"hetvenet"},
    // k04d2c
    {WindowId::k04d2c, 0, u"szép", u"szépet"},
    {WindowId::k04d2c, 1, u"új", u"újat"},
    {WindowId::k04d2c, 2, u"rövid", u"rövidet"},
    {WindowId::k04d2c, 3, u"piros", u"pirosat"},
    {WindowId::k04d2c, 4, u"hosszú", u"hosszút"},
    {WindowId::k04d2c, 5, u"kék", u"kéket"},
    {WindowId::k04d2c, 6, u"barna", u"barnát"},
    {WindowId::k04d2c, 7, u"kényelmes", u"kényelmeset"},
    {WindowId::k04d2c, 8, u"magas", u"magasat"},
    {WindowId::k04d2c, 9, u"kicsi", u"kicsit"},
    {WindowId::k04d2c, 10, u"nagy", u"nagyot"},
    {WindowId::k04d2c, 11, u"magyar", u"magyart"},
    {WindowId::k04d2c, 12, u"angol", u"angolt"},
    {WindowId::k04d2c, 13, u"francia", u"franciát"},
    {WindowId::k04d2c, 14, u"lengyel", u"lengyelt"},
    {WindowId::k04d2c, 15, u"bolgár", u"bolgárt"},
    {WindowId::k04d2c, 16, u"spanyol", u"spanyolt"},
    {WindowId::k04d2c, 17, u"német", u"németet"},
    {WindowId::k04d2c, 18, u"orosz", u"oroszt"},
    {WindowId::k04d2c, 19, u"arab", u"arabot"},
    {WindowId::k04d2c, 20, u"alacsony", u"alacsonyt"},
    {WindowId::k04d2c, 21, u"amerikai", u"amerikait"},
    {WindowId::k04d2c, 22, u"csúnya", u"csúnyát"},
    {WindowId::k04d2c, 23, u"drága", u"drágát"},
    {WindowId::k04d2c, 24, u"fehér", u"fehéret"},
    {WindowId::k04d2c, 25, u"fekete", u"feketét"},
    {WindowId::k04d2c, 26, u"jó", u"jót"},
    {WindowId::k04d2c, 27, u"kényelmes", u"kényelmeset"},
    {WindowId::k04d2c, 28, u"kényelmetlen", u"kényelmetlent"},
    {WindowId::k04d2c, 29, u"olcsó", u"olcsót"},
    {WindowId::k04d2c, 30, u"piszkos", u"piszkosat"},
    {WindowId::k04d2c, 31, u"régi", u"régit"},
    {WindowId::k04d2c, 32, u"rossz", u"rosszat"},
    {WindowId::k04d2c, 33, u"sárga", u"sárgát"},
    {WindowId::k04d2c, 34, u"sötét", u"sötétet"},
    {WindowId::k04d2c, 35, u"szürke", u"szürkét"},
    {WindowId::k04d2c, 36, u"divatos", u"divatosat"},
    {WindowId::k04d2c, 37, u"könnyű", u"könnyűt"},
    {WindowId::k04d2c, 38, u"nyári", u"nyárit"},
    {WindowId::k04d2c, 39, u"műszaki", u"műszakit"},
    {WindowId::k04d2c, 40, u"tiszta", u"tisztát"},
    {WindowId::k04d2c, 41, u"zöld", u"zöldet"},
    {WindowId::k04d2c, 42, u"világos", u"világosat"},
};

// How many items the normal run takes; the rest need Plus.
int normalRun(WindowId window) {
    switch (window) {
    case WindowId::k04d2a:
        return 17;
    case WindowId::k04d2b:
        return 15;
    case WindowId::k04d2c:
        return 20;
    default:
        return 12;
    }
}

// The keys of the word box and of the ending box.
std::pair<KeyTable, KeyTable> keysOf(WindowId window) {
    switch (window) {
    case WindowId::k04d1a:
    case WindowId::k04d1b:
        return {KeyTable::Hunkey, KeyTable::None};
    case WindowId::k04d2a:
        return {KeyTable::ShortWithCapitalE, KeyTable::Short};
    default:
        return {KeyTable::Hunkey, KeyTable::Hunkey};
    }
}

struct Sentence {
    const char16_t* plain;
    const char16_t* withPronoun;
    const char16_t* person;
};

// Exercise 3's seventeen sentences, without and with the pronoun, and the person shown.
constexpr Sentence sentences[] = {
    {u"Kati a bankba megy.", u"Kati a bankba megy.", u"(Kati)"},
    {u"Az autóban ülök.", u"Én az autóban ülök.", u"(én)"},
    {u"A könyvtárban olvasok.", u"Én a könyvtárban olvasok.", u"(én)"},
    {u"A postára sietsz.", u"Te a postára sietsz.", u"(te)"},
    {u"Sándor a téren vár.", u"Sándor a téren vár.", u"(Sándor)"},
    {u"A szobában pihensz.", u"Te a szobában pihensz.", u"(te)"},
    {u"A bankba megyek.", u"Én a bankba megyek.", u"(én)"},
    {u"Az autóban ülsz.", u"Te az autóban ülsz.", u"(te)"},
    {u"János a könyvtárban olvas.", u"János a könyvtárban olvas.", u"(János)"},
    {u"A postára sietek.", u"Én a postára sietek.", u"(én)"},
    {u"A téren vársz.", u"Te a téren vársz.", u"(te)"},
    {u"Anna a szobában pihen.", u"Anna a szobában pihen.", u"(Anna)"},
    {u"A bankba mész.", u"Te a bankba mész.", u"(te)"},
    {u"János a postára siet.", u"János a postára siet.", u"(János)"},
    {u"A téren várok.", u"Én a téren várok.", u"(én)"},
    {u"A szobában pihenek.", u"Én a szobában pihenek.", u"(én)"},
    {u"Péter az autóban ül.", u"Péter az autóban ül.", u"(Péter)"},
};

QString recordOf(DrillWindow* window) {
    // The accusative windows keep it in a text box; their Label3 explains Plus.
    if (auto* box = window->control<QTextEdit>("Text3"))
        return box->toPlainText();
    return window->control<QLabel>("Label3")->text();
}

} // namespace

class ContentTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { test::freshStart(); }
    void cleanupTestCase() { windows().clear(); }

    void answerCheck_data();
    void answerCheck();
    void everyWordOfTheLists_data();
    void everyWordOfTheLists();
    void everySentenceInBothForms();
};

void ContentTest::answerCheck_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("joined") << "szoba"
                            << "ba"
                            << "szobaba" << true;
    QTest::newRow("blanks trimmed") << "  szállodá "
                                    << " ba   "
                                    << "szállodába" << true;
    QTest::newRow("blank inside") << "szálloda"
                                  << " b a"
                                  << "szállodába" << false;
    QTest::newRow("tab is not a blank") << "bank\t"
                                        << "ba"
                                        << "bankba" << false;
    QTest::newRow("new line is not a blank") << "bank"
                                             << "ba\n"
                                             << "bankba" << false;
    QTest::newRow("capital") << "Bank"
                             << "ba"
                             << "bankba" << false;
    QTest::newRow("full stop") << "bank"
                               << "ba."
                               << "bankba" << false;
    QTest::newRow("short vowel") << "szálloda"
                                 << "ba"
                                 << "szállodába" << false;
    QTest::newRow("ö for ő") << "fürdöszobá"
                             << "ba"
                             << "fürdőszobába" << false;
    QTest::newRow("õ for ő") << "fürdõszobá"
                             << "ba"
                             << "fürdőszobába" << false;
    QTest::newRow("combining accent") << QString::fromUtf8("ha\xcc\x81z") << "ba"
                                      << "házba" << true;
    QTest::newRow("combining double acute") << QString::fromUtf8("rendelo\xcc\x8b") << "be"
                                            << "rendelőbe" << true;
    QTest::newRow("longer") << "bankba"
                            << "ba"
                            << "bankba" << false;
    QTest::newRow("shorter") << "ban"
                             << ""
                             << "bankba" << false;
    QTest::newRow("empty") << ""
                           << ""
                           << "bankba" << false;
}

void ContentTest::answerCheck() {
    QFETCH(QString, word);
    QFETCH(QString, ending);
    QFETCH(QString, answer);
    QFETCH(bool, right);
    QCOMPARE(isRightAnswer(word, ending, answer), right);
}

void ContentTest::everyWordOfTheLists_data() {
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("answer");
    for (const Item& item : items) {
        QTest::addRow("%s %d %s", qPrintable(windowName(item.window)), item.number,
                      qPrintable(QString::fromUtf16(item.answer)))
            << item.window << (item.number >= normalRun(item.window))
            << QString::fromUtf16(item.word) << QString::fromUtf16(item.answer);
    }
}

// The learner keeps what the answer shares with the base word, corrects the rest of the
// word in the word box and types the ending into the ending box.
void ContentTest::everyWordOfTheLists() {
    QFETCH(WindowId, window);
    QFETCH(bool, plus);
    QFETCH(QString, word);
    QFETCH(QString, answer);
    DrillWindow* drill = test::openDrill(window);
    if (plus) {
        // Plus is Command16 in 1/a, Command14 elsewhere.
        QPushButton* plusButton = test::button(drill, "Command16");
        (plusButton ? plusButton : test::button(drill, "Command14"))->click();
    }
    test::button(drill, "Command1")->click();
    QVERIFY2(test::advanceTo(drill, word), qPrintable(word + " never came up"));
    test::recorder().clear();

    qsizetype kept = 0;
    while (kept < word.size() && kept < answer.size() && word.at(kept) == answer.at(kept))
        ++kept;
    const auto [wordKeys, endingKeys] = keysOf(window);
    QLineEdit* wordBox = test::box(drill, "Text1");
    QLineEdit* endingBox = test::box(drill, "Text2");
    wordBox->setFocus();
    for (qsizetype n = kept; n < word.size(); ++n)
        QTest::keyClick(wordBox, Qt::Key_Backspace);
    test::typeKeys(wordBox, answer.mid(kept, word.size() - kept), wordKeys);
    endingBox->setFocus();
    test::typeKeys(endingBox, answer.mid(word.size()), endingKeys);
    QCOMPARE(wordBox->text() + endingBox->text(), answer);
    QTest::keyClick(endingBox, Qt::Key_Return);

    QCOMPARE(test::recorder().beeps, 0);
    QVERIFY(recordOf(drill).endsWith(answer + "; "));
}

void ContentTest::everySentenceInBothForms() {
    auto* window = static_cast<K04d3*>(test::openWindow(WindowId::k04d3));
    QLineEdit* box = test::box(window, "Text1");
    auto answer = [&](const char16_t* text) {
        box->clear();
        test::typeKeys(box, QString::fromUtf16(text), KeyTable::Hunkey);
        QTest::keyClick(box, Qt::Key_Return);
    };
    // The ordered run: the first six, each with the pronoun where it has one.
    test::button(window, "Command1")->click();
    for (int entry = 0; entry < 6; ++entry) {
        QCOMPARE(window->idx(), entry);
        QCOMPARE(window->control<QLabel>("Label1")->text(),
                 QString::fromUtf16(sentences[entry].person));
        answer(sentences[entry].withPronoun);
    }
    QCOMPARE(test::recorder().messages.size(), std::size_t(1));
    QCOMPARE(test::recorder().beeps, 0);
    // Two Restart runs: every sentence once without its pronoun, then once with it.
    for (int form = 0; form < 2; ++form) {
        test::recorder().clear();
        test::button(window, "Command1")->click();
        for (int n = 0; n < 17; ++n) {
            const Sentence& s = sentences[window->idx()];
            QCOMPARE(window->control<QLabel>("Label1")->text(), QString::fromUtf16(s.person));
            answer(form == 0 ? s.plain : s.withPronoun);
            QCOMPARE(test::recorder().beeps, 0);
        }
        QCOMPARE(test::recorder().messages.size(), std::size_t(1));
        QCOMPARE(test::recorder().messages[0].icon, Icon::Stop);
    }
}

QTEST_MAIN(ContentTest)
#include "tst_content.moc"
