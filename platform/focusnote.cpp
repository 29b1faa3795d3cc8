#include "focusnote.h"

#include "services.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <memory>

namespace kerbu {

namespace {

// Long enough for a busy reader to take the note before the focus goes back (a reader
// that is behind skips a focus that has already moved on). A key typed meanwhile hands
// the focus back at once, so nobody waits for it.
constexpr int noteMs = 1500;

} // namespace

FocusNote::FocusNote(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("focusNote"));
    // Never on the way of Tab, nor of the mouse.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusNote::say(const QString& text, QWidget* back) {
    if (!services().screenReaderListening() || !back || !parentWidget())
        return;
    back_ = back;
    setAccessibleName(text);
    setGeometry(parentWidget()->width() - 1, parentWidget()->height() - 1, 1, 1);
    show();
    // Once the handler that asked for it has put the focus where it goes.
    QTimer::singleShot(0, this, [this] {
        if (!back_ || !back_->hasFocus())
            return;
        setFocus(Qt::OtherFocusReason);
        QTimer::singleShot(noteMs, this, &FocusNote::handBack);
    });
}

void FocusNote::handBack() {
    if (hasFocus() && back_ && back_->isEnabled() && back_->isVisible())
        back_->setFocus(Qt::OtherFocusReason);
}

void FocusNote::keyPressEvent(QKeyEvent* event) {
    QPointer<QWidget> back = back_;
    handBack();
    if (back && back->hasFocus()) {
        std::unique_ptr<QEvent> again(event->clone());
        QCoreApplication::sendEvent(back, again.get());
        return;
    }
    QLabel::keyPressEvent(event);
}

void FocusNote::keyReleaseEvent(QKeyEvent* event) {
    if (back_ && back_->hasFocus()) {
        std::unique_ptr<QEvent> again(event->clone());
        QCoreApplication::sendEvent(back_, again.get());
        return;
    }
    QLabel::keyReleaseEvent(event);
}

} // namespace kerbu
