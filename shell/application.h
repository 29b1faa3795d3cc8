#pragma once

namespace kerbu {

// True where a window can be shown: a display, or a platform chosen by the environment.
bool displayAvailable();

// What every run of the program sets up once before its first window: style, fonts,
// the window icon, the names.
void setUpApplication();

// Drops the offscreen platform's note, on every window, that it cannot raise it. Used
// where the program runs without a screen (tests, gallery).
void quietOffscreenNotes();

} // namespace kerbu
