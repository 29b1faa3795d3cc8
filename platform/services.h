#pragma once

#include "helpviewer.h"
#include "model/random.h"
#include "model/runrules.h"
#include "recorder.h"
#include "screenreader.h"
#include "speaker.h"

#include <QHash>
#include <QPalette>
#include <QString>
#include <memory>

class QAction;
class QMessageBox;
class QWidget;

namespace kerbu {

// What the windows ask of the desktop: modal message boxes, the beep, random numbers,
// keeping a window on top, the help viewer, the Hungarian voice and ending the program. The windows
// reach them only through services(), so a test can put a recording set in place.
class Services {
  public:
    virtual ~Services() = default;

    // A modal box with one OK button. When it closes, the focus is back on the
    // control that had it.
    virtual void messageBox(QWidget* parent, const QString& text, const QString& title,
                            Icon icon) = 0;
    virtual void beep() = 0;
    // Keeps a top-level window above ordinary windows, or releases it.
    virtual void setOnTop(QWidget* window, bool onTop);
    // Tells screen readers that a control's text has changed, so they say it.
    virtual void announce(QWidget* control);
    // Whether a screen reader is listening.
    virtual bool screenReaderListening() const;
    // Whether a screen reader is running on the desktop and speaking.
    virtual bool screenReaderOn() { return false; }
    // The Hungarian voice, made when first asked for.
    virtual Speaker& speaker() = 0;
    // The learner's microphone, made when first asked for; it records only when told.
    virtual Recorder& recorder() = 0;
    virtual void showHelp(int context) = 0;
    // Closes the help viewer's window, if one is open.
    virtual void closeHelp() {}
    // Ends the program at once, closing every window.
    virtual void endProgram() = 0;

    Random& random() { return random_; }
    // The design's palettes, one for each kind of control and pair of colours, made once
    // and shared by every control that uses it.
    QHash<QString, QPalette>& palettes() { return palettes_; }

  private:
    Random random_;
    QHash<QString, QPalette> palettes_;
};

// The services of the running program, which puts them in place as it starts.
Services& services();
// Puts a set of services in place (not owned); nullptr takes it away.
void setServices(Services* replacement);

// The box DesktopServices shows, for anyone who wants to look at it without blocking. The
// actions of the parent's window marked by keepInMessageBoxes work in it too.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, Icon icon);
// Lets an action of a window (one added to the window) be used by its key also while a
// message box of the window is open.
void keepInMessageBoxes(QAction* action);

class DesktopServices : public Services {
  public:
    explicit DesktopServices(const QString& helpFile);
    void messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    void beep() override;
    void showHelp(int context) override;
    void closeHelp() override;
    void endProgram() override;
    bool screenReaderOn() override { return screenReader_.on(); }
    Speaker& speaker() override;
    Recorder& recorder() override;
    HelpViewer& help() { return help_; }

  private:
    HelpViewer help_;
    ScreenReaderStatus screenReader_;
    std::unique_ptr<Speaker> speaker_;
    std::unique_ptr<Recorder> recorder_;
};

} // namespace kerbu
