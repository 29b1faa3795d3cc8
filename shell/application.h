#pragma once

#include <QByteArray>

namespace kerbu {

// True where a window can be shown: a display, or a platform chosen by the environment.
bool displayAvailable();
// The window system to ask Qt for, from QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY: the
// learner's own choice stands (nothing to set); else X, also XWayland on a Wayland
// desktop, because the windows place themselves (centred, the background behind, On Top)
// and only X lets them; else wayland; else nothing to set.
QByteArray platformToUse(const QByteArray& chosen, const QByteArray& display,
                         const QByteArray& waylandDisplay);

// What every run of the program sets up once before its first window: style, fonts,
// the window icon, the names.
void setUpApplication();

// Drops the offscreen platform's note, on every window, that it cannot raise it. Used
// where the program runs without a screen (tests, gallery).
void quietOffscreenNotes();

} // namespace kerbu
