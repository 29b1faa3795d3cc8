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

void EspeakSpeaker::stop() {
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        ++step_;
        silence_ = true;
    }
    wake_.notify_all();
}

void EspeakSpeaker::run() {
    voice_ = std::make_unique<EspeakVoice>(library_);
    // Without the voice there is nothing to try again.
    if (const QString why = voice_->load(); !why.isEmpty()) {
        report(why);
        return;
    }
    while (true) {
        output_ = makeOutput_();
        if (const QString why = output_->open(voice_->sampleRate()); !why.isEmpty()) {
            report(why);
        } else {
            report({});
            if (speakWhatComes())
                return;
            report(QStringLiteral("The sound server stopped."));
        }
        output_.reset();
        // What was asked while the voice could not be heard is not said later.
        std::unique_lock lock(mutex_);
        queue_.clear();
        if (wake_.wait_for(lock, std::chrono::seconds(1), [this] { return quit_; }))
            return;
    }
}

bool EspeakSpeaker::speakWhatComes() {
    unsigned lastStep = 0;
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || silence_ || !queue_.empty(); });
        // Stopped, or the program ends: what is still waiting in the output goes unheard.
        if (quit_ || silence_) {
            const bool quitting = quit_;
            silence_ = false;
            lock.unlock();
            output_->flush();
            if (quitting)
                return true;
            lock.lock();
            continue;
        }
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
        if (!heard)
            return false;
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
