// The Hungarian voice: what each window asks it to say, the say-again key, the menu items
// where the voice cannot be used, a screen reader running, and the real voice itself.
#include "engine/comparisonwindow.h"
#include "platform/espeakspeaker.h"
#include "shell/exerciseframe.h"
#include "testsupport/harness.h"

#include <QAccessible>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>

using namespace kerbu;

namespace {

QAction* item(FormWindow* window, const char* name) {
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

// What the voice was asked to say since the last look, steps joined by " / ", texts by " | ".
QString heard() {
    auto& said = test::recorder().recordedSpeaker().said;
    QStringList steps;
    for (const QStringList& step : said)
        steps << step.join(" | ");
    said.clear();
    return steps.join(" / ");
}

} // namespace

class SpeechTest : public test::Suite {
    Q_OBJECT

  private slots:
    // With Read aloud on: Start says the item's word, Solution the whole right form, a
    // right answer the form accepted and then the next word, the key the last text again.
    void windowsSayTheHungarian_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QString>("right");
        const auto row = [](const char* window, const char* start, const char* solution,
                            const char* right) {
            QTest::newRow(window) << window << start << solution << right;
        };
        row("k04d1a", "étterem", "étterembe", "étterembe | lift");
        row("k04d1b", "szekrény", "szekrényre", "szekrényre | tér");
        row("k04d2a", "toll", "tollat", "tollat | autó");
        row("k04d2b", "huszonhárom", "huszonhármat", "huszonhármat | kilencven");
        row("k04d2c", "bolgár", "bolgárt", "bolgárt | arab");
        row("k04d3", "Kati", "Kati a bankba megy.", "Kati a bankba megy. | én");
        row("k04d4", "piros", "pirosat", "pirosat | zöld");
        row("k04d5", "ing", "inget", "inget | Kék");
    }
    void windowsSayTheHungarian() {
        QFETCH(QString, window);
        FormWindow* shown = test::openWindow(window);
        item(shown, "mnuReadAloud")->trigger();
        QVERIFY(test::recorder().recordedSpeaker().prepared > 0);
        test::button(shown, test::Role::Start)->click();
        QTEST(heard(), "start");
        test::button(shown, test::Role::Solution)->click();
        QTEST(heard(), "solution");
        test::answerRight(shown);
        QFETCH(QString, right);
        QCOMPARE(heard(), right);
        QTest::keyClick(shown->focusWidget(), Qt::Key_F5);
        QCOMPARE(heard(), right.section(" | ", 1)); // the next word
        // Switched off, nothing is said by itself; the key still says the last text.
        item(shown, "mnuReadAloud")->trigger();
        test::answerRight(shown);
        QCOMPARE(heard(), QString());
        QTest::keyClick(shown->focusWidget(), Qt::Key_F5);
        QVERIFY(!heard().isEmpty());
    }

    // Read aloud holds from window to window. The sentence of 3 is said as accepted:
    // blanks collapsed, the capital put in.
    void theSentenceIsSaidAsTyped() {
        item(test::openWindow("k04d1a"), "mnuReadAloud")->trigger();
        FormWindow* shown = test::openWindow("k04d3");
        QVERIFY(item(shown, "mnuReadAloud")->isChecked());
        test::button(shown, test::Role::Start)->click();
        heard();
        test::type(test::box(shown, test::Role::Ending), "kati  a bankba megy.");
        test::enter(test::box(shown, test::Role::Ending));
        QCOMPARE(heard(), QString("Kati a bankba megy. | én"));
    }

    // With a screen reader running, the voice waits for the key, so as not to speak over
    // what the screen reader says of the same step. The key works also while a message box
    // of the window is open: so a screen reader user hears the Hungarian on demand.
    void aScreenReaderIsNotSpokenOver() {
        test::recorder().screenReader = true;
        FormWindow* shown = test::openWindow("k04d1a");
        item(shown, "mnuReadAloud")->trigger();
        test::button(shown, test::Role::Start)->click();
        test::button(shown, test::Role::Solution)->click();
        QCOMPARE(heard(), QString());
        const auto box = makeMessageBox(shown, "Wrong.", "Kerbu", Icon::Exclamation);
        box->open();
        box->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == box.get());
        QTest::keyClick(box.get(), Qt::Key_F5);
        QCOMPARE(heard(), QString("étterembe"));
        box->close();
        // Asked at each step: with the screen reader gone, the next step is said.
        test::recorder().screenReader = false;
        test::answerRight(shown);
        QCOMPARE(heard(), QString("étterembe | lift"));
    }

    // Where the voice cannot be used, both items are greyed in every window and say why;
    // the key says nothing.
    void aMissingVoiceGreysTheItems() {
        FormWindow* shown = test::openWindow("k04d1a");
        item(shown, "mnuReadAloud")->trigger();
        // A screen reader has read the item before.
        QAccessible::queryAccessibleInterface(shown->findChild<QMenu*>("mnuOptions"))->child(4);
        test::recorder().recordedSpeaker().fail("No sound server answers.");
        for (const char* name : {"k04d1a", "k04d4"}) {
            FormWindow* window = test::openWindow(name);
            for (const char* action : {"mnuReadAloud", "mnuSayAgain"}) {
                QVERIFY(!item(window, action)->isEnabled());
                QCOMPARE(item(window, action)->toolTip(), QString("No sound server answers."));
            }
            // A screen reader reads the reason with each item of the menu.
            QAccessibleInterface* menu =
                QAccessible::queryAccessibleInterface(window->findChild<QMenu*>("mnuOptions"));
            QStringList described;
            for (int i = 0; i < menu->childCount(); ++i)
                described << menu->child(i)->text(QAccessible::Name) + ": " +
                                 menu->child(i)->text(QAccessible::Description);
            QCOMPARE(described.mid(4), QStringList({"Read aloud: No sound server answers.",
                                                    "Say again: No sound server answers.",
                                                    "Say it yourself: No sound server answers.",
                                                    "Say slowly: No sound server answers."}));
            QVERIFY(!item(window, "mnuReadAloud")->isChecked());
            test::button(window, test::Role::Start)->click();
            QTest::keyClick(window->focusWidget(), Qt::Key_F5);
        }
        QCOMPARE(heard(), QString());
        // When the sound server answers again, both items come back, Read aloud unticked.
        test::recorder().recordedSpeaker().recover();
        QAccessibleInterface* readAloud =
            QAccessible::queryAccessibleInterface(
                test::openWindow("k04d4")->findChild<QMenu*>("mnuOptions"))
                ->child(4);
        QCOMPARE(readAloud->text(QAccessible::Description), QString());
        for (const char* action : {"mnuReadAloud", "mnuSayAgain"})
            QVERIFY(item(test::loaded("k04d4"), action)->isEnabled());
        QVERIFY(!item(test::loaded("k04d4"), "mnuReadAloud")->isChecked());
    }

    // The voice falls silent when Read aloud is unticked and when the window goes: Close,
    // a go-to button, the title-bar close box.
    void theVoiceStopsWhenAsked_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"untick", "Clos&e", "1&b", "close box"})
            QTest::newRow(how) << how;
    }
    void theVoiceStopsWhenAsked() {
        QFETCH(QString, how);
        FormWindow* shown = test::openWindow("k04d1a");
        item(shown, "mnuReadAloud")->trigger();
        test::button(shown, test::Role::Start)->click();
        const int stops = test::recorder().recordedSpeaker().stops;
        if (how == "untick")
            item(shown, "mnuReadAloud")->trigger();
        else if (how == "close box")
            shown->close();
        for (QPushButton* b : shown->findChildren<QPushButton*>()) {
            if (b->text() == how)
                b->click();
        }
        QCOMPARE(test::recorder().recordedSpeaker().stops, stops + 1);
    }

    // Say it yourself, in each kind of window: greyed with the reason until a right form has
    // been met; then the key gives the tone and records, the key again ends it, and the
    // recording is played with the form after it; the two lengths are read. The next answer
    // takes the comparison away. Say slowly says the last text again slowly. With a screen
    // reader, the tone waits until it has read that the recording starts.
    void sayItYourself_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("bySolution");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("last"); // the last text said, which Say slowly says
        QTest::addColumn<bool>("reader");
        QTest::newRow("1/a right") << "k04d1a" << false << "étterembe"
                                   << "lift" << false;
        QTest::newRow("1/a solution") << "k04d1a" << true << "étterembe"
                                      << "étterembe" << false;
        QTest::newRow("3 right") << "k04d3" << false << "Kati a bankba megy."
                                 << "én" << false;
        QTest::newRow("4 solution, screen reader") << "k04d4" << true << "pirosat"
                                                   << "pirosat" << true;
    }
    void sayItYourself() {
        QFETCH(QString, window);
        QFETCH(bool, bySolution);
        QFETCH(bool, reader);
        auto* shown = static_cast<ExerciseWindow*>(test::openWindow(window));
        QAction* yourself = item(shown, "mnuSayYourself");
        test::button(shown, test::Role::Start)->click();
        QVERIFY(!yourself->isEnabled());
        QCOMPARE(yourself->toolTip(), QString("Answer first, then say it."));
        if (bySolution)
            test::button(shown, test::Role::Solution)->click();
        else
            test::answerRight(shown);
        QVERIFY(yourself->isEnabled());
        RecordingSpeaker& speaker = test::recorder().recordedSpeaker();
        RecordingRecorder& microphone = test::recorder().recordingRecorder();
        test::recorder().screenReader = reader;
        QTest::keyClick(shown->focusWidget(), Qt::Key_F6);
        ComparisonWindow* comparison = shown->comparisonWindow();
        if (reader) {
            QTest::qWait(1200);
            QCOMPARE(speaker.tones, 0);
            QVERIFY(!test::recorder().announced.empty() &&
                    test::recorder().announced.back() == comparison);
        }
        QTRY_COMPARE(microphone.records, 1);
        QCOMPARE(speaker.tones, 1);
        QVERIFY(comparison->isVisible());
        QCOMPARE(comparison->said(), QString("Recording. Press F6 to stop."));
        QTest::keyClick(shown->focusWidget(), Qt::Key_F6);
        QFETCH(QString, model);
        QCOMPARE(speaker.played, (std::vector<std::pair<int, QString>>{{1000, model}}));
        QCOMPARE(comparison->said(), QString("You: 1.0 seconds; the voice: 0.5 seconds"));
        QCOMPARE(comparison->accessibleName(), comparison->said());
        test::answerWrong(shown, "xyz");
        QVERIFY(!comparison->isVisible());
        QTest::keyClick(shown->focusWidget(), Qt::Key_F5, Qt::ShiftModifier);
        QFETCH(QString, last);
        QCOMPARE(speaker.slowly, QStringList{last});
    }

    // The two traces stand beside every exercise (no Hints line holds two readable traces),
    // on the screen, at 100 % and 200 %; the longest lengths fit beside readable traces.
    void tracesStandBesideAndFit() {
        for (const QString& id : test::exercises) {
            auto* shown = static_cast<ExerciseWindow*>(test::openWindow(id));
            test::button(shown, test::Role::Start)->click();
            test::button(shown, test::Role::Solution)->click();
            QTest::keyClick(shown->focusWidget(), Qt::Key_F6);
            ComparisonWindow* comparison = shown->comparisonWindow();
            // The test's screen leaves room beside every exercise at 100 %, none at 200 %.
            QVERIFY2(test::standsBeside(comparison->frameGeometry(), shown->frameGeometry()) ||
                         shown->devicePixelRatio() > 1,
                     qPrintable(id));
            QVERIFY(shown->screen()->availableGeometry().contains(comparison->geometry()));
            comparison->showLearner(std::vector<float>(500, 0.5f), 10.0);
            comparison->showVoice(std::vector<float>(150, 0.5f), 2.96);
            const QFontMetrics metrics = comparison->fontMetrics();
            for (const ComparisonWindow::Trace& trace : comparison->traces()) {
                QVERIFY2(metrics.horizontalAdvance(trace.label) <= trace.labelRect.width() &&
                             metrics.height() <= trace.labelRect.height(),
                         qPrintable(id + ": " + trace.label));
                QVERIFY(trace.graph.width() >= 200 && trace.graph.height() >= metrics.height());
                QVERIFY(comparison->rect().contains(trace.graph) &&
                        !trace.graph.intersects(trace.labelRect));
            }
            QCOMPARE(comparison->traces()[0].label + ", " + comparison->traces()[1].label,
                     "You 10.0 s, Voice 3.0 s");
            shown->unloadForm();
        }
    }

    // Closed between the tone and the start of the recording, the window records nothing.
    void closedBeforeRecordingRecordsNothing() {
        FormWindow* shown = test::openWindow("k04d1a");
        test::button(shown, test::Role::Start)->click();
        test::answerRight(shown);
        QTest::keyClick(shown->focusWidget(), Qt::Key_F6);
        QTRY_COMPARE(test::recorder().recordedSpeaker().tones, 1);
        shown->control<QPushButton>("Command3")->click();
        QTest::qWait(400);
        QCOMPARE(test::recorder().recordingRecorder().records, 0);
    }

    // Without a microphone the item is greyed with the reason, whatever was answered.
    void noMicrophoneGreysTheItem() {
        auto* shown = static_cast<ExerciseWindow*>(test::openWindow("k04d1a"));
        test::button(shown, test::Role::Start)->click();
        test::answerRight(shown);
        // Found only as the recording starts: nothing is played, the window goes.
        QTest::keyClick(shown->focusWidget(), Qt::Key_F6);
        QTRY_COMPARE(test::recorder().recordingRecorder().records, 1);
        const QString why = "No microphone: the sound server has no input but its outputs.";
        test::recorder().recordingRecorder().fail(why);
        QVERIFY(test::recorder().recordedSpeaker().played.empty());
        QVERIFY(!shown->comparisonWindow()->isVisible());
        QVERIFY(!item(shown, "mnuSayYourself")->isEnabled());
        QCOMPARE(item(shown, "mnuSayYourself")->toolTip(), why);
        QTest::keyClick(shown->focusWidget(), Qt::Key_F6);
        QCOMPARE(test::recorder().recordingRecorder().records, 1);
    }

    // The real speaker finds out at the first use, off the windows' thread, and says why.
    void theRealSpeakerSaysWhatIsMissing_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QByteArray>("server");
        QTest::addColumn<QString>("why");
        QTest::newRow("voice") << "espeak-ng-missing" << QByteArray() << "The voice is not";
        QTest::newRow("server") << "espeak-ng" << QByteArray("unix:/none") << "No sound server";
    }
    void theRealSpeakerSaysWhatIsMissing() {
        QFETCH(QString, library);
        QFETCH(QByteArray, server);
        QFETCH(QString, why);
        if (!server.isEmpty())
            qputenv("PULSE_SERVER", server);
        EspeakSpeaker speaker(library);
        QSignalSpy found(&speaker, &Speaker::problemFound);
        speaker.say({"szálloda"});
        QVERIFY(found.wait(10000));
        QVERIFY2(speaker.problem().startsWith(why), qPrintable(speaker.problem()));
        speaker.say({"szállodába"});
        qunsetenv("PULSE_SERVER");
    }

    // The real voice says every word of the lesson, base word and answer, in a plausible
    // time at the learners' rate.
    void theVoiceSaysTheLessonsWords() {
        EspeakVoice voice;
        QCOMPARE(voice.load(), QString());
        for (const test::WordListData& list : test::lessonData().lists) {
            for (const test::WordEntry& entry : list.items) {
                for (const QString& word : {entry.word, entry.answer}) {
                    int samples = 0;
                    QVERIFY(voice.synthesize(word, [&samples](const short*, int count) {
                        samples += count;
                        return true;
                    }));
                    const double seconds = double(samples) / voice.sampleRate();
                    QVERIFY2(seconds > 0.2 && seconds < 3, qPrintable(word));
                }
            }
        }
    }

    // The voice keeps the vowels' length where the spelling has an accent: each vowel of
    // the word (the row's name) in espeak-ng's phonemes, long (with ː after it) or short.
    void theVoiceMarksLongVowels_data() {
        QTest::addColumn<QString>("lengths");
        for (const char* row : {"hetet ss", "hétet ls", "szállodába lsls", "kór l", "kor s",
                                "bankba ss", "hármat ls", "tizet ss"})
            QTest::newRow(QByteArray(row).split(' ')[0]) << QString(row).section(' ', 1);
    }
    void theVoiceMarksLongVowels() {
        EspeakVoice voice;
        QCOMPARE(voice.load(), QString());
        const QString ipa = voice.phonemes(QString::fromUtf8(QTest::currentDataTag()));
        QString lengths;
        for (qsizetype i = 0; i < ipa.size(); ++i) {
            if (QStringLiteral("aeiouyɛɒɑøɔ").contains(ipa[i]))
                lengths += ipa.mid(i + 1, 1) == QStringLiteral("ː") ? 'l' : 's';
        }
        QTEST(lengths, "lengths");
    }

    // Access keys stay unique within each menu of every exercise window.
    void accessKeysAreUnique() {
        for (const QString& name : test::exercises) {
            FormWindow* window = test::openWindow(name);
            for (QMenu* menu : window->findChildren<QMenu*>()) {
                QSet<QChar> keys;
                for (QAction* action : menu->actions()) {
                    const QChar key = action->text().section('&', 1).front().toLower();
                    QVERIFY2(!key.isNull() && !keys.contains(key), qPrintable(action->text()));
                    keys.insert(key);
                }
            }
        }
    }
};

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
