#pragma once

#include "services.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <memory>
#include <vector>

namespace kerbu {

class FormWindow;

// A piece of a window built by someone else (the exercise frame): it adds its controls
// each time the window is loaded and takes part in the window's load steps.
class FormPart {
  public:
    virtual ~FormPart() = default;
    virtual void build(FormWindow& window, QWidget* body) = 0;
    virtual void load(FormWindow& window) = 0;
    // The title-bar close box; returns true where the part has answered it.
    virtual bool closeBox(FormWindow&) { return false; }
};

// A window that exists once for the whole program. Unloading destroys its controls
// and keeps the object with its variables; showing an unloaded window builds the
// controls from the design again and runs its load steps.
class FormWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit FormWindow(const QString& name, QWidget* parent = nullptr);
    ~FormWindow() override;

    bool isLoaded() const { return body_ != nullptr; }
    // Loads the window if it is not loaded, then shows it modeless and in front.
    void showForm();
    void unloadForm();

    QWidget* body() const { return body_; }
    QPushButton* defaultButton() const { return defaultButton_; }
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
    // The help topic F1 opens; 0 opens nothing.
    int helpContext() const { return helpContext_; }
    void setHelpContext(int context) { helpContext_ = context; }
    void addPart(std::unique_ptr<FormPart> part);

    // A modal message box; when it closes and the window is still loaded, the focus goes
    // to `then` where that control can take it.
    void tell(const QString& text, const QString& title, Icon icon, QWidget* then = nullptr);

    // A control of the loaded window by name (and group number, for control groups).
    template <typename T = QWidget> T* control(const QString& name, int index = -1) const {
        return qobject_cast<T*>(findControl(name, index));
    }

  protected:
    virtual void buildControls(QWidget* body) = 0;
    // The window's load steps; run after the controls exist, before it is shown.
    virtual void onLoad() {}
    virtual void onUnload() {}
    // The title-bar close box. By default it unloads the window.
    virtual void closeBoxPressed() { unloadForm(); }

    // Sizes the client area from the design, in twips.
    void setClientSize(int widthTwips, int heightTwips);
    // The colour of the client area behind the controls.
    void setBackground(const QColor& colour) { background_ = colour; }
    void loadParts();

    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* findControl(const QString& name, int index) const;
    void applyFocusOrder();
    void focusFirstControl();

    QWidget* body_ = nullptr;
    QPointer<QPushButton> defaultButton_;
    int helpContext_ = 0;
    QSize clientSize_;
    QColor background_;
    std::vector<std::unique_ptr<FormPart>> parts_;
};

} // namespace kerbu
