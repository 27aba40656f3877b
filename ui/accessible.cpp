// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible.h"

#include "ui/controls.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace zlp::ui {

namespace {

constexpr const char* kRoleProperty = "zlpReaderRole";

class AccessibleControl : public QAccessibleWidget {
public:
    explicit AccessibleControl(QWidget* w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override {
        return static_cast<QAccessible::Role>(widget()->property(kRoleProperty).toInt());
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            s.checkable = true;
            if (const ImageControl* image = pressable()) s.checked = image->appearance() == 1;
        }
        return s;
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
QAccessibleInterface* factory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType() || !object->property(kRoleProperty).isValid())
        return nullptr;
    return new AccessibleControl(static_cast<QWidget*>(object));
}

} // namespace

void setReaderRole(QWidget* control, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
    control->setProperty(kRoleProperty, static_cast<int>(role));
}

void notifyChosen(ImageControl* tool) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(tool, changed);
    QAccessible::updateAccessibility(&event);
}

QString readerText(const QString& caption) {
    return labelText(caption).trimmed();
}

} // namespace zlp::ui
