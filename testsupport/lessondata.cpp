#include "lessondata.h"

#include <QFile>
#include <QTextStream>

namespace test {

const LessonData& lessonData() {
    static const LessonData data = [] {
        LessonData read;
        QFile file(QStringLiteral(KERBU_TEST_DATA "/lesson4.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot read the lesson data %s", qPrintable(file.fileName()));
        QStringList head; // of the section: its kind, its window, the normal run's length
        for (const QString& line : QTextStream(&file).readAll().split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QString kind = head.value(0);
            if (line.startsWith('[')) {
                head = line.mid(1, line.size() - 2).split(' ');
                if (head.value(0) == "words")
                    read.lists.append(
                        {.window = head.value(1), .normal = head.value(2).toInt(), .items = {}});
            } else if (kind == "words") {
                const QStringList parts = line.split(" -> ");
                read.lists.back().items.append({.word = parts.value(0), .answer = parts.value(1)});
            } else if (kind == "sentences") {
                const QStringList parts = line.split(" | ");
                read.sentences.append({.person = parts.value(0),
                                       .plain = parts.value(1),
                                       .withPronoun = parts.value(2)});
            } else if (kind == "gaps") {
                read.gapTexts[head.value(1)].append(line);
            }
        }
        return read;
    }();
    return data;
}

} // namespace test
