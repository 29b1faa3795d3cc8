#pragma once

#include <QLibrary>
#include <QString>
#include <functional>

namespace kerbu {

// espeak-ng's Hungarian voice, loaded when first needed, so that the program starts where
// it is missing. espeak-ng keeps its state for the whole process: it is set up once, and
// one text is made at a time, whichever voice object asks.
class EspeakVoice {
  public:
    // The speaking rate in words a minute: slower than espeak-ng's 175, for learners.
    static constexpr int rate = 130;
    // Said slowly: 90 words a minute, with 120 ms more between the words.
    static constexpr int slowRate = 90;
    static constexpr int slowWordGapMs = 120;

    explicit EspeakVoice(QString library = QStringLiteral("espeak-ng"));
    // Loads the library and the Hungarian voice. Empty when ready, else why not, in one line.
    QString load();
    // The samples' rate (16-bit, one channel), once loaded.
    int sampleRate() const { return sampleRate_; }
    // Makes the sound of a text, handing each piece of samples on as it is made; the text is
    // given up when `piece` returns false. False where the voice is not loaded or failed.
    using Piece = std::function<bool(const short* samples, int count)>;
    bool synthesize(const QString& text, const Piece& piece, bool slowly = false);
    // How the voice pronounces a text, in the International Phonetic Alphabet.
    QString phonemes(const QString& text);

  private:
    QLibrary library_;
    int sampleRate_ = 0;
};

} // namespace kerbu
