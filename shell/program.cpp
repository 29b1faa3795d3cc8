#include "program.h"

#include "lesson.h"
#include "platform/services.h"

namespace kerbu {

namespace {

std::unique_ptr<DesktopServices> desktopUnless(Services* replacement, const Lesson& lesson) {
    if (replacement)
        return nullptr;
    return std::make_unique<DesktopServices>(QString::fromLatin1(lesson.helpFile));
}

} // namespace

Program::Program(Services* services)
    : lesson_(lesson4()), desktop_(desktopUnless(services, lesson_)),
      services_(services ? *services : *desktop_), windows_(*this, lesson_) {
    lessonTitle = QString::fromLatin1(lesson_.title);
    setServices(&services_);
}

Program::~Program() {
    windows_.clear();
    setServices(nullptr);
}

} // namespace kerbu
