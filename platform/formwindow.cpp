#include "formwindow.h"

#include "controls.h"
#include "services.h"
#include "twips.h"

#include <QCloseEvent>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

namespace kerbu {

FormWindow::FormWindow(const QString& name, QWidget* parent) : QMainWindow(parent) {
    setObjectName(name);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] {
        if (helpContext_ > 0)
            services().showHelp(helpContext_);
    });
}

FormWindow::~FormWindow() = default;

void FormWindow::addPart(std::unique_ptr<FormPart> part) {
    parts_.push_back(std::move(part));
}

void FormWindow::setClientSize(int widthTwips, int heightTwips) {
    clientSize_ = QSize(twips(widthTwips), twips(heightTwips));
    if (body_)
        body_->setFixedSize(clientSize_);
}

void FormWindow::showForm() {
    if (!isLoaded()) {
        body_ = new QWidget;
        body_->setObjectName(QStringLiteral("body"));
        body_->setAutoFillBackground(true);
        if (background_.isValid()) {
            QPalette palette = body_->palette();
            palette.setColor(QPalette::Window, background_);
            body_->setPalette(palette);
        }
        setCentralWidget(body_);
        buildControls(body_);
        for (auto& part : parts_)
            part->build(*this, body_);
        if (clientSize_.isValid())
            body_->setFixedSize(clientSize_);
        applyFocusOrder();
        onLoad();
        focusFirstControl();
    }
    show();
    raise();
    activateWindow();
}

void FormWindow::unloadForm() {
    if (!isLoaded())
        return;
    hide();
    // The hidden window gives back its native window and drawing buffer; showing it again
    // makes new ones.
    destroy();
    onUnload();
    // The controls and the menus go after the current event: unloading is often asked for
    // by one of them (Close, a go-to button, a timer), which must be allowed to return
    // first. Until they go, they would still act: an unloaded splash's timer would open
    // the main menu over an exercise, and a go-to button pressed for a moment by its access
    // key would click afterwards and open a second exercise. They send nothing more.
    if (QWidget* menus = menuWidget()) {
        for (QObject* item : menus->findChildren<QObject*>())
            item->blockSignals(true);
        setMenuWidget(nullptr); // hides the menu bar and deletes it later
        menus->setParent(nullptr);
    }
    QWidget* controls = takeCentralWidget();
    for (QObject* control : controls->findChildren<QObject*>())
        control->blockSignals(true);
    controls->hide();
    controls->setParent(nullptr);
    controls->deleteLater();
    body_ = nullptr;
    defaultButton_ = nullptr;
}

void FormWindow::tell(const QString& text, const QString& title, Icon icon, QWidget* then) {
    const QPointer<QWidget> target(then);
    services().messageBox(this, text, title, icon);
    if (isLoaded())
        giveFocus(target);
}

void FormWindow::loadParts() {
    for (auto& part : parts_)
        part->load(*this);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isLoaded())
        return;
    for (auto& part : parts_) {
        if (part->closeBox(*this))
            return;
    }
    closeBoxPressed();
}

QWidget* FormWindow::findControl(const QString& name, int index) const {
    if (!body_)
        return nullptr;
    const auto found = body_->findChildren<QWidget*>(name);
    for (QWidget* widget : found) {
        const QVariant number = widget->property("index");
        if (index < 0 || (number.isValid() && number.toInt() == index))
            return widget;
    }
    return nullptr;
}

static std::vector<QWidget*> focusChain(QWidget* body) {
    std::vector<QWidget*> chain;
    for (QWidget* widget : body->findChildren<QWidget*>()) {
        if (widget->property("tabIndex").isValid())
            chain.push_back(widget);
    }
    std::stable_sort(chain.begin(), chain.end(), [](QWidget* a, QWidget* b) {
        return a->property("tabIndex").toInt() < b->property("tabIndex").toInt();
    });
    return chain;
}

void FormWindow::applyFocusOrder() {
    const auto chain = focusChain(body_);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void FormWindow::focusFirstControl() {
    for (QWidget* widget : focusChain(body_)) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isEnabled() && !widget->isHidden()) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace kerbu
