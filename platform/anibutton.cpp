#include "anibutton.h"

#include "controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace kerbu {

AniPushButton::AniPushButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    timer_.setInterval(180);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!frames_.isEmpty())
            showFrame(int((frame_ + 1) % frames_.size()));
    });
}

void AniPushButton::setFrames(const QStringList& frames) {
    frames_ = frames;
    showFrame(0);
}

void AniPushButton::showFrame(int frame) {
    const bool changed = frame != frame_;
    frame_ = frame;
    update();
    if (changed)
        emit frameChanged(frame_);
}

QSize AniPushButton::sizeHint() const {
    return {73, 34};
}

void AniPushButton::updateAnimation() {
    const bool play = (hovered_ || hasFocus()) && isEnabled() && frames_.size() > 1;
    if (play && !timer_.isActive()) {
        timer_.start();
    } else if (!play) {
        timer_.stop();
        showFrame(0);
    }
}

void AniPushButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    updateAnimation();
    QAbstractButton::enterEvent(event);
}

void AniPushButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    updateAnimation();
    QAbstractButton::leaveEvent(event);
}

void AniPushButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    updateAnimation();
}

void AniPushButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    updateAnimation();
}

void AniPushButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void AniPushButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateAnimation();
}

void AniPushButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.features = QStyleOptionButton::None;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const int side = qMin(height() - 6, 32);
    const QRect pictureRect(5, (height() - side) / 2, side, side);
    if (!frames_.isEmpty()) {
        const QPixmap pixmap = picture(frames_.at(frame_), pictureRect.size());
        const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
        painter.drawPixmap(pictureRect.topLeft() + shift, pixmap);
    }
    QRect textRect = rect().adjusted(pictureRect.right() + 4, 0, -4, 0);
    if (isDown())
        textRect.translate(1, 1);
    style()->drawItemText(&painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace kerbu
