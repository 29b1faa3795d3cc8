// The Hints line: what each rule says for real items of the lesson, and how the windows
// show it.
#include "testsupport/harness.h"

using namespace kerbu;
using test::Role;

Q_DECLARE_METATYPE(Hint::Kind)

namespace {

QLabel* hintLine(FormWindow* window) {
    return window->control<QLabel>("hintLine");
}

} // namespace

class HintsTest : public test::Suite {
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
        // a vowel that drops out
        QTest::newRow("2/b három") << "háromat" << "hármat" << "három" << K::DroppedVowel << "The last o of három drops out before the ending.";
        QTest::newRow("2/a étterem") << "étteremet" << "éttermet" << "étterem" << K::DroppedVowel << "The last e of étterem drops out before the ending.";
        QTest::newRow("5 Három") << "Háromat" << "Hármat" << "Három" << K::DroppedVowel << "The last o of Három drops out before the ending.";
        // the final a or e of the base word
        QTest::newRow("1/a szálloda") << "szállodaba" << "szállodába" << "szálloda" << K::ShortVowel << "The a at the end of the word becomes á before the ending.";
        QTest::newRow("1/b posta, wrong ending too") << "postare" << "postára" << "posta" << K::ShortVowel << "The a at the end of the word becomes á before the ending.";
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
        QTest::newRow("three kinds") << "torőkbe" << "törökbé" << "" << K::Accents << "Look at the accents: 3 letters need other marks.";
        QTest::newRow("2/c jó") << "jöt" << "jót" << "jó" << K::Accents << "Look at the accents: 1 letter needs a long mark instead of the dots.";
        // the linking vowel of the object ending
        QTest::newRow("2/a kabát") << "kabátt" << "kabátot" << "kabát" << K::LinkingVowel << "Here the -t needs a linking vowel in front of it.";
        QTest::newRow("2/a pulóver") << "pulóveret" << "pulóvert" << "pulóver" << K::LinkingVowel << "Here the -t follows the word without a linking vowel.";
        QTest::newRow("4 gap hatvan") << "t" << "at" << "hatvan" << K::LinkingVowel << "Here the -t needs a linking vowel in front of it.";
        // anything else
        QTest::newRow("1/a letters") << "könyvtárben" << "könyvtárba" << "könyvtár" << K::Letters << "2 letters differ; it is right up to \"könyvtárb\".";
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

    // clang-format off
    void sentenceRules_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("withPronoun");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("no full stop") << "A postára sietsz." << "Te a postára sietsz." << "Te a postára sietsz" << int(Hint::Kind::CapitalOrStop) << "The sentence ends with a full stop.";
        QTest::newRow("capital inside") << "A postára sietsz." << "Te a postára sietsz." << "A Postára sietsz." << int(Hint::Kind::CapitalOrStop) << "Look at the capital letters: letter 3 should be a small letter.";
        QTest::newRow("accents") << "A postára sietsz." << "Te a postára sietsz." << "A postara sietsz." << int(Hint::Kind::Accents) << "Look at the accents: 1 letter needs a long mark.";
        QTest::newRow("long right part") << "János a könyvtárban olvas." << "János a könyvtárban olvas." << "János a könyvtárban olvasok." << int(Hint::Kind::Letters) << "2 letters differ; it is right up to \"… a könyvtárban olvas\".";
        QTest::newRow("right part of twenty") << "János a könyvtárban olvas." << "János a könyvtárban olvas." << "János a könyvtárban xolvas." << int(Hint::Kind::Letters) << "1 letter differs; it is right up to \"János a könyvtárban \".";
        QTest::newRow("nearer form") << "A postára sietsz." << "Te a postára sietsz." << "Te a postára sietek." << int(Hint::Kind::Letters) << "2 letters differ; it is right up to \"Te a postára siet\".";
    }
    // clang-format on

    void sentenceRules() {
        QFETCH(QString, plain);
        QFETCH(QString, withPronoun);
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, text);
        const Hint::Result hint = Hint::forSentence(typed, plain, withPronoun);
        QCOMPARE(int(hint.kind), kind);
        QCOMPARE(hint.text, text);
    }

    // The Options menu of every exercise window; Hints off at start. Switched on in one
    // window they are on in the next, and switched off the line goes. (What each kind of
    // window shows and says with Hints on is in the transcripts of tst_flow.)
    void hintsHoldInEveryWindow() {
        FormWindow* window = test::openWindow("k04d1a");
        QStringList captions;
        for (const QAction* item : window->findChild<QMenu*>("mnuOptions")->actions())
            captions << item->text();
        QCOMPARE(captions, QStringList({"On&Top", "&Hints", "&Mistakes...",
                                        "&Practise the mistakes", "&Read aloud", "Say &again"}));
        QVERIFY(!window->findChild<QAction*>("mnuHints")->isChecked());
        window->findChild<QAction*>("mnuHints")->trigger();
        window = test::openWindow("k04d5");
        QVERIFY(window->findChild<QAction*>("mnuHints")->isChecked());
        test::button(window, Role::Start)->click();
        test::answerWrong(window, "ot");
        QVERIFY(hintLine(window)->isVisible());
        window->findChild<QAction*>("mnuHints")->trigger();
        QVERIFY(hintLine(window)->isHidden());
    }

    // The longest hints each window can show fit the line, and the line covers no control,
    // the character chart included.
    void hintLineCoversNothingAndFits() {
        const QStringList longest = {
            "This exercise asks for the object ending -t, which answers mit? (what?).",
            "Look at the accents: 1 letter needs the dots instead of a long mark.",
            "Look at the accents: 12 letters need the dots and 1 should have no long mark.",
            "Harmincnyolcas takes -at: its last vowel, a, is a back vowel.",
            "harminckilenc takes -et: the last part of this compound word has front vowels only.",
            "negyvenkettes takes -et: it has front vowels only.",
            "Look at the accents: the long é of repülőtér becomes short before the ending.",
            "Look at the capital letters: letter 12 should be a small letter.",
            "13 letters differ; it is right up to \"…ok a könyvtárban olva\"."};
        for (const QString& id : test::exercises) {
            FormWindow* window = test::openWindow(id);
            auto* line = qobject_cast<Caption*>(hintLine(window));
            QVERIFY2(line, qPrintable(id));
            line->show();
            window->findChild<QLabel*>(id == "k04d4" || id == "k04d5" ? "Label3" : "Label6")
                ->show();
            const QRect place = line->geometry();
            for (QWidget* other :
                 window->body()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == line || !other->isVisible())
                    continue;
                QVERIFY2(!place.intersects(other->geometry()),
                         qPrintable(id + ": the hint covers " + other->objectName()));
            }
            for (const QString& text : longest) {
                line->setText(text);
                QVERIFY2(test::overflow(line).isEmpty(), qPrintable(id + ": " + text));
            }
            window->unloadForm();
        }
    }
};

QTEST_MAIN(HintsTest)
#include "tst_hints.moc"
