#include "espeakspeaker.h"

#include "model/oral.h"

#include <cmath>
#include <numbers>

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
    std::deque<Utterance> step;
    for (const QString& text : texts)
        step.push_back({.text = text});
    queue(std::move(step));
}

void EspeakSpeaker::tone() {
    queue({{.text = {}, .tone = true}});
}

void EspeakSpeaker::saySlowly(const QString& text) {
    queue({{.text = text, .slowly = true}});
}

void EspeakSpeaker::playThenSay(std::vector<short> recording, int rate, const QString& model) {
    queue({{.text = model, .recording = std::move(recording), .recordingRate = rate}});
}

void EspeakSpeaker::queue(std::deque<Utterance> step) {
    if (!problem().isEmpty())
        return;
    prepare();
    {
        const std::lock_guard lock(mutex_);
        queue_ = std::move(step);
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
        postProblem(why);
        return;
    }
    while (true) {
        output_ = makeOutput_();
        if (const QString why = output_->open(voice_->sampleRate()); !why.isEmpty()) {
            postProblem(why);
        } else {
            postProblem({});
            if (speakWhatComes())
                return;
            postProblem(QStringLiteral("The sound server stopped."));
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
        const Utterance text = std::move(queue_.front());
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

bool EspeakSpeaker::write(const short* samples, std::size_t count, unsigned step) {
    // 10 ms at a time, so that a newer step waits at most that long for the output.
    const std::size_t slice = std::size_t(std::max(voice_->sampleRate() / 100, 1));
    for (std::size_t done = 0; done < count; done += slice) {
        if (!isCurrent(step) || !output_->write(samples + done, int(std::min(slice, count - done))))
            return false;
    }
    return true;
}

bool EspeakSpeaker::isCurrent(unsigned step) {
    const std::lock_guard lock(mutex_);
    return step == step_;
}

bool EspeakSpeaker::speak(const Utterance& text, unsigned step) {
    const auto current = [this, step] { return isCurrent(step); };
    if (text.tone) {
        // 150 ms at 880 Hz, faded in and out so that it does not click.
        const int rate = voice_->sampleRate();
        std::vector<short> tone(std::size_t(rate) * 15 / 100);
        for (std::size_t i = 0; i < tone.size(); ++i) {
            const double fade = std::min({1.0, double(i) / 400, double(tone.size() - i) / 400});
            tone[i] = short(9000 * fade * std::sin(2 * std::numbers::pi * 880 * double(i) / rate));
        }
        return write(tone.data(), tone.size(), step) || !current();
    }
    if (text.recordingRate <= 0) {
        bool written = true;
        voice_->synthesize(
            text.text,
            [&](const short* samples, int count) {
                return written = write(samples, std::size_t(count), step);
            },
            text.slowly);
        // Cut short by a newer step is no failure of the output.
        return written || !current();
    }
    // The learner's recording, then a pause, then the model: the model is made first, so
    // that its loudness is known as the recording begins.
    std::vector<short> model;
    voice_->synthesize(text.text, [&](const short* samples, int count) {
        model.insert(model.end(), samples, samples + count);
        return current();
    });
    const int rate = voice_->sampleRate();
    QMetaObject::invokeMethod(
        this,
        [this, levels = oral::loudness(model.data(), model.size(), rate),
         length = oral::seconds(model.size(), rate)] { emit modelHeard(levels, length); },
        Qt::QueuedConnection);
    // At the voice's rate, the nearest sample of the recording; no copy where the rates are
    // the same.
    std::vector<short> resampled;
    if (text.recordingRate != rate) {
        resampled.resize(
            std::size_t(double(text.recording.size()) * rate / std::max(text.recordingRate, 1)));
        for (std::size_t i = 0; i < resampled.size(); ++i)
            resampled[i] = text.recording[std::min(
                text.recording.size() - 1, std::size_t(double(i) * text.recordingRate / rate))];
    }
    const std::vector<short>& heard = text.recordingRate != rate ? resampled : text.recording;
    const std::vector<short> pause(std::size_t(rate) * 6 / 10);
    const bool written = write(heard.data(), heard.size(), step) &&
                         write(pause.data(), pause.size(), step) &&
                         write(model.data(), model.size(), step);
    return written || !current();
}

} // namespace kerbu
