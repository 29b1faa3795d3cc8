#include "soundoutput.h"

#include "sounduser.h"

#include <pulse/error.h>
#include <pulse/simple.h>

namespace kerbu {

PulseOutput::PulseOutput()
    : simple_(QStringLiteral("pulse-simple"), 0), pulse_(QStringLiteral("pulse"), 0) {}

PulseOutput::~PulseOutput() {
    if (stream_)
        free_(stream_);
}

QString PulseOutput::open(int sampleRate) {
    if (!simple_.load() || !pulse_.load())
        return soundLibraryMissing;
    auto* create = reinterpret_cast<decltype(&pa_simple_new)>(simple_.resolve("pa_simple_new"));
    auto* error = reinterpret_cast<decltype(&pa_strerror)>(pulse_.resolve("pa_strerror"));
    free_ = reinterpret_cast<decltype(free_)>(simple_.resolve("pa_simple_free"));
    write_ = reinterpret_cast<decltype(write_)>(simple_.resolve("pa_simple_write"));
    flush_ = reinterpret_cast<decltype(flush_)>(simple_.resolve("pa_simple_flush"));
    if (!create || !error || !free_ || !write_ || !flush_)
        return soundLibraryTooOld;
    const pa_sample_spec spec{
        .format = PA_SAMPLE_S16LE, .rate = uint32_t(sampleRate), .channels = 1};
    // A short buffer, so that a new word cuts the last one short at once.
    const auto bytesFor = [sampleRate](int ms) { return uint32_t(sampleRate * 2 * ms / 1000); };
    const pa_buffer_attr buffer{.maxlength = uint32_t(-1),
                                .tlength = bytesFor(150),
                                .prebuf = bytesFor(20),
                                .minreq = uint32_t(-1),
                                .fragsize = uint32_t(-1)};
    int code = 0;
    stream_ = create(nullptr, "Kerbu", PA_STREAM_PLAYBACK, nullptr, "Hungarian", &spec, nullptr,
                     &buffer, &code);
    if (!stream_)
        return QStringLiteral("No sound server answers (%1).").arg(QString::fromUtf8(error(code)));
    return {};
}

bool PulseOutput::write(const short* samples, int count) {
    int code = 0;
    return stream_ && write_(stream_, samples, std::size_t(count) * sizeof(short), &code) >= 0;
}

void PulseOutput::flush() {
    int code = 0;
    if (stream_)
        flush_(stream_, &code);
}

} // namespace kerbu
