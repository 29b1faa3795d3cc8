#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace test {

// The lesson as the book prints it, read from the test data.
struct WordEntry {
    QString word, answer;
};
struct WordListData {
    QString window;
    int normal = 0;
    QList<WordEntry> items;
};
struct SentenceData {
    QString person, plain, withPronoun;
};
struct LessonData {
    QList<WordListData> lists;
    QList<SentenceData> sentences;
    QMap<QString, QStringList> gapTexts; // window name: its lines
};
const LessonData& lessonData();

} // namespace test
