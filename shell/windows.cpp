#include "windows.h"

#include "platform/helpviewer.h"
#include "platform/services.h"
#include "sobre.h"

#include <QCoreApplication>
#include <QEvent>

namespace kerbu {

QString windowName(WindowId id) {
    return QString::fromLatin1(entryOf(id).name);
}

Windows::Windows() = default;
Windows::~Windows() = default;

Windows& windows() {
    static Windows registry;
    return registry;
}

FormWindow* Windows::get(WindowId id) {
    auto& slot = windows_[static_cast<std::size_t>(id)];
    if (!slot) {
        const WindowEntry& entry = entryOf(id);
        slot = entry.build();
        slot->setHelpContext(entry.helpTopic);
    }
    return slot.get();
}

FormWindow* Windows::existing(WindowId id) const {
    return windows_[static_cast<std::size_t>(id)].get();
}

void Windows::open(WindowId target, FormWindow* from) {
    FormWindow* window = get(target);
    window->showForm();
    if (from && from != window)
        from->unloadForm();
}

void Windows::showAbout() {
    auto* about = static_cast<Sobre*>(get(WindowId::sobre));
    about->showForm();
    about->enterAboutMode();
}

void Windows::end() {
    if (FormWindow* background = existing(WindowId::hatter))
        background->unloadForm();
    services().endProgram();
}

void Windows::clear() {
    for (auto& window : windows_)
        window.reset();
    HelpViewer::instance().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace kerbu
