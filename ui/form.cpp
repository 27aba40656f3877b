// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form.h"

#include "ui/pictures.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QList>
#include <QScreen>
#include <QWindow>

#include <algorithm>

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

// The windows shown in turn, each over the one before: the main menu first.
QList<QPointer<FormWindow>>& shownWindows() {
    static QList<QPointer<FormWindow>> windows;
    return windows;
}

// The last window shown that is still on the screen.
FormWindow* windowOnTop() {
    const QList<QPointer<FormWindow>>& shown = shownWindows();
    for (qsizetype i = shown.size() - 1; i >= 0; --i)
        if (shown[i] && shown[i]->isVisible()) return shown[i];
    return nullptr;
}

// Moves w beside owner, right of it, else below it, else to the screen's right
// edge over no more than the owner's right half, where the whole of w then
// lies within the screen's usable area; otherwise leaves w unmoved.
void placeBeside(QWidget* w, const QWidget* owner) {
    const QScreen* screen = owner->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect o = owner->frameGeometry();
    // A window's frame is not known before it is first shown: the owner's stands in.
    const QMargins frame(owner->geometry().left() - o.left(), owner->geometry().top() - o.top(),
                         o.right() - owner->geometry().right(),
                         o.bottom() - owner->geometry().bottom());
    const QSize size = w->size().grownBy(frame);
    const auto within = [&](int from, int length, int first, int last) {
        return std::clamp(from, first, std::max(first, last - length + 1));
    };
    const QRect right(
        QPoint(o.right() + 1, within(o.top(), size.height(), area.top(), area.bottom())), size);
    const QRect below(
        QPoint(within(o.left(), size.width(), area.left(), area.right()), o.bottom() + 1), size);
    // Short of room beside it: at the screen's right edge, over the owner's
    // right half only, where its texts (the board's clues) do not begin.
    const QRect atEdge(QPoint(area.right() - size.width() + 1, right.top()), size);
    for (const QRect& r : {right, below, atEdge}) {
        if (area.contains(r) && (r != atEdge || r.left() > o.center().x())) {
            w->move(r.topLeft());
            return;
        }
    }
}

// The corner positions count from: that of the area windows may use, below
// or beside any panel.
QPoint usableCorner(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().topLeft() : QPoint();
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
        // Escape only acts where the window has a cancel button; a window
        // passes no key on, so the event needs no verdict.
        if (form_) form_->escapePressed();
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
        // Only the hints named: no minimize or maximize box.
        w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
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

void FormBase::prepareShowing(FormWindow* w) {
    QList<QPointer<FormWindow>>& shown = shownWindows();
    shown.removeIf([w](const QPointer<FormWindow>& p) { return !p || p == w; });
    if (FormWindow* owner = windowOnTop()) {
        // The desktop keeps a dialog, never a plain window, with its owner; the
        // sizable ones keep their minimize and maximize boxes.
        if (w->windowType() == Qt::Window)
            w->setWindowFlags((w->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
        w->winId(); // the native windows carry the tie
        QWindow* ownerHandle = owner->windowHandle();
        bool loop = false; // never tie a window to one that is tied to it
        for (QWindow* up = ownerHandle; up && !loop; up = up->transientParent())
            loop = up == w->windowHandle();
        if (!loop) w->windowHandle()->setTransientParent(ownerHandle);
        if (placedBySystem() && !w->testAttribute(Qt::WA_Moved)) placeBeside(w, owner);
    }
    shown.append(w);

    // A window opens with the focus on the first control of its tab order
    // that can take it; one shown again keeps the focus it had. The order is
    // a ring, which need not begin at the window itself.
    if (w->focusWidget()) return;
    QWidget* start = firstTabStop_ ? firstTabStop_.data() : w->nextInFocusChain();
    QWidget* c = start;
    do {
        if (c != w && c->window() == w && (c->focusPolicy() & Qt::TabFocus) && c->isEnabled() &&
            c->isVisibleTo(w)) {
            c->setFocus(Qt::TabFocusReason);
            return;
        }
        c = c->nextInFocusChain();
    } while (c != start); // the chain is a ring: it never ends in nothing
}

void FormBase::tabOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    firstTabStop_ = order.value(0);
}

void FormBase::showModal() {
    FormWindow* w = window();
    if (!w) return;
    prepareShowing(w);
    w->exec(); // application-modal for as long as it runs
}

void FormBase::show() {
    FormWindow* w = window();
    prepareShowing(w);
    w->show();
}

void FormBase::hide() {
    if (!window_) return;
    // Shown again where it stands now: a dialog not placed by the program is
    // otherwise centred anew at each showing, off by the size of its frame.
    window_->setAttribute(Qt::WA_Moved);
    window_->hide();
}

void FormBase::setLeft(int twips) {
    FormWindow* w = window();
    w->move(usableCorner(w).x() + px(twips), w->y());
}

void FormBase::setTop(int twips) {
    FormWindow* w = window();
    w->move(w->x(), usableCorner(w).y() + px(twips));
}

void FormBase::setCaption(const QString& caption) {
    window()->setWindowTitle(caption);
}

QString FormBase::caption() {
    return window()->windowTitle();
}

} // namespace zlp::ui
