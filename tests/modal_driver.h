// SPDX-License-Identifier: GPL-3.0-or-later
// Drives nested modal windows in tests: an action is queued for the next modal window that
// matches, and runs from a timer once that window is the active modal one (the test itself is
// blocked inside its exec()).
#pragma once

#include "app/frm_main.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace zlp::test {

// Counts actions whose window never showed up; a test checks it is zero.
inline int& missedModals() {
    static int missed = 0;
    return missed;
}

// Runs act(window) once a modal window for which match(window) holds is active.
inline void whenModal(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto deadline = std::make_shared<QDeadlineTimer>(5000); // the window comes within 5 s
    QObject::connect(timer, &QTimer::timeout, [timer, match, act, deadline] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->isVisible() && match(w)) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (deadline->hasExpired()) {
            timer->stop();
            timer->deleteLater();
            ++missedModals();
            // Unblock the test: close whatever modal window is in the way.
            if (w) w->close();
        }
    });
    timer->start();
}

// The next modal window with this objectName ("FrmLogic", "FrmFiles"...).
inline void whenModal(const QString& name, std::function<void(QWidget*)> act) {
    whenModal([name](QWidget* w) { return w->objectName() == name; }, std::move(act));
}

// The next message box; act gets it to read its text and press a button.
inline void whenMessageBox(std::function<void(QMessageBox*)> act) {
    whenModal([](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
              [act](QWidget* w) { act(qobject_cast<QMessageBox*>(w)); });
}

// Releases every window in the order Exit does; returns the actions whose window never came.
inline int releaseAll() {
    for (const QString& name : FrmMain::exitOrder()) ui::FormBase::releaseByName(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return missedModals();
}

inline void click(ui::FormBase& form, const QString& name) {
    QTest::mouseClick(form.control<QWidget>(name), Qt::LeftButton);
}

} // namespace zlp::test
