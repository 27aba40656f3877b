// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app.h"

#include "ui/controls.h"
#include "ui/style.h"

#include <QApplication>
#include <QStyleFactory>

namespace zlp {

void prepareApplication() {
    // How the desktop ties the windows to the installed entry and its icon:
    // by the entry's file name, and on X11 by the window class (the entry's
    // StartupWMClass), which Qt takes from the application name.
    QGuiApplication::setApplicationName(QStringLiteral("ZentarasLogicProblems"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zentaras-logic-problems"));
    // One style everywhere, so that button faces take their own colours, with
    // the focus and message boxes drawn as the game's controls share them.
    QApplication::setStyle(new ui::ClassicStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    ui::installFontSubstitutes();
    QApplication::setFont(ui::defaultFont());
}

} // namespace zlp
