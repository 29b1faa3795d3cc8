#pragma once

#include <QWidget>
#include <array>
#include <vector>

class QLabel;

namespace kerbu {

// The learner's recording beside the voice's model, in a small window beside the exercise,
// placed as the Mistakes list is: while recording, that it listens and how loud; then the
// loudness of the two over time, one above the other on one time scale, so that a vowel held
// too short or too long shows. A screen reader hears what it shows in words.
class ComparisonWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ComparisonWindow(QWidget* exercise);
    // Recording: `key` is the key that stops it.
    void listen(const QString& key);
    void setLevel(float loudness);
    void showLearner(std::vector<float> loudness, double seconds);
    void showVoice(std::vector<float> loudness, double seconds);
    // What a screen reader is told now.
    QString said() const { return said_; }

    // One trace as drawn: who it is with the length, where that is written, and the room of
    // the loudness right of it.
    struct Trace {
        QString label;
        QRect labelRect;
        QRect graph;
    };
    std::array<Trace, 2> traces() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void tell(const QString& text);
    int labelWidth() const;

    QWidget* exercise_;
    bool listening_ = false;
    float level_ = 0;
    std::vector<float> learner_, voice_;
    double learnerSeconds_ = -1, voiceSeconds_ = -1;
    QString said_;
};

} // namespace kerbu
