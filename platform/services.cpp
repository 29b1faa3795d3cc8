#include "services.h"

#include "espeakspeaker.h"
#include "helpviewer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace kerbu {

static Services* current = nullptr;
static const char* const inMessageBoxes = "kerbuInMessageBoxes";

Services& services() {
    Q_ASSERT(current);
    return *current;
}

void setServices(Services* replacement) {
    current = replacement;
}

void Services::setOnTop(QWidget* window, bool onTop) {
    if (!window)
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides the window; put it back where it was.
    if (wasVisible)
        window->show();
}

static QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, Icon icon) {
    auto box = std::make_unique<QMessageBox>(toQt(icon), title,
                                             QString(text).replace(QLatin1String("\r\n"), "\n"),
                                             QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    if (parent) {
        for (QAction* action : parent->window()->actions()) {
            if (action->property(inMessageBoxes).toBool())
                box->addAction(action);
        }
    }
    return box;
}

void keepInMessageBoxes(QAction* action) {
    action->setProperty(inMessageBoxes, true);
}

void DesktopServices::messageBox(QWidget* parent, const QString& text, const QString& title,
                                 Icon icon) {
    QPointer<QWidget> hadFocus = QApplication::focusWidget();
    makeMessageBox(parent, text, title, icon)->exec();
    // Not every platform gives the focus back to the window's control by itself.
    if (hadFocus && hadFocus->isEnabled() && hadFocus->isVisible()) {
        hadFocus->activateWindow();
        hadFocus->setFocus(Qt::OtherFocusReason);
    }
}

bool Services::screenReaderListening() const {
    return QAccessible::isActive();
}

void Services::announce(QWidget* control) {
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void DesktopServices::beep() {
    QApplication::beep();
}

DesktopServices::DesktopServices(const QString& helpFile) : help_(helpFile) {
    // Known before the first step, so that the voice never speaks over a screen reader.
    screenReader_.follow();
}

void DesktopServices::showHelp(int context) {
    help_.showTopic(context);
}

void DesktopServices::closeHelp() {
    help_.close();
}

Speaker& DesktopServices::speaker() {
    if (!speaker_)
        speaker_ = std::make_unique<EspeakSpeaker>();
    return *speaker_;
}

Recorder& DesktopServices::recorder() {
    if (!recorder_)
        recorder_ = std::make_unique<PulseRecorder>();
    return *recorder_;
}

void DesktopServices::endProgram() {
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace kerbu
