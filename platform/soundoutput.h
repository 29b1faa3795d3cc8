#pragma once

#include <QLibrary>
#include <QString>
#include <memory>

struct pa_simple;

namespace kerbu {

// Where the voice's samples (16-bit, one channel) go to be heard.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Empty when the output is open, else why it cannot be, in one line.
    virtual QString open(int sampleRate) = 0;
    // Blocks until the samples are taken; false where the output has failed.
    virtual bool write(const short* samples, int count) = 0;
    // Throws away what has been written and not yet heard.
    virtual void flush() = 0;
};

// The desktop's sound server, through libpulse's simple interface (PipeWire serves it
// too), loaded when first opened.
class PulseOutput : public SoundOutput {
  public:
    PulseOutput();
    ~PulseOutput() override;
    QString open(int sampleRate) override;
    bool write(const short* samples, int count) override;
    void flush() override;

  private:
    QLibrary simple_;
    QLibrary pulse_;
    pa_simple* stream_ = nullptr;
    void (*free_)(pa_simple*) = nullptr;
    int (*write_)(pa_simple*, const void*, std::size_t, int*) = nullptr;
    int (*flush_)(pa_simple*, int*) = nullptr;
};

} // namespace kerbu
