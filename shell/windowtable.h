#pragma once

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

// One window of the program: what the registry builds, what the main menu and the go-to
// buttons call it, and where F1 opens the help.
struct WindowEntry {
    WindowId id{};
    const char* name{};                     // the window's object name
    std::unique_ptr<FormWindow> (*build)(); // creates the window, its frame included
    const char* goToCaption = nullptr;      // exercises: the caption of their buttons
    int helpTopic = 0;                      // 0: F1 opens nothing
};

constexpr std::size_t windowCount = 11;

// Every window, in the order of WindowId.
extern const std::array<WindowEntry, windowCount> windowTable;
const WindowEntry& entryOf(WindowId id);

// The exercise windows in the order of the main menu and the go-to block.
constexpr std::array<WindowId, 8> exerciseWindows{
    WindowId::k04d1a, WindowId::k04d1b, WindowId::k04d2a, WindowId::k04d2b,
    WindowId::k04d2c, WindowId::k04d3,  WindowId::k04d4,  WindowId::k04d5};

} // namespace kerbu
