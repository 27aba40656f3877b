// SPDX-License-Identifier: GPL-3.0-or-later
// Window objects. Each window of the game is one application-wide object,
// reachable by its name and created on first use. Touching the window or one
// of its controls loads it (builds the controls in their design state, then
// runs Form_Load); unloading destroys the controls but keeps the object's
// variables; releasing discards the object. Modal windows nest on the one UI
// thread, and a window may be unloaded while a handler of its own still waits
// under another modal window, so destruction is always deferred to the event
// loop.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QString>

#include <functional>

namespace zlp::ui {

class FormBase;

// The top-level widget of a loaded window.
class FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(FormBase& form);
    void detach() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FormBase* form_;
};

struct WindowDesign {
    QString caption;
    int widthTwips = 0, heightTwips = 0; // client area
    QColor background;
    bool sizable = true; // otherwise a fixed dialog frame
    QFont font;          // the window's font, inherited by its controls
};

class FormBase : public QObject {
    Q_OBJECT
public:
    explicit FormBase(QString name);
    ~FormBase() override;

    const QString& name() const { return name_; }
    bool isLoaded() const { return window_ != nullptr; }

    // Touching the window loads it.
    FormWindow* window();
    void load() { (void)window(); }
    void unload();

    // Shows the window modally over the window that takes input now, and
    // returns when it has been hidden or unloaded.
    void showModal();
    // Shows the window without blocking (the main menu).
    void show();
    void hide();

    // Window properties, in twips where they are positions; positions count
    // from the top-left corner of the screen's area that windows may use.
    void setLeft(int twips);
    void setTop(int twips);
    void setCaption(const QString& caption);
    QString caption();

    // A control by its name; loads the window.
    template <class T> T* control(const QString& controlName) {
        return window()->findChild<T*>(controlName);
    }

    // Watches loads, unloads, creations and releases of every window object
    // (tests use it to check orders); events are "load", "unload", "create", "release".
    using Observer = std::function<void(const QString& event, const QString& name)>;
    static void setObserver(Observer observer);
    static void notify(const char* event, const QString& name);

    // The live window object of that name, if it has been created.
    static FormBase* byName(const QString& name);
    // Unloads and discards the object of that name, if there is one.
    static void releaseByName(const QString& name);

protected:
    using Releaser = void (*)();
    static void enlist(FormBase* form, Releaser releaser);
    static void delist(FormBase* form);

    virtual WindowDesign design() const = 0;
    // Creates the controls in their design state.
    virtual void build(QWidget& w) = 0;
    virtual void Form_Load() {}
    // The title-bar close box; by default it unloads the window.
    virtual void closeBox() { unload(); }
    // The key press for the window's cancel button (Escape), if it has one.
    virtual void escapePressed() {}
    // A window placed by the system opens, the first time it is shown after
    // loading, beside the window it is shown over where the screen has room:
    // right of it, else below it, else at the screen's right edge over that
    // window's right half only; otherwise the desktop places it.
    virtual bool placedBySystem() const { return false; }
    // Sets the window's tab order, first stop first; called from build().
    void tabOrder(const QList<QWidget*>& order);

private:
    friend class FormWindow;
    // Ties the window to the one it is shown over and starts the focus where
    // the window's tab order begins; both before every showing.
    void prepareShowing(FormWindow* w);
    QString name_;
    QPointer<FormWindow> window_;
    QPointer<QWidget> firstTabStop_;
    bool loading_ = false;
};

// One application-wide instance of T, created on first use.
template <class T> class Form : public FormBase {
public:
    using FormBase::FormBase;

    static T& get() {
        if (!instance_) {
            instance_ = new T;
            enlist(instance_, &Form::release);
            notify("create", instance_->name());
        }
        return *instance_;
    }
    static bool exists() { return instance_ != nullptr; }
    // Unloads the window if it is loaded and discards the object; the next
    // use creates a fresh one with its variables at their start values.
    static void release() {
        if (!instance_) return;
        T* old = instance_;
        instance_ = nullptr;
        delist(old);
        old->unload();
        notify("release", old->name());
        old->deleteLater(); // a handler of the object may still be on the stack
    }

private:
    static inline T* instance_ = nullptr;
};

} // namespace zlp::ui
