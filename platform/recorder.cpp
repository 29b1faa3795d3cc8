#include "recorder.h"

#include "model/oral.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/simple.h>

namespace kerbu {

namespace {

template <typename Call> Call resolved(QLibrary& library, const char* name) {
    return reinterpret_cast<Call>(library.resolve(name));
}

// What the introspection finds, filled in by libpulse's callbacks.
struct Found {
    bool serverDone = false;
    QByteArray defaultSource;
    bool sourceDone = false;
    bool isMonitor = false;
    bool exists = false;
};

const QString noServer =
    QStringLiteral("No sound server answers: there is nothing to record from.");
const QString noMicrophone =
    QStringLiteral("No microphone: the sound server has no input but its outputs.");

} // namespace

void Recorder::postLevel(float loudness) {
    QMetaObject::invokeMethod(
        this, [this, loudness] { emit level(loudness); }, Qt::QueuedConnection);
}

void Recorder::handOver(std::vector<short> samples, int rate) {
    QMetaObject::invokeMethod(
        this,
        [this, samples = std::move(samples), rate] {
            recording_ = false;
            emit finished(samples, rate);
        },
        Qt::QueuedConnection);
}

PulseRecorder::PulseRecorder()
    : pulse_(QStringLiteral("pulse"), 0), simple_(QStringLiteral("pulse-simple"), 0) {}

PulseRecorder::~PulseRecorder() {
    finish_ = true;
    if (thread_.joinable())
        thread_.join();
}

void PulseRecorder::run(std::function<void()> job) {
    if (thread_.joinable())
        thread_.join();
    thread_ = std::thread(std::move(job));
}

void PulseRecorder::check() {
    if (recording_)
        return;
    // A recording ended by the learner leaves the flag that cuts the asking short.
    finish_ = false;
    run([this] { postProblem(askServer()); });
}

void PulseRecorder::record() {
    if (recording_)
        return;
    recording_ = true;
    finish_ = false;
    run([this] { recordUntilDone(); });
}

QString PulseRecorder::askServer() {
    if (!pulse_.load())
        return soundLibraryMissing;
    const auto newLoop = resolved<decltype(&pa_mainloop_new)>(pulse_, "pa_mainloop_new");
    const auto api = resolved<decltype(&pa_mainloop_get_api)>(pulse_, "pa_mainloop_get_api");
    const auto iterate = resolved<decltype(&pa_mainloop_iterate)>(pulse_, "pa_mainloop_iterate");
    const auto freeLoop = resolved<decltype(&pa_mainloop_free)>(pulse_, "pa_mainloop_free");
    const auto newContext = resolved<decltype(&pa_context_new)>(pulse_, "pa_context_new");
    const auto connect = resolved<decltype(&pa_context_connect)>(pulse_, "pa_context_connect");
    const auto state = resolved<decltype(&pa_context_get_state)>(pulse_, "pa_context_get_state");
    const auto disconnect =
        resolved<decltype(&pa_context_disconnect)>(pulse_, "pa_context_disconnect");
    const auto unref = resolved<decltype(&pa_context_unref)>(pulse_, "pa_context_unref");
    const auto serverInfo =
        resolved<decltype(&pa_context_get_server_info)>(pulse_, "pa_context_get_server_info");
    const auto sourceInfo = resolved<decltype(&pa_context_get_source_info_by_name)>(
        pulse_, "pa_context_get_source_info_by_name");
    const auto unrefOperation =
        resolved<decltype(&pa_operation_unref)>(pulse_, "pa_operation_unref");
    if (!newLoop || !api || !iterate || !freeLoop || !newContext || !connect || !state ||
        !disconnect || !unref || !serverInfo || !sourceInfo || !unrefOperation)
        return soundLibraryTooOld;

    // A request the connection could not make gives no operation to let go of.
    const auto unrefWhereMade = [&](pa_operation* operation) {
        if (operation)
            unrefOperation(operation);
    };
    pa_mainloop* loop = newLoop();
    pa_context* context = newContext(api(loop), "Kerbu");
    Found found;
    QString why;
    // Turns the loop until `done`, the connection fails or five seconds pass; never blocked,
    // so that a server that does not answer holds up nothing.
    const auto turnUntil = [&](const auto& done) {
        for (int turns = 0; turns < 5000 && !done(); ++turns) {
            const pa_context_state_t now = state(context);
            if (now == PA_CONTEXT_FAILED || now == PA_CONTEXT_TERMINATED || finish_)
                return false;
            if (iterate(loop, 0, nullptr) <= 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return done();
    };
    if (connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        !turnUntil([&] { return state(context) == PA_CONTEXT_READY; })) {
        why = noServer;
    } else {
        unrefWhereMade(serverInfo(
            context,
            [](pa_context*, const pa_server_info* info, void* data) {
                auto* f = static_cast<Found*>(data);
                if (info && info->default_source_name)
                    f->defaultSource = info->default_source_name;
                f->serverDone = true;
            },
            &found));
        if (turnUntil([&] { return found.serverDone; }) && !found.defaultSource.isEmpty()) {
            unrefWhereMade(sourceInfo(
                context, found.defaultSource.constData(),
                [](pa_context*, const pa_source_info* info, int last, void* data) {
                    auto* f = static_cast<Found*>(data);
                    if (info) {
                        f->exists = true;
                        f->isMonitor = info->monitor_of_sink != PA_INVALID_INDEX;
                    }
                    if (last)
                        f->sourceDone = true;
                },
                &found));
            turnUntil([&] { return found.sourceDone; });
        }
        if (!found.exists || found.isMonitor)
            why = noMicrophone;
        disconnect(context);
    }
    unref(context);
    freeLoop(loop);
    return why;
}

void PulseRecorder::recordUntilDone() {
    std::vector<short> samples;
    QString why = askServer();
    if (why.isEmpty() && !simple_.load())
        why = soundLibraryMissing;
    const auto create = resolved<decltype(&pa_simple_new)>(simple_, "pa_simple_new");
    const auto read = resolved<decltype(&pa_simple_read)>(simple_, "pa_simple_read");
    const auto freeStream = resolved<decltype(&pa_simple_free)>(simple_, "pa_simple_free");
    if (why.isEmpty() && !(create && read && freeStream))
        why = soundLibraryTooOld;
    pa_simple* stream = nullptr;
    if (why.isEmpty()) {
        const pa_sample_spec spec{.format = PA_SAMPLE_S16LE, .rate = rate, .channels = 1};
        const int pieceMs = oral::loudnessStepMs;
        const pa_buffer_attr buffer{.maxlength = uint32_t(-1),
                                    .tlength = uint32_t(-1),
                                    .prebuf = uint32_t(-1),
                                    .minreq = uint32_t(-1),
                                    .fragsize = uint32_t(rate * 2 * pieceMs / 1000)};
        stream = create(nullptr, "Kerbu", PA_STREAM_RECORD, nullptr, "The learner", &spec, nullptr,
                        &buffer, nullptr);
        if (!stream)
            why = noServer;
        // Room for the longest recording at once, so that it is never copied as it grows.
        samples.reserve(std::size_t(rate) * oral::RecordingEnd::longestMs / 1000);
        oral::RecordingEnd end;
        std::vector<short> piece(std::size_t(rate * pieceMs / 1000));
        while (stream && !finish_ &&
               read(stream, piece.data(), piece.size() * sizeof(short), nullptr) >= 0) {
            samples.insert(samples.end(), piece.begin(), piece.end());
            const float loudness = oral::loudness(piece.data(), piece.size(), rate).front();
            postLevel(loudness);
            if (end.add(loudness, pieceMs))
                break;
        }
        if (stream)
            freeStream(stream);
    }
    postProblem(why);
    handOver(std::move(samples), rate);
}

} // namespace kerbu
