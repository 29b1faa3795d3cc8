#pragma once

#include <QString>

class QTextBrowser;

namespace kerbu {

// The help file ships inside the program; its location is recorded here once.
extern const QString helpFile;

// A window of its own that shows one topic of the help file. Opening a topic never
// blocks the window the learner came from.
class HelpViewer {
  public:
    static HelpViewer& instance();

    void showTopic(int context);
    // The viewer's window, once a topic has been opened (for tests).
    QTextBrowser* browser() const { return browser_; }
    // Destroys the window; the next topic opens a new one. Called before the program ends.
    void close();

    static bool hasTopic(int context);

  private:
    HelpViewer() = default;
    QTextBrowser* browser_ = nullptr;
};

} // namespace kerbu
