// The Hints line's rules: what each says for real items of the lesson, and why after
// Solution. (How the windows show them is in tst_mistakes.)
#include "model/hint.h"
#include "model/lesson4.h"
#include "model/marks.h"
#include "model/why.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace kerbu;

Q_DECLARE_METATYPE(Hint::Kind)

class HintsTest : public QObject {
    Q_OBJECT

  private slots:
    // clang-format off
    void rules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("word");
        QTest::addColumn<Hint::Kind>("kind");
        QTest::addColumn<QString>("text");
        using K = Hint::Kind;
        QTest::newRow("right") << "moziba" << "moziba" << "mozi" << K::None << "";
        // capitals and full stops
        QTest::newRow("1/a capital") << "Moziba" << "moziba" << "mozi" << K::CapitalOrStop << "Look at the capital letters: letter 1 should be a small letter.";
        QTest::newRow("1/a name") << "londonba" << "Londonba" << "London" << K::CapitalOrStop << "Look at the capital letters: letter 1 should be a capital.";
        QTest::newRow("1/b article") << "a gellérthegyre" << "a Gellérthegyre" << "a Gellérthegy" << K::CapitalOrStop << "Look at the capital letters: letter 3 should be a capital.";
        QTest::newRow("1/a full stop") << "bankba." << "bankba" << "bank" << K::CapitalOrStop << "No full stop belongs here.";
        QTest::newRow("4 capital gap") << "AT" << "at" << "piros" << K::CapitalOrStop << "Look at the capital letters: letter 1 should be a small letter.";
        // the other case ending
        QTest::newRow("1/a bankra") << "bankra" << "bankba" << "bank" << K::WrongCase << "This exercise asks for -ba or -be, which answer hova? (into where?).";
        QTest::newRow("1/b postába") << "postába" << "postára" << "posta" << K::WrongCase << "This exercise asks for -ra or -re, which answer hova? (onto where?).";
        QTest::newRow("2/a szállodába") << "szállodába" << "szállodát" << "szálloda" << K::WrongCase << "This exercise asks for the object ending -t, which answers mit? (what?).";
        QTest::newRow("2/a étterem, stem") << "éttermbe" << "éttermet" << "étterem" << K::WrongCase << "This exercise asks for the object ending -t, which answers mit? (what?).";
        QTest::newRow("1/a hol?") << "bankban" << "bankba" << "bank" << K::WrongCase << "-ban/-ben answer hol?; here the question is hova? (into where?), -ba/-be.";
        QTest::newRow("1/a hol? other harmony") << "könyvtárben" << "könyvtárba" << "könyvtár" << K::WrongCase << "-ban/-ben answer hol?; here the question is hova? (into where?), -ba/-be.";
        QTest::newRow("1/b hol? -n") << "postán" << "postára" << "posta" << K::WrongCase << "-n/-on/-en/-ön answer hol?; here the question is hova? (onto where?), -ra/-re.";
        QTest::newRow("1/b hol? -en") << "Pesten" << "Pestre" << "Pest" << K::WrongCase << "-n/-on/-en/-ön answer hol?; here the question is hova? (onto where?), -ra/-re.";
        QTest::newRow("1/a object") << "bankot" << "bankba" << "bank" << K::WrongCase << "-t answers mit?; here the question is hova? (into where?), -ba/-be.";
        QTest::newRow("5 gap hova?") << "ba" << "ban" << "taxi" << K::WrongCase << "-ba/-be answer hova?; here the question is hol? (in where?), -ban/-ben.";
        QTest::newRow("5 gap object") << "et" << "on" << "Hat asztal" << K::WrongCase << "-t answers mit?; here the question is hol? (on where?), -n/-on/-en/-ön.";
        QTest::newRow("5 gap on for in") << "on" << "ban" << "taxi" << K::WrongCase << "-n/-on/-en/-ön answer hol? (on where?); here the question is hol? (in where?), -ban/-ben.";
        QTest::newRow("2/a hol?") << "postán" << "postát" << "posta" << K::WrongCase << "This exercise asks for the object ending -t, which answers mit? (what?).";
        // two rules in one word
        QTest::newRow("2/b hét") << "hétt" << "hetet" << "hét" << K::TwoThings << "Two things: the long é of hét turns short, and the -t needs a linking vowel here.";
        QTest::newRow("1/a szoba") << "szobabe" << "szobába" << "szoba" << K::TwoThings << "Two things: the a at the end of szoba becomes á, and szoba takes -ba, not -be.";
        QTest::newRow("1/b posta") << "postare" << "postára" << "posta" << K::TwoThings << "Two things: the a at the end of posta becomes á, and posta takes -ra, not -re.";
        QTest::newRow("2/b három") << "háromot" << "hármat" << "három" << K::TwoThings << "Two things: the last o of három drops out, and három takes -at, not -ot.";
        QTest::newRow("2/a tér") << "tért" << "teret" << "tér" << K::TwoThings << "Two things: the long é of tér turns short, and the -t needs a linking vowel here.";
        // a vowel that drops out
        QTest::newRow("2/b három") << "háromat" << "hármat" << "három" << K::DroppedVowel << "The last o of három drops out before the ending.";
        QTest::newRow("2/a étterem") << "étteremet" << "éttermet" << "étterem" << K::DroppedVowel << "The last e of étterem drops out before the ending.";
        QTest::newRow("5 Három") << "Háromat" << "Hármat" << "Három" << K::DroppedVowel << "The last o of Három drops out before the ending.";
        // the final a or e of the base word
        QTest::newRow("1/a szálloda") << "szállodaba" << "szállodába" << "szálloda" << K::ShortVowel << "The a at the end of the word becomes á before the ending.";
        QTest::newRow("2/c fekete") << "feketet" << "feketét" << "fekete" << K::ShortVowel << "The e at the end of the word becomes é before the ending.";
        QTest::newRow("4 barna") << "barnat" << "barnát" << "barna" << K::ShortVowel << "The a at the end of the word becomes á before the ending.";
        QTest::newRow("5 zsemle") << "Három zsemlet" << "Három zsemlét" << "Három zsemle" << K::ShortVowel << "The e at the end of the word becomes é before the ending.";
        // vowel harmony, and -at against -ot
        QTest::newRow("1/a bank") << "bankbe" << "bankba" << "bank" << K::Harmony << "bank takes -ba: its last vowel, a, is a back vowel.";
        QTest::newRow("1/a épület") << "épületba" << "épületbe" << "épület" << K::Harmony << "épület takes -be: it has front vowels only.";
        QTest::newRow("1/b asztal") << "asztalre" << "asztalra" << "asztal" << K::Harmony << "asztal takes -ra: its last vowel, a, is a back vowel.";
        QTest::newRow("1/b Gellérthegy") << "a Gellérthegyra" << "a Gellérthegyre" << "a Gellérthegy" << K::Harmony << "Gellérthegy takes -re: it has front vowels only.";
        QTest::newRow("1/b Budapest") << "Budapestra" << "Budapestre" << "Budapest" << K::Harmony << "Budapest takes -re: the last part of this compound word has front vowels only.";
        QTest::newRow("1/b troli") << "trolire" << "trolira" << "troli" << K::Harmony << "troli takes -ra: its i does not decide, and the o before it is a back vowel.";
        QTest::newRow("2/a kabát ö") << "kabátöt" << "kabátot" << "kabát" << K::Harmony << "kabát takes -ot: its last vowel, á, is a back vowel.";
        QTest::newRow("2/a gyümölcs o") << "gyümölcsot" << "gyümölcsöt" << "gyümölcs" << K::Harmony << "gyümölcs takes -öt: its last vowel, ö, is a rounded front vowel.";
        QTest::newRow("2/a gyümölcs e") << "gyümölcset" << "gyümölcsöt" << "gyümölcs" << K::Harmony << "gyümölcs takes -öt: its last vowel, ö, is a rounded front vowel.";
        QTest::newRow("2/a föld") << "földöt" << "földet" << "föld" << K::Harmony << "föld takes -et, not -öt, although its last vowel is ö.";
        QTest::newRow("2/a híd") << "hidet" << "hidat" << "híd" << K::Harmony << "híd takes -at, although it has front vowels only: learn the word with its ending.";
        QTest::newRow("2/a ablak") << "ablakat" << "ablakot" << "ablak" << K::Harmony << "Both -at and -ot go with back vowels: ablak takes -ot.";
        QTest::newRow("2/a fal") << "falot" << "falat" << "fal" << K::Harmony << "Both -at and -ot go with back vowels: fal takes -at.";
        QTest::newRow("2/b száz") << "százot" << "százat" << "száz" << K::Harmony << "Both -at and -ot go with back vowels: száz takes -at.";
        QTest::newRow("2/b harminckilenc") << "harminckilencat" << "harminckilencet" << "harminckilenc" << K::Harmony << "harminckilenc takes -et: the last part of this compound word has front vowels only.";
        QTest::newRow("2/b öt") << "ötet" << "ötöt" << "öt" << K::Harmony << "öt takes -öt: its last vowel, ö, is a rounded front vowel.";
        QTest::newRow("2/c magas") << "magasot" << "magasat" << "magas" << K::Harmony << "Both -at and -ot go with back vowels: magas takes -at.";
        QTest::newRow("4 gap piros") << "et" << "at" << "piros" << K::Harmony << "piros takes -at: its last vowel, o, is a back vowel.";
        QTest::newRow("4 gap Negyven") << "at" << "et" << "Negyven" << K::Harmony << "Negyven takes -et: it has front vowels only.";
        QTest::newRow("5 gap taxi") << "ben" << "ban" << "taxi" << K::Harmony << "taxi takes -ban: its i does not decide, and the a before it is a back vowel.";
        QTest::newRow("5 gap negyedik") << "ban" << "ben" << "negyedik" << K::Harmony << "negyedik takes -ben: it has front vowels only.";
        QTest::newRow("5 gap asztal") << "en" << "on" << "asztal" << K::Harmony << "asztal takes -on: its last vowel, a, is a back vowel.";
        // accents
        QTest::newRow("2/a dots") << "gyumolcsot" << "gyümölcsöt" << "gyümölcs" << K::Accents << "Look at the accents: 3 letters need the dots.";
        QTest::newRow("1/a two kinds") << "konyvtarba" << "könyvtárba" << "könyvtár" << K::Accents << "Look at the accents: 1 letter needs a long mark and 1 needs the dots.";
        QTest::newRow("1/a long mark") << "muzeumba" << "múzeumba" << "múzeum" << K::Accents << "Look at the accents: 1 letter needs a long mark.";
        QTest::newRow("1/a long ö") << "rendelöbe" << "rendelőbe" << "rendelő" << K::Accents << "Look at the accents: 1 letter needs a long mark.";
        QTest::newRow("1/b two kinds") << "repulőterre" << "repülőtérre" << "repülőtér" << K::Accents << "Look at the accents: 1 letter needs a long mark and 1 needs the dots.";
        QTest::newRow("2/b hét") << "hétet" << "hetet" << "hét" << K::Accents << "Look at the accents: the long é of hét becomes short before the ending.";
        QTest::newRow("2/b tíz") << "tízet" << "tizet" << "tíz" << K::Accents << "Look at the accents: the long í of tíz becomes short before the ending.";
        QTest::newRow("2/a repülőtér") << "repülőtéret" << "repülőteret" << "repülőtér" << K::Accents << "Look at the accents: the long é of repülőtér becomes short before the ending.";
        QTest::newRow("2/c kicsi") << "kicsít" << "kicsit" << "kicsi" << K::Accents << "Look at the accents: 1 letter should have no long mark.";
        QTest::newRow("1/a three kinds") << "furdöszóbaba" << "fürdőszobába" << "fürdőszoba" << K::Accents << "Look at the accents: 4 letters need other marks.";
        QTest::newRow("three kinds") << "torőkbe" << "törökbé" << "" << K::Accents << "Look at the accents: 3 letters need other marks.";
        QTest::newRow("2/c jó") << "jöt" << "jót" << "jó" << K::Accents << "Look at the accents: 1 letter needs a long mark instead of the dots.";
        // the linking vowel of the object ending
        QTest::newRow("2/a kabát") << "kabátt" << "kabátot" << "kabát" << K::LinkingVowel << "Here the -t needs a linking vowel in front of it.";
        QTest::newRow("2/a pulóver") << "pulóveret" << "pulóvert" << "pulóver" << K::LinkingVowel << "Here the -t follows the word without a linking vowel.";
        QTest::newRow("4 gap hatvan") << "t" << "at" << "hatvan" << K::LinkingVowel << "Here the -t needs a linking vowel in front of it.";
        // anything else
        QTest::newRow("1/a letters") << "könyvtárbo" << "könyvtárba" << "könyvtár" << K::Letters << "1 letter differs; it is right up to \"könyvtárb\".";
        QTest::newRow("1/a one too many") << "bankbaa" << "bankba" << "bank" << K::Letters << "1 letter too many at the end.";
        QTest::newRow("empty") << "" << "trafikba" << "trafik" << K::Letters << "Nothing has been typed yet.";
    }
    // clang-format on

    void rules() {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, word);
        QFETCH(Hint::Kind, kind);
        QFETCH(QString, text);
        const Hint::Result hint = Hint::forWord(typed, answer, word);
        QCOMPARE(hint.kind, kind);
        QCOMPARE(hint.text, text);
        // One sentence that never hands over the answer (an ending of two letters may stand
        // in any text).
        if (kind != Hint::Kind::None)
            QVERIFY(hint.text.endsWith('.') && hint.text.count('.') == 1);
        if (kind != Hint::Kind::None && answer.size() > 3)
            QVERIFY(!hint.text.contains(answer));
    }

    // The letters marked, as a screen reader hears them: where a rule explains the mistake
    // they follow it, else they are the fewest letters that make the difference.
    // clang-format off
    void marks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("marks");
        QTest::newRow("final a") << "szállodaba" << "szállodába" << "szálloda" << "letter 8";
        QTest::newRow("hol? ending") << "bankban" << "bankba" << "bank" << "letters 5 to 7";
        QTest::newRow("object for a place") << "bankot" << "bankba" << "bank" << "letters 5 and 6";
        QTest::newRow("linking vowel") << "hett" << "hetet" << "hét" << "1 letter missing before letter 4";
        QTest::newRow("two rules") << "hétt" << "hetet" << "hét" << "letter 2; 1 letter missing before letter 4";
        QTest::newRow("missing at the end") << "szállod" << "szállodába" << "szálloda" << "3 letters missing after letter 7";
        QTest::newRow("one too many") << "xbankba" << "bankba" << "bank" << "letter 1";
        QTest::newRow("combining accent") << u"tizenha\u0301rom"_s << "tizenhármat" << "tizenhárom" << "letter 9; 2 letters missing after letter 10";
        QTest::newRow("accent piled up") << u"ba\u0301\u0301\u0301nkba"_s << "bankba" << "bank" << "letter 2";
        QTest::newRow("markup") << "<b>ba" << "bankba" << "bank" << "letter 1; letter 3; 2 letters missing before letter 4";
        QTest::newRow("control character") << u"bank\u0007ba"_s << "bankba" << "bank" << "letter 5";
        QTest::newRow("right to left") << u"bank\u05d0"_s << "bankba" << "bank" << "letter 5; 1 letter missing after letter 5";
        QTest::newRow("letters of a 10,000 letter paste") << QString(10000, 'x') << "bankba" << "bank" << "letters 1 to 60";
    }
    // clang-format on

    void marks() {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, word);
        QFETCH(QString, marks);
        const MarkedText marked = Hint::forWord(typed, answer, word).marks;
        QCOMPARE(marked.spoken(), marks);
        QVERIFY(marked.letters().size() <= std::size_t(MarkedText::kept));
    }

    // Word by word: the first wrong word named by what it is, never given.
    // clang-format off
    void sentenceRules_data() {
        QTest::addColumn<int>("sentence");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Hint::Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("marks");
        using K = Hint::Kind;
        QTest::newRow("no full stop") << 3 << "Te a postára sietsz" << K::CapitalOrStop << "The sentence ends with a full stop." << "word 4: 1 letter missing after letter 6";
        QTest::newRow("capital inside") << 3 << "A Postára sietsz." << K::CapitalOrStop << "Look at the capital letters: letter 3 should be a small letter." << "word 2: letter 1";
        QTest::newRow("place, accents") << 3 << "A postara sietsz." << K::Word << "Word 2, the place: the a at the end of the word becomes á before the ending." << "word 2: letter 5";
        QTest::newRow("place, hova? for hol?") << 1 << "Az autóba ülök." << K::Word << "Word 2, the place: -ba/-be answer hova?; here the question is hol? (in where?), -ban/-ben." << "word 2: letters 5 and 6";
        QTest::newRow("place, hol? for hova?") << 0 << "Kati a bankban megy." << K::Word << "Word 3, the place: -ban/-ben answer hol?; here the question is hova? (into where?), -ba/-be." << "word 3: letters 5 to 7";
        QTest::newRow("place, other word") << 4 << "Sándor a házon vár." << K::Word << "Look at word 3, the place: its ending answers hol? (on where?)." << "word 3: letters 1 to 4";
        QTest::newRow("verb") << 8 << "János a könyvtárban olvasok." << K::Word << "Look at word 4, the verb: it goes with János." << "word 4: letters 6 and 7";
        QTest::newRow("verb, accents") << 0 << "Kati a bankba mégy." << K::Word << "Word 4, the verb: look at the accents: 1 letter should have no long mark." << "word 4: letter 2";
        QTest::newRow("verb of the nearer form") << 3 << "Te a postára sietek." << K::Word << "Look at word 4, the verb: it goes with te." << "word 4: letters 5 and 6";
        QTest::newRow("article") << 1 << "A autóban ülök." << K::Word << "Look at word 1, the article: az goes before a vowel, a before a consonant." << "word 1: 1 letter missing after letter 1";
        QTest::newRow("person") << 0 << "Anna a bankba megy." << K::Word << "Look at word 1: the sentence is about the person shown, Kati." << "word 1: letters 1 to 4";
        QTest::newRow("pronoun") << 1 << "Te az autóban ülök." << K::Word << "Look at word 1: the pronoun goes with the person shown, én, or is left out." << "word 1: letters 1 and 2";
        QTest::newRow("article missing") << 0 << "Kati bankba megy." << K::Word << "After word 1 comes the article, which is missing." << "word 2: 1 letter missing before letter 1";
        QTest::newRow("word too many") << 0 << "Kati a a bankba megy." << K::Word << "Word 3 is one too many." << "word 3: letter 1";
        QTest::newRow("another order") << 1 << "Ülök az autóban." << K::WordOrder << "The words are right, but in another order." << "";
    }
    // clang-format on

    void sentenceRules() {
        QFETCH(int, sentence);
        QFETCH(QString, typed);
        QFETCH(Hint::Kind, kind);
        QFETCH(QString, text);
        QFETCH(QString, marks);
        const Hint::Result hint =
            Hint::forSentence(typed, SentenceDrill(lesson4::sentences()).key(sentence));
        QCOMPARE(hint.kind, kind);
        QCOMPARE(hint.text, text);
        QCOMPARE(hint.marks.spoken(), marks);
    }

    // Why after Solution, for a few answers as a teacher would say it.
    // clang-format off
    void why_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("why");
        QTest::newRow("1/a final a") << "szoba" << "szobába" << "szobába: szoba takes -ba: its last vowel, a, is a back vowel; the a at the end of szoba becomes á.";
        QTest::newRow("1/a i does not decide") << "mozi" << "moziba" << "moziba: mozi takes -ba: its i does not decide, and the o before it is a back vowel.";
        QTest::newRow("2/a dropped vowel") << "étterem" << "éttermet" << "éttermet: étterem takes -et: it has front vowels only; the last e of étterem drops out; after m the ending takes a linking vowel.";
        QTest::newRow("2/a learned") << "híd" << "hidat" << "hidat: learn híd with its ending: it has the front vowel í only, yet takes -at, and its í turns short.";
        QTest::newRow("2/c learned") << "zöld" << "zöldet" << "zöldet: learn zöld with its ending: it takes -et, not -öt.";
        QTest::newRow("2/b short vowel") << "hét" << "hetet" << "hetet: hét takes -et: it has front vowels only; the long é of hét turns short; after t the ending takes a linking vowel.";
        QTest::newRow("2/c at once") << "magyar" << "magyart" << "magyart: after r the -t may follow at once.";
        QTest::newRow("2/a after a vowel") << "lámpa" << "lámpát" << "lámpát: the a at the end of lámpa becomes á; after a vowel the -t follows at once.";
        QTest::newRow("5 gap") << "Hat" << "Haton" << "Haton: Hat takes -on: its last vowel, a, is a back vowel; after t the ending takes a linking vowel.";
    }
    // clang-format on

    void why() {
        QFETCH(QString, word);
        QFETCH(QString, answer);
        QFETCH(QString, why);
        QCOMPARE(Why::forWord(word, answer).text, why);
    }

    // A stored sentence whose words do not hold with the person or with each other is not
    // explained: a typo in the content would show.
    // clang-format off
    void sentenceNotExplained_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("person");
        QTest::newRow("pronoun of another person") << "Te az autóban ülök." << "(én)";
        QTest::newRow("article before a vowel") << "Én a autóban ülök." << "(én)";
        QTest::newRow("place of another case") << "Én az autóba ülök." << "(én)";
    }
    // clang-format on

    void sentenceNotExplained() {
        QFETCH(QString, stored);
        QFETCH(QString, person);
        const std::array roles{WordRole::Pronoun, WordRole::Article, WordRole::PlaceIn,
                               WordRole::Verb};
        QVERIFY(!Why::forSentence(
                     {.withPronoun = stored, .roles = roles, .place = "autó", .person = person})
                     .explained);
        QVERIFY(Why::forSentence({.withPronoun = "Én az autóban ülök.",
                                  .roles = roles,
                                  .place = "autó",
                                  .person = "(én)"})
                    .explained);
    }
};

QTEST_GUILESS_MAIN(HintsTest)
#include "tst_hints.moc"
