#include "marks.h"

#include "editcosts.h"
#include "words.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace kerbu {

namespace {

// "letter 3", "letters 3 and 4", "letters 3 to 6".
QString run(int first, int last) {
    if (first == last)
        return QStringLiteral("letter %1").arg(first);
    return QStringLiteral("letters %1 %2 %3")
        .arg(first)
        .arg(last == first + 1 ? QStringLiteral("and") : QStringLiteral("to"))
        .arg(last);
}

QString missing(int count, const QString& where) {
    return (count == 1 ? QStringLiteral("1 letter missing ")
                       : QStringLiteral("%1 letters missing ").arg(count)) +
           where;
}

bool isBlank(const QString& letter) {
    return letter == QLatin1String(" ");
}

} // namespace

QStringList MarkedText::lettersOf(const QString& text) {
    QStringList letters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype from = 0;
    while (finder.toNextBoundary() != -1 && letters.size() <= kept) {
        letters << text.mid(from, finder.position() - from);
        from = finder.position();
    }
    return letters;
}

MarkedText MarkedText::unmarked(const QString& typed) {
    MarkedText marked;
    QStringList letters = lettersOf(typed.normalized(QString::NormalizationForm_C));
    marked.cut_ = letters.size() > kept;
    if (marked.cut_)
        letters = letters.mid(0, kept);
    int word = 0;
    for (const QString& letter : letters) {
        if (isBlank(letter) && !marked.letters_.empty() && marked.letters_.back().word >= 0)
            ++word;
        marked.letters_.push_back({.text = letter, .word = isBlank(letter) ? -1 : word});
    }
    return marked;
}

MarkedText MarkedText::compared(const QString& typed, const QString& answer) {
    MarkedText marked = unmarked(typed);
    marked.compare(0, int(marked.letters_.size()),
                   lettersOf(answer.normalized(QString::NormalizationForm_C)));
    return marked;
}

MarkedText MarkedText::lastMarked(const QString& typed, int count) {
    MarkedText marked = unmarked(typed);
    // The end of a text cut short is not shown, nor marked.
    if (!marked.cut_) {
        const int size = int(marked.letters_.size());
        for (int i = std::max(size - count, 0); i < size; ++i)
            marked.letters_[std::size_t(i)].wrong = true;
    }
    return marked;
}

MarkedText MarkedText::byWords(const QString& typed, const QString& answer) {
    MarkedText marked = unmarked(typed);
    marked.byWords_ = true;
    // Where each typed word stands among the letters, and its text.
    struct Span {
        int first;
        int count;
    };
    std::vector<Span> typedWords;
    QStringList typedText;
    for (int i = 0; i < int(marked.letters_.size()); ++i) {
        const Letter& l = marked.letters_[std::size_t(i)];
        if (l.word < 0)
            continue;
        if (int(typedWords.size()) <= l.word) {
            typedWords.push_back({i, 0});
            typedText << QString();
        }
        ++typedWords.back().count;
        typedText.back() += l.text;
    }
    const QStringList right = blankSeparated(answer.normalized(QString::NormalizationForm_C));
    const auto wordOf = [&](std::size_t k) -> const QString& { return typedText[qsizetype(k)]; };
    const std::size_t n = typedWords.size();
    const std::size_t m = std::size_t(right.size());
    const auto cost = editCosts(
        n, m, [&](std::size_t i, std::size_t j) { return wordOf(i) == right[qsizetype(j)]; });
    // Back from the end: a word too many or missing is taken as late as it can be, where
    // a reader of the sentence from its start finds it.
    std::size_t i = n;
    std::size_t j = m;
    while (i > 0 || j > 0) {
        if (i > 0 && cost[i][j] == cost[i - 1][j] + 1) {
            --i;
            for (int k = 0; k < typedWords[i].count; ++k)
                marked.letters_[std::size_t(typedWords[i].first + k)].wrong = true;
        } else if (j > 0 && cost[i][j] == cost[i][j - 1] + 1) {
            --j;
            // A whole word missing: marked in front of the next typed word, or at the end.
            const int count = int(lettersOf(right[qsizetype(j)]).size());
            if (i < n)
                marked.letters_[std::size_t(typedWords[i].first)].missingBefore += count;
            else if (n > 0)
                marked.letters_[std::size_t(typedWords[n - 1].first + typedWords[n - 1].count - 1)]
                    .missingAfter += count;
        } else {
            --i;
            --j;
            if (wordOf(i) != right[qsizetype(j)])
                marked.compare(typedWords[i].first, typedWords[i].count,
                               lettersOf(right[qsizetype(j)]));
        }
    }
    return marked;
}

void MarkedText::compare(int first, int count, const QStringList& answer) {
    const std::size_t n = std::size_t(count);
    const std::size_t m = std::size_t(answer.size());
    auto typedAt = [&](std::size_t i) -> const QString& {
        return letters_[std::size_t(first) + i].text;
    };
    const auto cost = editCosts(
        n, m, [&](std::size_t i, std::size_t j) { return typedAt(i) == answer[qsizetype(j)]; });
    // Back from the end: a letter right, letters missing, a changed letter, or a letter too
    // many. Missing letters come first, so a vowel kept before an ending is marked as one
    // too many and the ending's letters as missing after it (háromt for hármat).
    std::size_t i = n;
    std::size_t j = m;
    while (i > 0 || j > 0) {
        const bool same = i > 0 && j > 0 && typedAt(i - 1) == answer[qsizetype(j - 1)];
        if (same && cost[i][j] == cost[i - 1][j - 1]) {
            --i;
            --j;
        } else if (j > 0 && cost[i][j] == cost[i][j - 1] + 1) {
            --j;
            if (i < n)
                ++letters_[std::size_t(first) + i].missingBefore;
            else if (n > 0)
                ++letters_[std::size_t(first) + n - 1].missingAfter;
        } else if (i > 0 && j > 0 && cost[i][j] == cost[i - 1][j - 1] + 1) {
            --i;
            --j;
            letters_[std::size_t(first) + i].wrong = true;
        } else {
            --i;
            letters_[std::size_t(first) + i].wrong = true;
        }
    }
}

void MarkedText::markWord(int word, const MarkedText& marks) {
    std::size_t k = 0;
    for (Letter& l : letters_) {
        if (l.word != word || k >= marks.letters_.size())
            continue;
        const Letter& from = marks.letters_[k++];
        l.wrong = from.wrong;
        l.missingBefore = from.missingBefore;
        l.missingAfter = from.missingAfter;
    }
}

bool MarkedText::hasMarks() const {
    return std::any_of(letters_.begin(), letters_.end(), [](const Letter& l) {
        return l.wrong || l.missingBefore > 0 || l.missingAfter > 0;
    });
}

QString MarkedText::spoken() const {
    // Counted over the whole answer, or word by word in a sentence.
    QStringList phrases;
    int place = 0;
    int word = -1;
    int runStart = 0;
    QString wordPrefix;
    auto add = [&](const QString& phrase) {
        phrases << (phrases.isEmpty() || !wordPrefix.isEmpty() ? wordPrefix : QString()) + phrase;
        wordPrefix.clear();
    };
    for (std::size_t k = 0; k < letters_.size(); ++k) {
        const Letter& l = letters_[k];
        if (byWords_) {
            if (l.word < 0)
                continue;
            if (l.word != word) {
                word = l.word;
                place = 0;
                wordPrefix = QStringLiteral("word %1: ").arg(word + 1);
            }
        }
        ++place;
        if (l.missingBefore > 0)
            add(missing(l.missingBefore, QStringLiteral("before letter %1").arg(place)));
        const bool runGoesOn = k + 1 < letters_.size() && letters_[k + 1].wrong &&
                               letters_[k + 1].missingBefore == 0 &&
                               (!byWords_ || letters_[k + 1].word == l.word);
        if (l.wrong && (k == 0 || !letters_[k - 1].wrong || l.missingBefore > 0 ||
                        (byWords_ && letters_[k - 1].word != l.word)))
            runStart = place;
        if (l.wrong && !runGoesOn)
            add(run(runStart, place));
        if (l.missingAfter > 0)
            add(missing(l.missingAfter, QStringLiteral("after letter %1").arg(place)));
    }
    // A screen reader reads a short list; the line shows the rest.
    constexpr qsizetype said = 5;
    if (phrases.size() > said) {
        phrases = phrases.mid(0, said);
        phrases << QStringLiteral("and more");
    }
    return phrases.join(QStringLiteral("; "));
}

} // namespace kerbu
