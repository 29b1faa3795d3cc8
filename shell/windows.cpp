#include "windows.h"

#include "alap.h"
#include "hatter.h"
#include "lesson.h"
#include "platform/services.h"
#include "sobre.h"

#include <QCoreApplication>
#include <QEvent>

namespace kerbu {

namespace {

template <typename W> std::unique_ptr<FormWindow> window(Program& program) {
    return std::make_unique<W>(program);
}

constexpr int shellWindows = 3;

} // namespace

Windows::Windows(Program& program, const Lesson& lesson) : program_(program) {
    slots_.push_back({.name = QStringLiteral("sobre"), .build = window<Sobre>});
    slots_.push_back({.name = QStringLiteral("alap"), .build = window<Alap>});
    slots_.push_back({.name = QStringLiteral("hatter"), .build = window<Hatter>});
    for (const Exercise& e : lesson.exercises)
        slots_.push_back(
            {.name = QString::fromLatin1(e.name), .build = e.build, .helpTopic = e.helpTopic});
}

Windows::~Windows() = default;

FormWindow* Windows::get(Slot& slot) {
    if (!slot.window) {
        slot.window = slot.build(program_);
        slot.window->setHelpContext(slot.helpTopic);
    }
    return slot.window.get();
}

FormWindow* Windows::get(WindowId id) {
    return get(slots_[static_cast<std::size_t>(id)]);
}

FormWindow* Windows::exercise(int position) {
    if (position < 0 || position >= int(slots_.size()) - shellWindows)
        return nullptr;
    return get(slots_[std::size_t(shellWindows + position)]);
}

FormWindow* Windows::get(const QString& name) {
    for (Slot& slot : slots_) {
        if (slot.name == name)
            return get(slot);
    }
    return nullptr;
}

FormWindow* Windows::existing(const QString& name) const {
    for (const Slot& slot : slots_) {
        if (slot.name == name)
            return slot.window.get();
    }
    return nullptr;
}

void Windows::open(FormWindow* target, FormWindow* from) {
    if (!target)
        return;
    target->showForm();
    if (from && from != target)
        from->unloadForm();
}

void Windows::showAbout() {
    auto* about = static_cast<Sobre*>(get(WindowId::sobre));
    about->showForm();
    about->enterAboutMode();
}

void Windows::end() {
    if (FormWindow* background = existing(QStringLiteral("hatter")))
        background->unloadForm();
    services().endProgram();
}

void Windows::clear() {
    for (Slot& slot : slots_)
        slot.window.reset();
    services().closeHelp();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace kerbu
