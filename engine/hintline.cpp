#include "hintline.h"

#include "model/mistakes.h"
#include "platform/colours.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace kerbu {

namespace {

// One letter as it may be shown: a hidden or control character as U+FFFD, at most a few
// accents on a letter.
QString shownLetter(const QString& letter, bool& rightToLeft) {
    constexpr qsizetype accents = 4;
    QString shown;
    for (const QChar c : letter.left(accents)) {
        shown += isHiddenCharacter(c) ? QChar(QChar::ReplacementCharacter) : c;
        rightToLeft = rightToLeft || isRightToLeft(c);
    }
    if (!shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    if (shown.isEmpty() || (shown.front().isLowSurrogate()))
        shown = QChar(QChar::ReplacementCharacter);
    return shown;
}

QString markSpan(const QString& text) {
    return QStringLiteral("<span style=\"color:%1; font-weight:bold; text-decoration:underline\">"
                          "%2</span>")
        .arg(colours::markRed.name(), text);
}

} // namespace

QString markedHtml(const MarkedText& marks, bool onlyMarkedWords) {
    // The words of a sentence that carry a mark; the others may stand as "…".
    std::vector<bool> marked;
    for (const MarkedText::Letter& l : marks.letters()) {
        if (l.word < 0)
            continue;
        marked.resize(std::max(marked.size(), std::size_t(l.word) + 1));
        marked[std::size_t(l.word)] =
            marked[std::size_t(l.word)] || l.wrong || l.missingBefore > 0 || l.missingAfter > 0;
    }
    QString html;
    bool rightToLeft = false;
    bool skipping = false;
    for (const MarkedText::Letter& l : marks.letters()) {
        const bool skipped =
            onlyMarkedWords && !l.wrong && (l.word < 0 || !marked[std::size_t(l.word)]);
        if (skipped) {
            if (!skipping)
                html += QStringLiteral("…");
            skipping = true;
            continue;
        }
        skipping = false;
        if (l.missingBefore > 0)
            html += markSpan(QStringLiteral("_"));
        const QString shown = shownLetter(l.text, rightToLeft);
        if (l.wrong)
            html += markSpan(shown == QLatin1String(" ") ? QStringLiteral("\u2423")
                                                         : shown.toHtmlEscaped());
        else
            html += shown.toHtmlEscaped();
        if (l.missingAfter > 0)
            html += markSpan(QStringLiteral("_"));
    }
    if (marks.isCut() && !skipping)
        html += QStringLiteral("…");
    // First-strong isolate: the typed text keeps its own direction inside, the line its own.
    return rightToLeft ? QChar(0x2068) + html + QChar(0x2069) : html;
}

QString markedSpoken(const MarkedText& marks) {
    QString typed;
    bool rightToLeft = false;
    for (const MarkedText::Letter& l : marks.letters())
        typed += shownLetter(l.text, rightToLeft);
    if (marks.isCut())
        typed += QStringLiteral("…");
    return marks.hasMarks() ? QStringLiteral("%1, marked: %2").arg(typed, marks.spoken()) : typed;
}

HintLine::HintLine(QWidget* parent, const ControlDesign& design) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(design.look.align);
    applyDesign(this, design);
}

void HintLine::showHint(const MarkedText& marks, const QString& hint) {
    if (!marks.hasMarks())
        fit({QString()}, hint);
    else
        // A long sentence shows only its marked words where the whole does not fit.
        fit({QStringLiteral("“%1” ").arg(markedHtml(marks)),
             QStringLiteral("“%1” ").arg(markedHtml(marks, true))},
            hint);
    setAccessibleName(QStringLiteral("Hint: ") + spokenHint(marks, hint));
}

QString HintLine::spokenHint(const MarkedText& marks, const QString& hint) {
    return marks.hasMarks() ? QStringLiteral("%1. %2").arg(markedSpoken(marks), hint) : hint;
}

void HintLine::showWhy(const QString& why) {
    fit({QString()}, why);
    setAccessibleName(QStringLiteral("Why: ") + why);
}

void HintLine::fit(const QStringList& heads, const QString& text) {
    // An ending such as -ban stays whole at the end of a line.
    const auto shown = [](const QString& plain) {
        static const QRegularExpression ending(QStringLiteral("(^|[ /(])-(?=\\w)"));
        return plain.toHtmlEscaped().replace(ending, QStringLiteral("\\1-\u2060"));
    };
    setToolTip(heads.front() + shown(text));
    const QStringList words = text.split(QLatin1Char(' '));
    // The most words that fit, after the fullest head that leaves room for the hint, and
    // "…" for the rest.
    for (qsizetype n = words.size(); n >= 0; --n) {
        for (const QString& head : heads) {
            setText(head + (n == words.size() ? shown(text)
                                              : shown(words.mid(0, n).join(QLatin1Char(' ')) +
                                                      QStringLiteral("…"))));
            if (heightForWidth(width()) <= height())
                return;
        }
    }
}

} // namespace kerbu
