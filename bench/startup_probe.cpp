// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own start-up up to the main menu shown and processed, then the
// orderly exit: what a player waits for before the first click.
#include "app/app.h"
#include "app/frm_main.h"

#include <QApplication>
#include <QWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zlp::prepareApplication();
    zlp::FrmMain::get().show();
    QWidget* menu = zlp::FrmMain::get().window();
    while (!menu->windowHandle() || !menu->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    zlp::FrmMain::get().CmdExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
