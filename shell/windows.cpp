#include "windows.h"

#include "alap.h"
#include "exercises/k04d1a.h"
#include "exercises/k04d1b.h"
#include "exercises/k04d2a.h"
#include "exercises/k04d2b.h"
#include "exercises/k04d2c.h"
#include "exercises/k04d3.h"
#include "exercises/k04d4.h"
#include "exercises/k04d5.h"
#include "hatter.h"
#include "platform/helpviewer.h"
#include "platform/services.h"
#include "sobre.h"

#include <QCoreApplication>
#include <QEvent>

namespace kerbu {

QString windowName(WindowId id) {
    static const char* const names[] = {"sobre",  "alap",   "hatter", "k04d1a", "k04d1b", "k04d2a",
                                        "k04d2b", "k04d2c", "k04d3",  "k04d4",  "k04d5"};
    return QString::fromLatin1(names[static_cast<int>(id)]);
}

static std::unique_ptr<FormWindow> create(WindowId id) {
    switch (id) {
    case WindowId::sobre:
        return std::make_unique<Sobre>();
    case WindowId::alap:
        return std::make_unique<Alap>();
    case WindowId::hatter:
        return std::make_unique<Hatter>();
    case WindowId::k04d1a:
        return std::make_unique<K04d1a>();
    case WindowId::k04d1b:
        return std::make_unique<K04d1b>();
    case WindowId::k04d2a:
        return std::make_unique<K04d2a>();
    case WindowId::k04d2b:
        return std::make_unique<K04d2b>();
    case WindowId::k04d2c:
        return std::make_unique<K04d2c>();
    case WindowId::k04d3:
        return std::make_unique<K04d3>();
    case WindowId::k04d4:
        return std::make_unique<K04d4>();
    case WindowId::k04d5:
        return std::make_unique<K04d5>();
    }
    return nullptr;
}

Windows::Windows() = default;
Windows::~Windows() = default;

Windows& windows() {
    static Windows registry;
    return registry;
}

FormWindow* Windows::get(WindowId id) {
    auto& slot = windows_[static_cast<std::size_t>(id)];
    if (!slot)
        slot = create(id);
    return slot.get();
}

FormWindow* Windows::existing(WindowId id) const {
    return windows_[static_cast<std::size_t>(id)].get();
}

void Windows::open(WindowId target, FormWindow* from) {
    FormWindow* window = get(target);
    if (!window)
        return;
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
    splashDone = 0;
}

} // namespace kerbu
