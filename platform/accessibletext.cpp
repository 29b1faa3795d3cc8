#include "accessibletext.h"

#include "controls.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QLabel>
#include <QMenu>

namespace kerbu {

namespace {

constexpr const char* readsAsText = "readsAsText";
constexpr const char* greyedBecause = "greyedBecause";

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

// A greyed menu item with the reason it is greyed as its description, which Qt's own menu
// items do not give.
class AccessibleGreyedItem : public QAccessibleObject {
  public:
    explicit AccessibleGreyedItem(QAction* action) : QAccessibleObject(action) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = true;
        state.checkable = action()->isCheckable();
        state.checked = action()->isChecked();
        state.invisible = !menu() || !menu()->isVisible();
        return state;
    }
    QRect rect() const override {
        QMenu* shown = menu();
        if (!shown)
            return {};
        const QRect place = shown->actionGeometry(action());
        return {shown->mapToGlobal(place.topLeft()), place.size()};
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return spokenCaption(action()->text());
        case QAccessible::Description:
            return action()->property(greyedBecause).toString();
        case QAccessible::Accelerator:
            return action()->shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
        }
    }

  private:
    QAction* action() const { return static_cast<QAction*>(object()); }
    // The menu the item stands in.
    QMenu* menu() const {
        for (QObject* shownIn : action()->associatedObjects()) {
            if (auto* shown = qobject_cast<QMenu*>(shownIn))
                return shown;
        }
        return nullptr;
    }
};

QAccessibleInterface* readAsMarked(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label && label->property(readsAsText).toBool())
        return new AccessibleLabelText(label);
    auto* action = qobject_cast<QAction*>(object);
    if (action && !action->isEnabled() && !action->property(greyedBecause).isNull())
        return new AccessibleGreyedItem(action);
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

void greyWithReason(QAction* action, const QString& why) {
    action->setEnabled(false);
    action->setToolTip(why);
    action->setStatusTip(why);
    action->setProperty(greyedBecause, why);
    // An item read before has Qt's interface still: it goes.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(action);
        made && !dynamic_cast<AccessibleGreyedItem*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void ungrey(QAction* action) {
    action->setEnabled(true);
    action->setToolTip({});
    action->setStatusTip({});
    action->setProperty(greyedBecause, QVariant());
    // The greyed item's interface goes; Qt's own is made at the next look.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(action);
        made && dynamic_cast<AccessibleGreyedItem*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void installAccessibleTexts() {
    QAccessible::installFactory(readAsMarked);
}

} // namespace kerbu
