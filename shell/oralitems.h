#pragma once

class QMenu;

namespace kerbu {

class ExerciseWindow;

// The Options menu's items for saying the Hungarian oneself: "Say it yourself" records the
// learner after a right form and plays it beside the voice; "Say slowly" says the last text
// again slowly. Each is greyed, with the reason, where it cannot be used.
void addOralItems(QMenu* options, ExerciseWindow& window);

} // namespace kerbu
