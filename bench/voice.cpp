// The yardstick for the voice: espeak-ng and the sound server used bare, with nothing of
// Kerbu around them. For each of the lesson's words of 1/a: open the output, make the
// word, and stop the clock at the first samples written. Reports for bench/run.sh:
//
//   voice_ms <median> <sound>   (sound 1: the sound server; 0: none answered, no output)

#include "measure.h"

#include <espeak-ng/speak_lib.h>
#include <pulse/simple.h>

namespace {

pa_simple* output = nullptr;
double firstMs = -1;

int firstPiece(short* samples, int count, espeak_EVENT*) {
    if (!samples || count <= 0)
        return 0;
    if (output) {
        int error = 0;
        pa_simple_write(output, samples, std::size_t(count) * sizeof(short), &error);
    }
    firstMs = bench::nowMs();
    return 1; // the first piece is all that is timed
}

} // namespace

int main(int argc, char* argv[]) {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 50, nullptr, 0);
    if (rate <= 0 || espeak_SetVoiceByName("hu") != EE_OK)
        return 1;
    espeak_SetParameter(espeakRATE, 130, 0);
    espeak_SetSynthCallback(firstPiece);
    const char* words[] = {"szállodába", "étterembe", "liftbe",   "bankba",   "könyvtárba",
                           "postára",    "épületbe",  "iskolába", "múzeumba", "színházba"};
    const int runs = bench::hasFlag(argc, argv, "--quick") ? 3 : 30;
    const pa_sample_spec spec{.format = PA_SAMPLE_S16LE, .rate = uint32_t(rate), .channels = 1};
    bool sound = true;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const char* word = words[i % std::size(words)];
        const double start = bench::nowMs();
        int error = 0;
        output = sound ? pa_simple_new(nullptr, "bench", PA_STREAM_PLAYBACK, nullptr, "voice",
                                       &spec, nullptr, nullptr, &error)
                       : nullptr;
        sound = output != nullptr;
        espeak_Synth(word, std::strlen(word) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     nullptr);
        times.push_back(firstMs - start);
        if (output)
            pa_simple_free(output);
    }
    bench::report("voice_ms", {bench::median(times), sound ? 1.0 : 0.0});
    return 0;
}
