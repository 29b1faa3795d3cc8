#pragma once

#include "fonts.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace kerbu {

// How a control looks in its window's design.
struct Look {
    Face face = Face::SansSerif;
    qreal points = 9.75;
    bool bold = true;
    bool italic = false;
    QColor text{};       // invalid: the style's colour
    QColor background{}; // invalid: the style's colour
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

// One control of a window design: its name, caption, place in twips and look.
struct ControlDesign {
    QString name{};
    QString text{};
    int left = 0, top = 0, width = 0, height = 0;
    Look look{};
    int tabIndex = -1; // place in the focus order; -1 for controls that take no focus
    bool visible = true;
    bool enabled = true;
    // What a screen reader says: a name where the caption does not give one, and what to do.
    QString accessibleName{};
    QString accessibleDescription{};
};

// A line of text the learner types into. Each typed character may be replaced by a
// translator before the box takes it (pasted text is not translated); Enter presses the
// window's default button while it is enabled.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    using Translator = std::function<QChar(QChar)>;
    explicit TextBox(QWidget* parent = nullptr);
    void setTranslator(Translator translator) { translator_ = std::move(translator); }
    // The caret goes to the end of the text whenever the box gets the focus, so that the
    // learner can change the last letter of a word standing in it.
    void setCaretToEndOnFocus(bool toEnd) { caretToEnd_ = toEnd; }

  signals:
    void gotFocus();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    Translator translator_;
    bool caretToEnd_ = false;
};

// A label as the designs expect it: its caption wraps at blanks only, never after a
// hyphen, so hints such as "-ot, -at" keep each ending whole.
class Caption : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    // The caption broken into the lines that fit the label's width.
    QStringList lines() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture that reports clicks, and Enter or Space while it has the focus.
class ImageBox : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A command button of the designs: 495 twips high unless the design says otherwise.
ControlDesign commandButton(ControlDesign design);

// Gives the control the focus where it can take it (enabled and shown); otherwise the
// focus stays where it is.
void giveFocus(QWidget* control);

// A caption as a screen reader should say it: without the access-key marks.
QString spokenCaption(const QString& caption);
// A button takes another caption, and a screen reader the name that goes with it.
void setCaption(QAbstractButton* button, const QString& caption);

// The shared look and placement of every kind of control.
void applyDesign(QWidget* control, const ControlDesign& design);
Caption* makeLabel(QWidget* parent, const ControlDesign& design);
QPushButton* makeButton(QWidget* parent, const ControlDesign& design);
TextBox* makeTextBox(QWidget* parent, const ControlDesign& design);

// Renders a picture of the program's resources (SVG or PNG) at a size in
// device-independent pixels, sharp at the screen's pixel ratio. Small ones are drawn once
// and shared.
QPixmap picture(const QString& resource, QSize size);

} // namespace kerbu
