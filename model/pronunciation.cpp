#include "pronunciation.h"

#include <QRegularExpression>
#include <algorithm>

namespace kerbu::pronunciation {

namespace {

// Measured from espeak-ng 1.51's phoneme events at the voice's rate: a long vowel held less
// than 1.3 times the lesson's median short vowel (120 ms), or a break of about 28 ms between
// r and m. One ":" more holds a long vowel about 40 ms longer.
// clang-format off
constexpr Row table[] = {
    {.text = u"boríték", .phonemes = "b'oR2i::te:k", .mends = "í of boríték too short"},
    {.text = u"borítékot", .phonemes = "b'oR2i::te:kot", .mends = "í of borítékot too short"},
    {.text = u"Gellérthegy", .phonemes = "g'Elle::R2thEJ", .mends = "é of Gellérthegy too short"},
    {.text = u"Gellérthegyre", .phonemes = "g'Elle::R2thEJRE", .mends = "é of Gellérthegyre too short"},
    {.text = u"harminc", .phonemes = "h'AR2mints", .mends = "a break between r and m"},
    {.text = u"harmincat", .phonemes = "h'AR2mintsAt", .mends = "a break between r and m"},
    {.text = u"harminchatosat", .phonemes = "h'AR2mintshAtoSAt", .mends = "a break between r and m"},
    {.text = u"harminckilenc", .phonemes = "h'AR2mintskilEnts", .mends = "a break between r and m"},
    {.text = u"harminckilencet", .phonemes = "h'AR2mintskilEntsEt", .mends = "a break between r and m"},
    {.text = u"harmincnyolcasat", .phonemes = "h'AR2mintsn^oltsASAt", .mends = "a break between r and m"},
    {.text = u"huszonhármat", .phonemes = "h'usonha:R2mAt", .mends = "a break between r and m"},
    {.text = u"hármat", .phonemes = "h'a:R2mAt", .mends = "a break between r and m"},
    {.text = u"magyaróra", .phonemes = "m'AJAR2o::R2A", .mends = "ó of magyaróra too short"},
    {.text = u"magyarórára", .phonemes = "m'AJAR2o::R2a::R2A", .mends = "ó and á of magyarórára too short"},
    {.text = u"nadrágot", .phonemes = "n'AdR2a::got", .mends = "á of nadrágot too short"},
    {.text = u"pulóver", .phonemes = "p'ulo::vER2", .mends = "ó of pulóver too short"},
    {.text = u"pulóvert", .phonemes = "p'ulo::vER2t", .mends = "ó of pulóvert too short"},
    {.text = u"rendelőbe", .phonemes = "R2'EndElY::bE", .mends = "ő of rendelőbe too short"},
    {.text = u"repülőtérre", .phonemes = "R2'EpylY:te::R2RE", .mends = "é of repülőtérre too short"},
    {.text = u"stúdióba", .phonemes = "St'u:di;o::bA", .mends = "ó of stúdióba too short"},
    {.text = u"szekrény", .phonemes = "s'EkR2e::n^", .mends = "é of szekrény too short"},
    {.text = u"szekrényre", .phonemes = "s'EkR2e::n^RE", .mends = "é of szekrényre too short"},
    {.text = u"szekrényt", .phonemes = "s'EkR2e::n^t", .mends = "é of szekrényt too short"},
    {.text = u"termet", .phonemes = "t'ER2mEt", .mends = "a break between r and m"},
    {.text = u"tizenhármat", .phonemes = "t'izEnha:R2mAt", .mends = "a break between r and m"},
    {.text = u"tizennégy", .phonemes = "t'izEnne::J", .mends = "é of tizennégy too short"},
    {.text = u"tizennégyet", .phonemes = "t'izEnne::JEt", .mends = "é of tizennégyet too short"},
    {.text = u"világos", .phonemes = "v'ila::goS", .mends = "á of világos too short"},
    {.text = u"világosat", .phonemes = "v'ila::goSAt", .mends = "á of világosat too short"},
    {.text = u"éttermet", .phonemes = "_!'e:t:ER2mEt", .mends = "a break between r and m"},
    {.text = u"ötvenhármat", .phonemes = "_!'YtvEnha:R2mAt", .mends = "a break between r and m"},
};
// clang-format on

} // namespace

std::span<const Row> rows() {
    return table;
}

QString forTheVoice(QString text) {
    text.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    QString said;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : word.globalMatch(text)) {
        const auto row = std::find_if(std::begin(table), std::end(table), [&](const Row& r) {
            return m.captured().compare(QString::fromUtf16(r.text), Qt::CaseInsensitive) == 0;
        });
        if (row == std::end(table))
            continue;
        said += text.mid(done, m.capturedStart() - done) + QStringLiteral("[[") +
                QLatin1String(row->phonemes) + QStringLiteral("]]");
        done = m.capturedEnd();
    }
    return said + text.mid(done);
}

} // namespace kerbu::pronunciation
