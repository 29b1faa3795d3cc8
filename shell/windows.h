#pragma once

#include <QString>
#include <array>
#include <memory>

namespace kerbu {

class FormWindow;

enum class WindowId {
    sobre,
    alap,
    hatter,
    k04d1a,
    k04d1b,
    k04d2a,
    k04d2b,
    k04d2c,
    k04d3,
    k04d4,
    k04d5
};

constexpr std::array<WindowId, 8> exerciseWindows{
    WindowId::k04d1a, WindowId::k04d1b, WindowId::k04d2a, WindowId::k04d2b,
    WindowId::k04d2c, WindowId::k04d3,  WindowId::k04d4,  WindowId::k04d5};

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

    // Destroys every window and starts over with empty references and a fresh splash.
    void clear();

  private:
    std::array<std::unique_ptr<FormWindow>, 11> windows_;
};

Windows& windows();

} // namespace kerbu
