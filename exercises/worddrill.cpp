#include "worddrill.h"

#include "model/lesson4.h"

namespace kerbu::exercises {

std::unique_ptr<ExerciseWindow> wordDrill(const QString& name, DrillDesign design, DrillRules rules,
                                          FrameDesign frame, ProgramState& state) {
    const lesson4::WordContent& content = lesson4::words(name);
    design.hint.text = QString::fromUtf16(content.endings);
    if (design.question)
        design.question->text = QString::fromUtf16(content.question);
    rules.list = content.list;
    return std::make_unique<DrillWindow>(name, std::move(design), rules, std::move(frame), state);
}

} // namespace kerbu::exercises
