#include "espeakvoice.h"

#include "model/pronunciation.h"

#include <espeak-ng/speak_lib.h>
#include <mutex>

namespace kerbu {

namespace {

// The library's calls, once resolved. espeak-ng's state is the process's, so is this.
struct Calls {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_SetVoiceByName) setVoice = nullptr;
    decltype(&espeak_SetParameter) setParameter = nullptr;
    decltype(&espeak_SetSynthCallback) setCallback = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
    decltype(&espeak_TextToPhonemes) toPhonemes = nullptr;
};

std::mutex engine;
Calls calls;
int engineRate = 0; // the samples' rate once set up; -1 where setting up failed
QString engineProblem;

int pieceOf(short* samples, int count, espeak_EVENT* events) {
    auto* piece = static_cast<const EspeakVoice::Piece*>(events ? events->user_data : nullptr);
    if (!piece || !samples || count <= 0)
        return 0;
    return (*piece)(samples, count) ? 0 : 1;
}

template <typename Call> bool resolve(QLibrary& library, Call& call, const char* name) {
    call = reinterpret_cast<Call>(library.resolve(name));
    return call != nullptr;
}

} // namespace

EspeakVoice::EspeakVoice(QString library) : library_(std::move(library), 1) {}

QString EspeakVoice::load() {
    if (!library_.load())
        return QStringLiteral("The voice is not installed (espeak-ng: libespeak-ng1).");
    const std::lock_guard lock(engine);
    if (engineRate != 0) {
        sampleRate_ = std::max(engineRate, 0);
        return engineProblem;
    }
    Calls found;
    if (!resolve(library_, found.initialize, "espeak_Initialize") ||
        !resolve(library_, found.setVoice, "espeak_SetVoiceByName") ||
        !resolve(library_, found.setParameter, "espeak_SetParameter") ||
        !resolve(library_, found.setCallback, "espeak_SetSynthCallback") ||
        !resolve(library_, found.synth, "espeak_Synth") ||
        !resolve(library_, found.toPhonemes, "espeak_TextToPhonemes"))
        return QStringLiteral("The voice library (espeak-ng) is too old.");
    // Pieces of 50 ms, so the first sound is soon on its way.
    const int samples = found.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 50, nullptr, 0);
    if (samples <= 0) {
        engineRate = -1;
        engineProblem = QStringLiteral("The voice data is missing (espeak-ng-data).");
    } else if (found.setVoice("hu") != EE_OK) {
        engineRate = -1;
        engineProblem = QStringLiteral("espeak-ng has no Hungarian voice (espeak-ng-data).");
    } else {
        found.setParameter(espeakRATE, EspeakVoice::rate, 0);
        found.setCallback(pieceOf);
        calls = found;
        engineRate = samples;
    }
    sampleRate_ = std::max(engineRate, 0);
    return engineProblem;
}

bool EspeakVoice::synthesize(const QString& text, const Piece& piece, bool slowly) {
    // The words espeak-ng says wrong go as Kerbu's own phonemes.
    const QByteArray utf8 = pronunciation::forTheVoice(text).toUtf8();
    const std::lock_guard lock(engine);
    if (engineRate <= 0)
        return false;
    if (slowly) {
        calls.setParameter(espeakRATE, slowRate, 0);
        calls.setParameter(espeakWORDGAP, slowWordGapMs / 10, 0); // in tens of milliseconds
    }
    const auto* data = utf8.constData();
    const bool made = calls.synth(data, std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                  espeakCHARS_UTF8 | espeakPHONEMES, nullptr,
                                  const_cast<Piece*>(&piece)) == EE_OK;
    if (slowly) {
        calls.setParameter(espeakRATE, rate, 0);
        calls.setParameter(espeakWORDGAP, 0, 0);
    }
    return made;
}

QString EspeakVoice::phonemes(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::lock_guard lock(engine);
    if (engineRate <= 0)
        return {};
    QString result;
    const void* rest = utf8.constData();
    while (rest) {
        const char* clause = calls.toPhonemes(&rest, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (clause)
            result += QString::fromUtf8(clause);
    }
    return result;
}

} // namespace kerbu
