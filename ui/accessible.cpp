// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible.h"

#include "ui/controls.h"
#include "ui/form.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QVariant>

#include <array>

namespace zlp::ui {

namespace {

constexpr const char* kRoleProperty = "zlpReaderRole";

// The two objects a control speaks through, once it has spoken.
struct Voice {
    std::array<QAccessible::Id, 2> ids{};
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
        return QAccessibleWidget::childCount() + (voices().contains(widget()) ? 2 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own || !voices().contains(widget())) return QAccessibleWidget::child(index);
        const auto& ids = voices().value(widget()).ids;
        return index - own < 2 ? QAccessible::accessibleInterface(ids[index - own]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto& ids = voices().value(widget()).ids;
        for (int i = 0; i < 2 && voices().contains(widget()); ++i)
            if (QAccessible::accessibleInterface(ids[i]) == child)
                return QAccessibleWidget::childCount() + i;
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

// One of the two objects a control speaks through: its name is the text.
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
        // one: the second is a pixel narrower, so the same words twice are
        // spoken twice.
        if (!control_) return {};
        return {control_->mapToGlobal(QPoint(0, 0)), control_->size() - QSize(index_, 0)};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = current_;
        s.readOnly = true;
        return s;
    }

    void say(const QString& text) {
        text_ = text;
        current_ = true;
    }
    void leave() { current_ = false; }

private:
    QPointer<QWidget> control_;
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

void speak(QWidget* control, const QString& text) {
    if (!QAccessible::isActive()) return;
    auto found = voices().find(control);
    if (found == voices().end()) {
        Voice v;
        for (int i = 0; i < 2; ++i)
            v.ids[i] = QAccessible::registerAccessibleInterface(new Utterance(control, i));
        found = voices().insert(control, v);
        QObject::connect(control, &QObject::destroyed, [control] {
            for (QAccessible::Id id : voices().take(control).ids)
                QAccessible::deleteAccessibleInterface(id);
        });
    }
    Voice& v = *found;
    // The other keeps its text: a reader that takes up its last notice late
    // still reads words, not an empty object.
    auto* now = static_cast<Utterance*>(QAccessible::accessibleInterface(v.ids[v.next]));
    static_cast<Utterance*>(QAccessible::accessibleInterface(v.ids[1 - v.next]))->leave();
    now->say(text);
    v.next = 1 - v.next;
    QAccessibleEvent event(now, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QString readerText(const QString& caption) {
    return labelText(caption).trimmed();
}

} // namespace zlp::ui
