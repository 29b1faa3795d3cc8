#include "harness.h"

#include "engine/hint.h"
#include "engine/texts.h"
#include "shell/application.h"
#include "shell/sobre.h"

#include <QApplication>
#include <QTest>

namespace test {

kerbu::RecordingServices& recorder() {
    static kerbu::RecordingServices services;
    return services;
}

void freshStart(quint64 seed) {
    static bool setUp = false;
    if (!setUp) {
        kerbu::quietOffscreenNotes();
        kerbu::setUpApplication();
        setUp = true;
    }
    kerbu::windows().clear();
    kerbu::Sobre::splashDone = false;
    kerbu::Hint::wanted = false;
    kerbu::shared() = kerbu::SharedTexts{};
    recorder().clear();
    recorder().onMessage = nullptr;
    kerbu::setServices(&recorder());
    kerbu::services().random().seed(seed);
}

kerbu::FormWindow* openWindow(kerbu::WindowId id) {
    kerbu::windows().open(id, nullptr);
    kerbu::FormWindow* window = kerbu::windows().get(id);
    if (window && !QTest::qWaitForWindowActive(window))
        qWarning("window %s did not become active", qPrintable(window->objectName()));
    return window;
}

kerbu::DrillWindow* openDrill(kerbu::WindowId id) {
    return qobject_cast<kerbu::DrillWindow*>(openWindow(id));
}

void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void typeKeys(QWidget* widget, const QString& text, kerbu::KeyTable keys) {
    // The keys of the learner's chart, and of the smaller table of three boxes.
    static const QString chartLetters = QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
    static const QString chartKeys = QStringLiteral("';`=0[]-\\\":~+){}_|");
    static const QString shortLetters = QStringLiteral("áéíóöőúüű");
    static const QString shortKeys = QStringLiteral("';`\\[-/]=");
    QString keyed;
    for (const QChar c : text) {
        qsizetype at = -1;
        if (keys == kerbu::KeyTable::Hunkey) {
            at = chartLetters.indexOf(c);
            keyed += at >= 0 ? chartKeys.at(at) : c;
            continue;
        }
        if (keys == kerbu::KeyTable::Short || keys == kerbu::KeyTable::ShortWithCapitalE)
            at = shortLetters.indexOf(c);
        if (at >= 0)
            keyed += shortKeys.at(at);
        else if (keys == kerbu::KeyTable::ShortWithCapitalE && c == QChar(u'É'))
            keyed += QLatin1Char(':');
        else
            keyed += c;
    }
    type(widget, keyed);
}

QPushButton* button(kerbu::FormWindow* window, const char* name) {
    return window->control<QPushButton>(QString::fromLatin1(name));
}

QLineEdit* box(kerbu::FormWindow* window, const char* name) {
    return window->control<QLineEdit>(QString::fromLatin1(name));
}

void answerRight(kerbu::DrillWindow* window) {
    QLineEdit* word = box(window, "Text1");
    QLineEdit* ending = box(window, "Text2");
    word->clear();
    ending->setText(window->drill().answer());
    QTest::keyClick(ending, Qt::Key_Return);
}

void solveGap(kerbu::GapWindow* window) {
    const kerbu::Gap& g = window->gaps()[std::size_t(window->idx())];
    kerbu::TextBox* gap = window->gap(window->idx());
    if (g.check == kerbu::GapCheck::WithWordBox) {
        window->control<QLineEdit>(QString::fromLatin1(g.wordBox))->clear();
        gap->setText(QString::fromUtf16(g.whole));
    } else {
        gap->setText(QString::fromUtf16(g.expected));
    }
    QTest::keyClick(gap, Qt::Key_Return);
}

bool advanceTo(kerbu::DrillWindow* window, const QString& word) {
    for (int guard = 0; guard < 100; ++guard) {
        if (box(window, "Text1")->text() == word)
            return true;
        if (!button(window, "Command2")->isEnabled())
            return false;
        answerRight(window);
    }
    return false;
}

} // namespace test
