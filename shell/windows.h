#pragma once

#include "windowtable.h"

#include <QString>
#include <array>
#include <memory>

namespace kerbu {

class FormWindow;

QString windowName(WindowId id);

// The program's windows: one reference each, empty until the window is first needed;
// the window created then lives until the program ends.
class Windows {
  public:
    Windows();
    ~Windows();

    // The window, created on first use.
    FormWindow* get(WindowId id);
    // The window if it has been created, without creating it.
    FormWindow* existing(WindowId id) const;

    // Shows the target (loading it if needed), then unloads the window the learner
    // came from, so that one of the two is always on the screen.
    void open(WindowId target, FormWindow* from);
    // Opens the About window in About mode, in front of everything.
    void showAbout();
    // Unloads the background window and ends the program.
    void end();

    // Destroys every window, so that the next use creates them afresh.
    void clear();

  private:
    std::array<std::unique_ptr<FormWindow>, windowCount> windows_;
};

Windows& windows();

} // namespace kerbu
