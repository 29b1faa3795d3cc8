#include "controls.h"

#include "formwindow.h"
#include "services.h"
#include "twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QStyle>
#include <QSvgRenderer>
#include <QValidator>

namespace kerbu {

namespace {

// The letters ő ű Ő Ű share their old 8-bit codes with õ û Õ Û, so a learner on a Western
// layout may type the one for the other; whatever enters an answer box shows the
// Hungarian letter. Typed keys, pasted text and input methods all pass through here.
class HungarianLetters : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        static const QString western = QStringLiteral("õûÕÛ");
        static const QString hungarian = QStringLiteral("őűŐŰ");
        for (QChar& c : input) {
            if (const qsizetype at = western.indexOf(c); at >= 0)
                c = hungarian.at(at);
        }
        return Acceptable;
    }
};

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new HungarianLetters(this));
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* form = qobject_cast<FormWindow*>(window());
        QPushButton* button = form ? form->defaultButton() : nullptr;
        if (button && button->isEnabled() && button->isVisible())
            button->click();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (translator_ && typed.size() == 1) {
        const QChar replaced = translator_(typed.front());
        if (replaced != typed.front()) {
            QKeyEvent translated(event->type(), event->key(), event->modifiers(), QString(replaced),
                                 event->isAutoRepeat(), event->count());
            QLineEdit::keyPressEvent(&translated);
            event->setAccepted(translated.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (caretToEnd_) {
        deselect();
        setCursorPosition(int(text().size()));
    }
    emit gotFocus();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ImageBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

ControlDesign commandButton(ControlDesign design) {
    if (design.height == 0)
        design.height = 495;
    return design;
}

void giveFocus(QWidget* control) {
    if (control && control->isEnabled() && control->isVisible())
        control->setFocus(Qt::OtherFocusReason);
}

QString spokenCaption(const QString& caption) {
    QString spoken = caption;
    spoken.replace(QLatin1String("&&"), QLatin1String("\x01"));
    spoken.remove(QLatin1Char('&'));
    spoken.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return spoken.simplified();
}

void setCaption(QAbstractButton* button, const QString& caption) {
    button->setText(caption);
    button->setAccessibleName(spokenCaption(caption));
}

// One palette for each kind of control and pair of colours, shared by every control that
// uses it, so the style's caches serve them all instead of filling up with copies.
static QPalette designPalette(QWidget* control, const Look& look) {
    QHash<QString, QPalette>& palettes = services().palettes();
    const QString key = QStringLiteral("%1/%2/%3")
                            .arg(QLatin1String(control->metaObject()->className()))
                            .arg(look.text.isValid() ? look.text.rgba() : 0)
                            .arg(look.background.isValid() ? look.background.rgba() : 0);
    auto found = palettes.constFind(key);
    if (found != palettes.constEnd())
        return *found;
    // Only the roles set here are the control's own; the rest still come from its window.
    QPalette palette = QApplication::palette(control);
    palette.setResolveMask(0);
    if (look.text.isValid()) {
        palette.setColor(QPalette::WindowText, look.text);
        palette.setColor(QPalette::Text, look.text);
        palette.setColor(QPalette::ButtonText, look.text);
    }
    if (look.background.isValid()) {
        palette.setColor(QPalette::Window, look.background);
        palette.setColor(QPalette::Base, look.background);
        palette.setColor(QPalette::Button, look.background);
    }
    palettes.insert(key, palette);
    return palette;
}

void applyDesign(QWidget* control, const ControlDesign& design) {
    control->setObjectName(design.name);
    control->setAccessibleName(design.accessibleName.isEmpty() ? spokenCaption(design.text)
                                                               : design.accessibleName);
    if (!design.accessibleDescription.isEmpty())
        control->setAccessibleDescription(design.accessibleDescription);
    control->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
    control->setFont(
        designFont(design.look.face, design.look.points, design.look.bold, design.look.italic));
    control->setPalette(designPalette(control, design.look));
    if (design.tabIndex >= 0)
        control->setProperty("tabIndex", design.tabIndex);
    control->setVisible(design.visible);
    control->setEnabled(design.enabled);
}

QStringList Caption::lines() const {
    const QFontMetrics metrics(font());
    const int width = contentsRect().width();
    QStringList result;
    for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
        QString line;
        qsizetype pos = 0;
        while (pos < paragraph.size()) {
            // The next word with the blanks in front of it.
            qsizetype end = pos;
            while (end < paragraph.size() && paragraph.at(end) == QLatin1Char(' '))
                ++end;
            while (end < paragraph.size() && paragraph.at(end) != QLatin1Char(' '))
                ++end;
            const QString piece = paragraph.mid(pos, end - pos);
            if (!line.isEmpty() && metrics.horizontalAdvance(line + piece) > width) {
                result << line;
                line = piece.trimmed();
            } else {
                line += piece;
            }
            pos = end;
        }
        result << line;
    }
    return result;
}

void Caption::paintEvent(QPaintEvent* event) {
    if (!wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const int lineHeight = QFontMetrics(font()).lineSpacing();
    const QStringList all = lines();
    int top = area.top();
    if (alignment() & Qt::AlignVCenter)
        top += (area.height() - lineHeight * int(all.size())) / 2;
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    for (const QString& line : all) {
        const QRect lineRect(area.left(), top, area.width(), lineHeight);
        style()->drawItemText(&painter, lineRect, int(horizontal | Qt::AlignTop), palette(),
                              isEnabled(), line, foregroundRole());
        top += lineHeight;
    }
}

Caption* makeLabel(QWidget* parent, const ControlDesign& design) {
    auto* label = new Caption(design.text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(design.look.align);
    label->setAutoFillBackground(design.look.background.isValid());
    applyDesign(label, design);
    return label;
}

QPushButton* makeButton(QWidget* parent, const ControlDesign& design) {
    auto* button = new QPushButton(design.text, parent);
    // Enter on a focused button presses that button, as on the desktop it was made for.
    button->setAutoDefault(true);
    applyDesign(button, design);
    return button;
}

TextBox* makeTextBox(QWidget* parent, const ControlDesign& design) {
    auto* box = new TextBox(parent);
    box->setText(design.text);
    box->setAlignment(design.look.align);
    applyDesign(box, design);
    return box;
}

QPixmap picture(const QString& resource, QSize size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString key =
        QStringLiteral("%1@%2x%3@%4").arg(resource).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    // A square picture at a size drawn at build time is taken as it was drawn.
    if (ratio == 1.0 && size.width() == size.height() && resource.endsWith(QLatin1String(".svg"))) {
        const QResource drawn(QStringLiteral(":/prerendered/%1@%2.argb")
                                  .arg(resource.mid(2).chopped(4))
                                  .arg(size.width()));
        const qint64 bytes = qint64(size.width()) * size.height() * 4;
        if (drawn.isValid() && drawn.size() == bytes &&
            drawn.compressionAlgorithm() == QResource::NoCompression) {
            const QImage image(drawn.data(), size.width(), size.height(),
                               QImage::Format_ARGB32_Premultiplied);
            pixmap = QPixmap::fromImage(image);
            QPixmapCache::insert(key, pixmap);
            return pixmap;
        }
    }
    pixmap = QPixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    if (resource.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(resource);
        QPainter painter(&pixmap);
        renderer.render(&painter);
    } else {
        QPixmap source(resource);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(pixmap.rect(), source);
    }
    pixmap.setDevicePixelRatio(ratio);
    // Icons and buttons' frames are kept for every window that shows them again; a large
    // picture lives only as long as the control that shows it.
    if (size.width() * size.height() <= 128 * 128)
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace kerbu
