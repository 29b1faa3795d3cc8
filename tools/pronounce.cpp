// Says every text the voice says in the lesson to nobody (each word of the word drills, each
// sentence of exercise 3, each gap's whole word), as the program gives it to espeak-ng, and
// prints how long espeak-ng holds each sound, from its phoneme events:
//
//   kerbu-pronounce            <text> TAB <sound>:<ms> <sound>:<ms> ... for every text
//   kerbu-pronounce --plain    the same without Kerbu's pronunciation table
//   kerbu-pronounce --table    each row of the table: <text> TAB <its phonemes> TAB
//                              <espeak-ng's own phonemes of the text>
//   kerbu-pronounce WORD ...   only these texts
//
// The checks read it (tests/check_pronunciation.sh), and so does whoever measures the voice.

#include "model/lesson4.h"
#include "model/pronunciation.h"
#include "platform/espeakvoice.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <espeak-ng/speak_lib.h>

using namespace kerbu;

namespace {

// The sounds of the text being said, with where each began in the sound, in milliseconds.
std::vector<std::pair<QByteArray, int>> sounds;

int heard(short*, int, espeak_EVENT* event) {
    for (; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (event->type == espeakEVENT_PHONEME)
            sounds.emplace_back(QByteArray(event->id.string, int(qstrnlen(event->id.string, 8))),
                                event->audio_position);
        else if (event->type == espeakEVENT_END || event->type == espeakEVENT_MSG_TERMINATED)
            sounds.emplace_back(QByteArray("#"), event->audio_position);
    }
    return 0;
}

void measure(const QString& text, bool table) {
    const QByteArray said = (table ? pronunciation::forTheVoice(text) : text).toUtf8();
    sounds.clear();
    espeak_Synth(said.constData(), std::size_t(said.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8 | espeakPHONEMES, nullptr, nullptr);
    espeak_Synchronize();
    QStringList held;
    for (std::size_t i = 0; i + 1 < sounds.size(); ++i)
        held << QStringLiteral("%1:%2")
                    .arg(QString::fromLatin1(sounds[i].first))
                    .arg(sounds[i + 1].second - sounds[i].second);
    std::printf("%s\t%s\n", qPrintable(text), qPrintable(held.join(' ')));
}

QString ownPhonemes(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const void* rest = utf8.constData();
    QString result;
    while (rest) {
        if (const char* clause = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, 0))
            result += QString::fromUtf8(clause).trimmed();
    }
    return result;
}

// Every text the voice says in the lesson, once.
QStringList lessonTexts() {
    QStringList texts;
    for (const char16_t* window : {u"k04d1a", u"k04d1b", u"k04d2a", u"k04d2b", u"k04d2c"}) {
        for (const WordItem& item : lesson4::words(window).list.items)
            texts << QString::fromUtf16(item.word) << QString::fromUtf16(item.answer);
    }
    for (const Sentence& s : lesson4::sentences().sentences)
        texts << QString::fromUtf16(s.mond) << QString::fromUtf16(s.mond1);
    for (const char16_t* window : {u"k04d4", u"k04d5"}) {
        for (const Gap& g : lesson4::gapText(window).gaps)
            texts << (g.whole ? QString::fromUtf16(g.whole)
                              : QString::fromUtf16(g.word) + QString::fromUtf16(g.expected));
    }
    texts.removeDuplicates();
    return texts;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_PHONEME_EVENTS) <=
            0 ||
        espeak_SetVoiceByName("hu") != EE_OK) {
        std::fputs("kerbu-pronounce: espeak-ng or its Hungarian voice is missing\n", stderr);
        return 1;
    }
    espeak_SetParameter(espeakRATE, EspeakVoice::rate, 0);
    espeak_SetSynthCallback(heard);
    if (arguments.value(0) == QLatin1String("--table")) {
        for (const pronunciation::Row& row : pronunciation::rows()) {
            const QString text = QString::fromUtf16(row.text);
            std::printf("%s\t%s\t%s\n", qPrintable(text), row.phonemes,
                        qPrintable(ownPhonemes(text)));
        }
        return 0;
    }
    const bool table = arguments.removeAll(QStringLiteral("--plain")) == 0;
    for (const QString& text : arguments.isEmpty() ? lessonTexts() : arguments)
        measure(text, table);
    return 0;
}
