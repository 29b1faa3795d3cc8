#pragma once

#include <QString>

class QTextBrowser;

namespace kerbu {

// A window of its own that shows one topic of the help file. Opening a topic never
// blocks the window the learner came from.
class HelpViewer {
  public:
    // file: the help file's address, "qrc:/..." for one compiled into the program.
    explicit HelpViewer(QString file);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    void showTopic(int context);
    // The viewer's window, once a topic has been opened (for tests).
    QTextBrowser* browser() const { return browser_; }
    // Destroys the window; the next topic opens a new one. Called before the program ends.
    void close();
    bool hasTopic(int context) const;

  private:
    QString file_;
    QString source_; // the help file's text, read once
    QTextBrowser* browser_ = nullptr;
};

} // namespace kerbu
