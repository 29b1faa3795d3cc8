#include "espeakspeaker.h"

namespace kerbu {

EspeakSpeaker::EspeakSpeaker(QString library, MakeOutput makeOutput)
    : library_(std::move(library)), makeOutput_(std::move(makeOutput)) {
    if (!makeOutput_)
        makeOutput_ = [] { return std::make_unique<PulseOutput>(); };
}

EspeakSpeaker::~EspeakSpeaker() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        ++step_;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void EspeakSpeaker::prepare() {
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
}

void EspeakSpeaker::say(const QStringList& texts) {
    if (!problem().isEmpty())
        return;
    prepare();
    {
        const std::lock_guard lock(mutex_);
        queue_.assign(texts.begin(), texts.end());
        ++step_;
    }
    wake_.notify_all();
}

QString EspeakSpeaker::setUp() {
    voice_ = std::make_unique<EspeakVoice>(library_);
    if (QString why = voice_->load(); !why.isEmpty())
        return why;
    output_ = makeOutput_();
    return output_->open(voice_->sampleRate());
}

void EspeakSpeaker::run() {
    if (const QString why = setUp(); !why.isEmpty()) {
        report(why);
        return;
    }
    unsigned lastStep = 0;
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
        if (quit_)
            return;
        const QString text = queue_.front();
        queue_.pop_front();
        const unsigned step = step_;
        lock.unlock();
        // A new step, also one that cut the last short: what of the last one is still
        // waiting in the output goes unheard.
        if (step != lastStep)
            output_->flush();
        lastStep = step;
        const bool heard = speak(text, step);
        lock.lock();
        if (!heard) {
            queue_.clear();
            lock.unlock();
            report(QStringLiteral("The sound server stopped."));
            return;
        }
    }
}

bool EspeakSpeaker::speak(const QString& text, unsigned step) {
    const auto current = [this, step] {
        const std::lock_guard lock(mutex_);
        return step == step_;
    };
    // Written 10 ms at a time, so that a newer step waits at most that long for the output.
    const int slice = std::max(voice_->sampleRate() / 100, 1);
    bool written = true;
    voice_->synthesize(text, [&](const short* samples, int count) {
        for (int done = 0; written && done < count; done += slice)
            written = current() && output_->write(samples + done, std::min(slice, count - done));
        return written;
    });
    // Cut short by a newer step is no failure of the output.
    return written || !current();
}

void EspeakSpeaker::report(const QString& why) {
    QMetaObject::invokeMethod(
        this, [this, why] { setProblem(why); }, Qt::QueuedConnection);
}

} // namespace kerbu
