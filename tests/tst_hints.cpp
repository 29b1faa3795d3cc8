// The Hints line's rules: what each says for real items of the lesson, and why after
// Solution. The cases are rows of tests/data/hints.txt. (How the windows show them is in
// tst_mistakes.)
#include "model/hint.h"
#include "model/lesson4.h"
#include "model/marks.h"
#include "model/why.h"

#include <QFile>
#include <QMetaEnum>
#include <QTest>
#include <QTextStream>
#include <hunspell/hunspell.h>
#include <memory>

using namespace Qt::StringLiterals;

using namespace kerbu;

namespace {

// Adds the rows of one section of hints.txt: a column for each field its head names, the
// first field the row's name. (Qt Test keeps the columns' names as they are given, so they
// stay for the whole run.)
void addRows(const QString& section) {
    static QList<QByteArray> names;
    QFile file(QStringLiteral(KERBU_TEST_DATA "/hints.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    qsizetype columns = 0;
    for (const QString& line : QTextStream(&file).readAll().split('\n')) {
        QStringList fields = line.split('|');
        for (QString& field : fields)
            field = field.trimmed();
        if (line.startsWith('[')) {
            columns = line.startsWith('[' + section + ']') ? fields.size() : 0;
            for (const QString& column : fields.mid(1).first(columns ? columns - 1 : 0))
                QTest::addColumn<QString>(names.emplaceBack(column.toLatin1()).constData());
        } else if (columns && !line.isEmpty() && !line.startsWith('#')) {
            if (fields.size() != columns)
                qFatal("hints.txt: the row %s has %d fields", qPrintable(line), int(fields.size()));
            QTestData& row = QTest::newRow(fields[0].toUtf8());
            for (const QString& field : fields.mid(1))
                row << field;
        }
    }
}

Hint::Kind kindNamed(const QString& name) {
    bool known = false;
    const int kind = QMetaEnum::fromType<Hint::Kind>().keyToValue(name.toLatin1(), &known);
    if (!known)
        qFatal("hints.txt: no hint kind %s", qPrintable(name));
    return Hint::Kind(kind);
}

// Debian's Hungarian dictionary, made once.
Hunhandle* dictionary() {
    static const std::unique_ptr<Hunhandle, decltype(&Hunspell_destroy)> hu(
        Hunspell_create(KERBU_HUNGARIAN ".aff", KERBU_HUNGARIAN ".dic"), &Hunspell_destroy);
    return hu.get();
}

// The words one of the dictionary's calls lists: `call(list)` fills the list.
template <typename Call> QStringList listed(Call call) {
    char** list = nullptr;
    const int n = call(&list);
    QStringList words;
    for (int i = 0; i < n; ++i)
        words << QString::fromUtf8(list[i]);
    Hunspell_free_list(dictionary(), &list, n);
    return words;
}

} // namespace

class HintsTest : public QObject {
    Q_OBJECT

  private slots:
    void rules_data() { addRows("rules"); }
    void rules() {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, word);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        const Hint::Result hint = Hint::forWord(typed, answer, word);
        QCOMPARE(hint.kind, kindNamed(kind));
        QCOMPARE(hint.text, text);
        // One sentence that never hands over the answer (an ending of two letters may stand
        // in any text).
        if (hint.kind != Hint::Kind::None)
            QVERIFY(hint.text.endsWith('.') && hint.text.count('.') == 1);
        if (hint.kind != Hint::Kind::None && answer.size() > 3)
            QVERIFY(!hint.text.contains(answer));
    }

    // The letters marked, as a screen reader hears them: where a rule explains the mistake
    // they follow it, else they are the fewest letters that make the difference. Beside the
    // rows of the data, texts no file shows well.
    void marks_data() {
        addRows("marks");
        // clang-format off
        QTest::newRow("combining accent") << u"tizenha\u0301rom"_s << "tizenhármat" << "tizenhárom" << "letter 9; 2 letters missing after letter 10";
        QTest::newRow("accent piled up") << u"ba\u0301\u0301\u0301nkba"_s << "bankba" << "bank" << "letter 2";
        QTest::newRow("control character") << u"bank\u0007ba"_s << "bankba" << "bank" << "letter 5";
        QTest::newRow("right to left") << u"bank\u05d0"_s << "bankba" << "bank" << "letter 5; 1 letter missing after letter 5";
        QTest::newRow("letters of a 10,000 letter paste") << QString(10000, 'x') << "bankba" << "bank" << "letters 1 to 60";
        // clang-format on
    }
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
    void sentenceRules_data() { addRows("sentenceRules"); }
    void sentenceRules() {
        QFETCH(QString, sentence);
        QFETCH(QString, typed);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, marks);
        const Hint::Result hint =
            Hint::forSentence(typed, SentenceDrill(lesson4::sentences()).key(sentence.toInt()));
        QCOMPARE(hint.kind, kindNamed(kind));
        QCOMPARE(hint.text, text);
        QCOMPARE(hint.marks.spoken(), marks);
    }

    // Why after Solution, for a few answers as a teacher would say it.
    void why_data() { addRows("why"); }
    void why() {
        QFETCH(QString, word);
        QFETCH(QString, answer);
        QFETCH(QString, why);
        QCOMPARE(Why::forWord(word, answer).text, why);
    }

    // The dictionary's form of every base word of 1/a, 1/b and 2/a by the row's example, read
    // by it as that noun, typed where the drill asks another: the hint names the ending.
    void dictionaryFormsAreNamed_data() { addRows("dictionary"); }
    void dictionaryFormsAreNamed() {
        QFETCH(QString, named);
        const QByteArray example = QTest::currentDataTag();
        int tried = 0;
        QStringList unnamed;
        for (const char16_t* window : {u"k04d1a", u"k04d1b", u"k04d2a"}) {
            for (const WordItem& item : lesson4::words(window).list.items) {
                const QString word = QString::fromUtf16(item.word);
                const QString answer = QString::fromUtf16(item.answer);
                const QString base = word.section(' ', -1), front = word.chopped(base.size());
                const QStringList forms = listed([&](char*** list) {
                    return Hunspell_generate(dictionary(), list, base.toUtf8(), example);
                });
                // The forms of the case asked are the drill's own, right or wrong.
                if (forms.contains(answer.section(' ', -1)))
                    continue;
                for (const QString& form : forms) {
                    const QString readings =
                        listed([&](char*** list) {
                            return Hunspell_analyze(dictionary(), list, form.toUtf8());
                        }).join('\n');
                    if (form == base || !readings.contains(" st:" + base + " po:noun"))
                        continue;
                    ++tried;
                    const Hint::Result hint = Hint::forWord(front + form, answer, word);
                    if (hint.kind != Hint::Kind::WrongCase || !hint.text.startsWith(named))
                        unnamed << front + form + " for " + answer + ": " + hint.text;
                }
            }
        }
        QCOMPARE(unnamed, QStringList());
        qInfo("%d forms tried", tried);
        QVERIFY(tried >= 60);
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
