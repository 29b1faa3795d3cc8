#pragma once

#include <QString>
#include <memory>
#include <span>

namespace kerbu {

class FormWindow;
class Program;

// An exercise's line in the main menu: its animated button, the task and the topic.
struct MenuChoice {
    int top{};
    const char* button{};
    const char* taskName{};
    const char* task{};
    const char* topicName{};
    const char* topic{};
    bool tall = false; // the task takes two lines, the button is taller
};

// One exercise of the lesson: its window, what the main menu and the go-to buttons call
// it, where F1 opens the help, and the names of its own window's go-to buttons.
struct Exercise {
    const char* name{};                               // the window's object name
    std::unique_ptr<FormWindow> (*build)(Program&){}; // the window, its frame included
    const char* goToCaption{};                        // the caption of its buttons
    int helpTopic = 0;                                // 0: F1 opens nothing
    // In this exercise's window, the number in the name ("Command" and the number) of the
    // go-to button of each exercise, in the lesson's order.
    std::span<const int> goToButtons{};
    MenuChoice menu{};
};

// A lesson: its title, its help file and its exercises in order. The window registry,
// the main menu, the go-to block and the help viewer all read it.
struct Lesson {
    const char* title{};
    const char* helpFile{};
    std::span<const Exercise> exercises{};

    // The position of an exercise window in the lesson, or -1.
    int indexOf(const QString& name) const;
    int size() const { return static_cast<int>(exercises.size()); }
};

const Lesson& lesson4();

} // namespace kerbu
