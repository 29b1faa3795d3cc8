#include "accessibletext.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace kerbu {

namespace {

constexpr const char* readsAsText = "readsAsText";

// The label's text through the text interface; nothing in it can be selected or edited.
class AccessibleLabelText : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleLabelText(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return label()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(label()->text().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* labelText(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label && label->property(readsAsText).toBool())
        return new AccessibleLabelText(label);
    return nullptr;
}

} // namespace

void readAsText(QLabel* label) {
    label->setProperty(readsAsText, true);
    // A label named before it was marked has its first interface still: it goes.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
        made && !made->textInterface())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void installAccessibleTexts() {
    QAccessible::installFactory(labelText);
}

} // namespace kerbu
