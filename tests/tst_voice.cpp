// The voice's own thread with the real Hungarian voice and outputs that stand in for the
// sound server: a new step cuts the last short, Stop silences it, the end of the program
// stops it, and a sound server that fails is asked again until it answers. Qt Core only;
// the same tests run built with ThreadSanitizer.
#include "platform/espeakspeaker.h"

#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

using namespace kerbu;
using Clock = std::chrono::steady_clock;

namespace {

// What the outputs did, in order: "open", "fail" (an open or a write that failed), "w"
// (a piece written), "flush", "gone" (the output destroyed); written from the voice's thread.
struct Log {
    std::mutex mutex;
    std::condition_variable changed;
    QStringList events;
    std::vector<Clock::time_point> opened;

    void add(const QString& event) {
        const std::lock_guard lock(mutex);
        events << event;
        if (event == QLatin1String("open") || event == QLatin1String("fail open"))
            opened.push_back(Clock::now());
        changed.notify_all();
    }
    // Waits until the events hold `count` of `event`; false after ten seconds.
    bool waitFor(const QString& event, int count = 1) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10),
                                [&] { return events.count(event) >= count; });
    }
    QStringList copy() {
        const std::lock_guard lock(mutex);
        return events;
    }
};

// Takes its time as a sound server does (a millisecond for each piece), and fails as told:
// the opens listed fail, and the one open after them fails at its writeFails-th write.
class StandIn : public SoundOutput {
  public:
    StandIn(std::shared_ptr<Log> log, bool opens, int writeFails)
        : log_(std::move(log)), opens_(opens), writeFails_(writeFails) {}
    ~StandIn() override { log_->add("gone"); }
    QString open(int) override {
        log_->add(opens_ ? "open" : "fail open");
        return opens_ ? QString() : QStringLiteral("No sound server answers.");
    }
    bool write(const short*, int) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (--writeFails_ == 0) {
            log_->add("fail write");
            return false;
        }
        log_->add("w");
        return true;
    }
    void flush() override { log_->add("flush"); }

  private:
    std::shared_ptr<Log> log_;
    bool opens_;
    int writeFails_;
};

// A speaker whose outputs are stand-ins: the first `failingOpens` fail to open, the one
// after them fails at its writeFails-th write (0: never).
std::unique_ptr<EspeakSpeaker> speakerWith(const std::shared_ptr<Log>& log, int failingOpens = 0,
                                           int writeFails = 0) {
    auto made = std::make_shared<int>(0);
    return std::make_unique<EspeakSpeaker>(QStringLiteral("espeak-ng"), [=] {
        const int n = (*made)++;
        return std::make_unique<StandIn>(log, n >= failingOpens,
                                         n == failingOpens ? writeFails : 0);
    });
}

const QString longText = QStringLiteral("Kati a bankba megy, János a könyvtárban olvas.");

} // namespace

class VoiceTest : public QObject {
    Q_OBJECT

  private slots:
    // Stop, the end of the program or a new step in the middle of a word: the output is
    // flushed, and before that at most the piece on its way is written (and one that may have
    // ended meanwhile); after it nothing, or the new step's short word alone (the two texts
    // of the first step would take some seven hundred pieces). The voice speaks again after.
    void cutShort_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("stop") << 0;
        QTest::newRow("new step") << 1;
        QTest::newRow("end of the program") << 2;
    }
    void cutShort() {
        QFETCH(int, how);
        auto log = std::make_shared<Log>();
        auto speaker = speakerWith(log);
        speaker->say({longText, longText});
        QVERIFY(log->waitFor("w", 10));
        const int before = int(log->copy().size());
        if (how == 0)
            speaker->stop();
        else if (how == 1)
            speaker->say({QStringLiteral("szálloda")});
        else
            speaker.reset();
        QVERIFY(log->waitFor("flush", 2));
        QTest::qWait(300); // time for anything wrongly said after the flush
        const QStringList after = log->copy().mid(before);
        const qsizetype afterFlush = after.mid(after.indexOf("flush") + 1).count("w");
        QVERIFY2(after.indexOf("flush") <= 2, qPrintable(after.join(' ')));
        QVERIFY2(how == 1 ? afterFlush > 5 && afterFlush < 300 : afterFlush == 0,
                 qPrintable(after.join(' ')));
        if (how == 0) {
            speaker->say({QStringLiteral("szálloda")});
            QVERIFY(log->waitFor("w", log->copy().count("w") + 5));
        }
    }

    // No sound server at first: the problem is told, the server asked again at most once a
    // second until it answers, and then the problem is gone. A server that stops in the
    // middle of a word is met the same way.
    void aFailingServerIsAskedAgain() {
        auto log = std::make_shared<Log>();
        auto speaker = speakerWith(log, 2, 20);
        QSignalSpy found(speaker.get(), &Speaker::problemFound);
        QSignalSpy gone(speaker.get(), &Speaker::problemGone);
        speaker->say({longText}); // asked before the voice knows it cannot be heard
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 5000);
        QCOMPARE(speaker->problem(), QString("No sound server answers."));
        speaker->say({longText}); // not said while the voice cannot be heard
        QTRY_COMPARE_WITH_TIMEOUT(gone.count(), 1, 5000);
        QCOMPARE(log->copy().count("w"), 0);
        speaker->say({longText});
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 2, 5000);
        QCOMPARE(speaker->problem(), QString("The sound server stopped."));
        QTRY_COMPARE_WITH_TIMEOUT(gone.count(), 2, 5000);
        // The voice is heard again.
        const int written = int(log->copy().count("w"));
        speaker->say({longText});
        QVERIFY(log->waitFor("w", written + 5));
        const std::lock_guard lock(log->mutex);
        QCOMPARE(log->opened.size(), std::size_t(4));
        for (std::size_t n = 1; n < log->opened.size(); ++n)
            QVERIFY(log->opened[n] - log->opened[n - 1] > std::chrono::milliseconds(900));
    }
};

QTEST_GUILESS_MAIN(VoiceTest)
#include "tst_voice.moc"
