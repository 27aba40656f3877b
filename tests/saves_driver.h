// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the file chooser through its controls, the way a player would: double-clicks in the
// directory list, clicks in the file list, typing, OK.
#pragma once

#include "saves/frm_files.h"

#include "modal_driver.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <memory>

namespace zlp::test {

inline QByteArray savedBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool putBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The entry whose text, or for the directory list whose path (UserRole), is value.
inline QListWidgetItem* entry(QListWidget* list, const QString& value, int role = Qt::DisplayRole) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(role).toString().trimmed() == value) return list->item(i);
    return nullptr;
}

inline void clickEntry(QListWidget* list, QListWidgetItem* item, bool twice = false) {
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Moves the directory list to target by double-clicks: up to the root, then
// down one directory at a time. False when some step is missing from the list.
inline bool openDirectory(QWidget* chooser, const QString& target) {
    auto* dirs = chooser->findChild<QListWidget*>(QStringLiteral("dirList"));
    const QString goal = QDir(target).absolutePath();
    for (int step = 0; step < 64; ++step) {
        const QString shown = FrmFiles::get().shownDirectory();
        if (shown == goal) return true;
        const QString prefix = shown.endsWith(QLatin1Char('/')) ? shown : shown + QLatin1Char('/');
        QString next = QStringLiteral("/");
        if (goal.startsWith(prefix))
            next = prefix + goal.mid(prefix.size()).section(QLatin1Char('/'), 0, 0);
        QListWidgetItem* item = entry(dirs, next, Qt::UserRole);
        if (!item) return false;
        clickEntry(dirs, item, true);
    }
    return false;
}

inline bool pickFile(QWidget* chooser, const QString& name) {
    auto* files = chooser->findChild<QListWidget*>(QStringLiteral("filList"));
    QListWidgetItem* item = entry(files, name);
    if (item) clickEntry(files, item);
    return item != nullptr;
}

inline void typeName(QWidget* chooser, const QString& text) {
    auto* box = chooser->findChild<QLineEdit*>(QStringLiteral("TxtFileName"));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline void pressButton(QWidget* window, const QString& name) {
    QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
}

// The next message box; a box that act left open (a failed check) is closed,
// so a failing test does not hang.
inline void onMessageBox(std::function<void(QMessageBox*)> act) {
    whenMessageBox([act](QMessageBox* box) {
        act(box);
        if (box->isVisible()) box->reject();
    });
}

// Runs act on the window of the next modal showing of that name; when act
// leaves it open after a failed check, the window is closed.
inline void onWindow(const QString& name, std::function<void(QWidget*)> act) {
    whenModal(name, [act](QWidget* w) {
        act(w);
        if (QTest::currentTestFailed() && w->isVisible()) w->close();
    });
}

// Answers every message box shown while it lives with OK, keeping its text.
class MessageBoxes {
public:
    MessageBoxes() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!b || !b->isVisible()) return;
            texts << b->windowTitle() + '\n' + b->text();
            b->button(QMessageBox::Ok)->click();
        });
        timer_.start(5);
    }
    QStringList texts;

private:
    QTimer timer_;
};

} // namespace zlp::test
