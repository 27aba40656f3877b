#include "ui/form.h"

#include "ui/pictures.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QList>

namespace zlp::ui {

namespace {
FormBase::Observer& observer() {
    static FormBase::Observer o;
    return o;
}

struct Entry {
    FormBase* form;
    void (*release)();
};
QList<Entry>& live() {
    static QList<Entry> forms;
    return forms;
}
} // namespace

void FormBase::enlist(FormBase* form, Releaser releaser) {
    live().append({form, releaser});
}

void FormBase::delist(FormBase* form) {
    live().removeIf([form](const Entry& e) { return e.form == form; });
}

FormBase* FormBase::byName(const QString& name) {
    for (const Entry& e : live())
        if (e.form->name() == name) return e.form;
    return nullptr;
}

void FormBase::releaseByName(const QString& name) {
    for (const Entry& e : live()) {
        if (e.form->name() == name) {
            const Releaser release = e.release; // releasing changes the list
            release();
            return;
        }
    }
}

FormWindow::FormWindow(FormBase& form) : QDialog(nullptr), form_(&form) {}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The close box never just hides the window: each form says what it means.
    event->ignore();
    if (form_) form_->closeBox();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape only acts where the window has a cancel button.
        if (form_ && form_->escapePressed())
            event->accept();
        else
            event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

FormBase::FormBase(QString name) : name_(std::move(name)) {}

FormBase::~FormBase() {
    if (window_) {
        window_->detach();
        delete window_.data();
    }
}

void FormBase::setObserver(Observer o) {
    observer() = std::move(o);
}

void FormBase::notify(const char* event, const QString& name) {
    if (observer()) observer()(QString::fromLatin1(event), name);
}

FormWindow* FormBase::window() {
    if (window_ || loading_) return window_;
    loading_ = true;
    auto* w = new FormWindow(*this);
    window_ = w;
    const WindowDesign s = design();
    w->setObjectName(name_);
    w->setWindowTitle(s.caption);
    w->setWindowIcon(windowIcon());
    w->setFont(s.font);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, s.background);
    w->setPalette(pal);
    if (s.sizable) {
        w->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        w->resize(px(s.widthTwips), px(s.heightTwips));
    } else {
        w->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
        w->setFixedSize(px(s.widthTwips), px(s.heightTwips));
    }
    build(*w);
    notify("load", name_);
    Form_Load();
    loading_ = false;
    return window_;
}

void FormBase::unload() {
    if (!window_) return;
    FormWindow* w = window_;
    window_ = nullptr;
    w->detach();
    w->hide(); // ends a modal display of the window
    w->deleteLater();
    notify("unload", name_);
}

void FormBase::showModal() {
    FormWindow* w = window();
    if (!w) return;
    w->setWindowModality(Qt::ApplicationModal);
    w->exec();
}

void FormBase::show() {
    window()->show();
}

void FormBase::hide() {
    if (window_) window_->hide();
}

void FormBase::setLeft(int twips) {
    FormWindow* w = window();
    w->move(px(twips), w->y());
}

void FormBase::setTop(int twips) {
    FormWindow* w = window();
    w->move(w->x(), px(twips));
}

void FormBase::setCaption(const QString& caption) {
    window()->setWindowTitle(caption);
}

QString FormBase::caption() {
    return window()->windowTitle();
}

} // namespace zlp::ui
