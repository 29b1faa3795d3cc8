#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace kerbu {

class FormWindow;
class Program;
struct Lesson;

// The windows around the exercises.
enum class WindowId { sobre, alap, hatter };

// The program's windows: one reference each, empty until the window is first needed;
// the window created then lives until the program ends. The exercises are the lesson's.
class Windows {
  public:
    Windows(Program& program, const Lesson& lesson);
    ~Windows();

    // The window, created on first use.
    FormWindow* get(WindowId id);
    // The lesson's exercise at a position, created on first use; nullptr outside it.
    FormWindow* exercise(int position);
    // Any window by its name, created on first use; nullptr for a name it does not know.
    FormWindow* get(const QString& name);
    // The window if it has been created, without creating it.
    FormWindow* existing(const QString& name) const;

    // Shows the target (loading it if needed), then unloads the window the learner
    // came from, so that one of the two is always on the screen.
    void open(FormWindow* target, FormWindow* from);
    void open(WindowId target, FormWindow* from) { open(get(target), from); }
    // Opens the About window in About mode, in front of everything.
    void showAbout();
    // Unloads the background window and ends the program.
    void end();

    // Destroys every window, so that the next use creates them afresh.
    void clear();

  private:
    struct Slot {
        QString name{};
        std::unique_ptr<FormWindow> (*build)(Program&){};
        int helpTopic = 0;
        std::unique_ptr<FormWindow> window{};
    };
    FormWindow* get(Slot& slot);

    Program& program_;
    // The three windows around the exercises, in the order of WindowId, then the lesson's.
    std::vector<Slot> slots_;
};

} // namespace kerbu
