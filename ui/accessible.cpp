// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible.h"

#include "ui/controls.h"
#include "ui/form.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QHash>
#include <QLineEdit>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <array>

namespace zlp::ui {

namespace {

constexpr const char* kRoleProperty = "zlpReaderRole";

// The objects a control speaks through, once it has spoken, taken in turn. A
// reader skips a notice when a newer one waits, and one for the object it
// already reads is no news to it; with many objects a burst of notices (a
// held arrow key) rarely ends on the object it read last.
constexpr int kVoices = 16;
struct Voice {
    std::array<QAccessible::Id, kVoices> ids{};
    int next = 0;
};

QHash<const QWidget*, Voice>& voices() {
    static QHash<const QWidget*, Voice> all;
    return all;
}

class AccessibleControl : public QAccessibleWidget {
public:
    explicit AccessibleControl(QWidget* w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override {
        const QVariant r = widget()->property(kRoleProperty);
        if (!r.isValid()) return QAccessible::Dialog; // a game window not given a role
        return static_cast<QAccessible::Role>(r.toInt());
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            s.checkable = true;
            if (const ImageControl* image = pressable()) s.checked = image->appearance() == 1;
        }
        // Grid lines and frames are drawn, not read: a reader's review skips
        // what it is told is not shown.
        if (role() == QAccessible::Separator) s.invisible = true;
        return s;
    }

    // A reader takes an object that its parent does not list for a dead one,
    // so a control lists the objects it speaks through after its own children.
    int childCount() const override {
        return QAccessibleWidget::childCount() + (voices().contains(widget()) ? kVoices : 0);
    }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own || !voices().contains(widget())) return QAccessibleWidget::child(index);
        const auto ids = voices().value(widget()).ids;
        return index - own < kVoices ? QAccessible::accessibleInterface(ids[index - own]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (voices().contains(widget())) {
            const auto ids = voices().value(widget()).ids;
            const auto at = std::find_if(ids.begin(), ids.end(), [&](QAccessible::Id id) {
                return QAccessible::accessibleInterface(id) == child;
            });
            if (at != ids.end()) return QAccessibleWidget::childCount() + int(at - ids.begin());
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (ImageControl* image = pressable()) emit image->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ImageControl* pressable() const {
        const QAccessible::Role r = role();
        if (r != QAccessible::Button && r != QAccessible::RadioButton) return nullptr;
        return qobject_cast<ImageControl*>(widget());
    }
};

// Consulted for each class of an object from the most derived one up, so it
// answers for the game's own classes before Qt's factory sees their bases.
// Every game window is answered here, before it can be given a role, since the
// accessibility layer keeps the interface it makes at its first notice.
QAccessibleInterface* factory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (!object->property(kRoleProperty).isValid() && !qobject_cast<FormWindow*>(object))
        return nullptr;
    return new AccessibleControl(static_cast<QWidget*>(object));
}

const bool factoryInstalled = [] {
    QAccessible::installFactory(factory);
    return true;
}();

// One of the objects a window speaks through: its name is the text.
class Utterance : public QAccessibleInterface {
public:
    Utterance(QWidget* control, int index) : control_(control), index_(index) {}

    bool isValid() const override { return control_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return control_ ? control_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(control_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        // A reader takes two objects of the same role, name and place for
        // one: each is a pixel narrower than the one before, so the same
        // words twice are spoken twice.
        // Where the words come from, so that a review starts there.
        const QWidget* at = origin_ && origin_->isVisible() ? origin_.data() : control_.data();
        if (!at) return {};
        return {at->mapToGlobal(QPoint(0, 0)),
                QSize(std::max(1, at->width() - index_), at->height())};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = current_;
        // Words already said are not shown: a review reads the latest only.
        s.invisible = !current_;
        s.readOnly = true;
        return s;
    }

    void say(const QString& text, QWidget* origin) {
        text_ = text;
        origin_ = origin;
        current_ = true;
    }
    void leave() { current_ = false; }

private:
    QPointer<QWidget> control_;
    QPointer<QWidget> origin_;
    int index_;
    QString text_;
    bool current_ = false;
};

} // namespace

void setReaderRole(QWidget* control, QAccessible::Role role) {
    (void)factoryInstalled;
    control->setProperty(kRoleProperty, static_cast<int>(role));
}

void notifyChosen(ImageControl* tool) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(tool, changed);
    QAccessible::updateAccessibility(&event);
}

// Spoken whether or not a reader listens yet: one that starts later finds the
// words in place, and what a reader would be told can be read back without one.
void speak(QWidget* control, const QString& text) {
    // Under the window, not the control: a reader reads a focused table
    // cell's children with it, and every game window lists its voices.
    QWidget* const origin = control;
    control = control->window();
    auto found = voices().find(control);
    if (found == voices().end()) {
        Voice v;
        for (int i = 0; i < kVoices; ++i)
            v.ids[i] = QAccessible::registerAccessibleInterface(new Utterance(control, i));
        found = voices().insert(control, v);
        QObject::connect(control, &QObject::destroyed, [control] {
            for (QAccessible::Id id : voices().take(control).ids)
                QAccessible::deleteAccessibleInterface(id);
        });
    }
    Voice& v = *found;
    // The others keep their texts: a reader that takes up a notice late still
    // reads words, not an empty object.
    for (QAccessible::Id id : v.ids)
        static_cast<Utterance*>(QAccessible::accessibleInterface(id))->leave();
    auto* now = static_cast<Utterance*>(QAccessible::accessibleInterface(v.ids[v.next]));
    now->say(text, origin);
    v.next = (v.next + 1) % kVoices;
    QAccessibleEvent event(now, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

namespace {

constexpr const char* kWaitingName = "zlpSpeakOnActivation";

// Waits on a window for its activation, then speaks its text once.
class SpeakOnActivation : public QObject {
public:
    SpeakOnActivation(QWidget* control, QString text)
        : QObject(control), control_(control), text_(std::move(text)) {
        setObjectName(kWaitingName);
        control->window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched == control_->window()) later();
        return false;
    }

    void later() {
        control_->window()->removeEventFilter(this);
        // Queued behind the focus the activation hands to a control, whose
        // notice would otherwise cut the text short.
        QTimer::singleShot(0, this, [this] {
            speak(control_, text_);
            deleteLater();
        });
    }

private:
    QWidget* control_;
    QString text_;
};

} // namespace

void speakWhenActive(QWidget* control, const QString& text) {
    for (QObject* waiting :
         control->findChildren<QObject*>(QLatin1String(kWaitingName), Qt::FindDirectChildrenOnly))
        delete waiting;
    auto* pending = new SpeakOnActivation(control, text);
    if (control->window()->isActiveWindow()) pending->later();
}

namespace {

// A box entered by Tab: Qt tells of its caret before its focus, and a reader
// takes the box up silently at the caret, so an empty one would say nothing.
// The name goes out after the box's own notices, which would otherwise make
// the reader drop it as older news.
class NameOnTabIn : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        auto* box = static_cast<QLineEdit*>(watched);
        if ((why == Qt::TabFocusReason || why == Qt::BacktabFocusReason) && box->text().isEmpty())
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus()) speak(box, box->accessibleName() + QStringLiteral(" text."));
            });
        return false;
    }
};

} // namespace

void speakNameOnTabIn(QLineEdit* box) {
    box->installEventFilter(new NameOnTabIn(box));
}

} // namespace zlp::ui
