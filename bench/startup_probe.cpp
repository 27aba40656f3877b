// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own start-up up to the main menu shown and processed, then the
// orderly exit: what a player waits for before the first click.
//   zlp-startup-probe [--grab <file.png>]   (the menu as painted, to compare changes)
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
    const QStringList args = QCoreApplication::arguments();
    const qsizetype grab = args.indexOf(QStringLiteral("--grab"));
    if (grab > 0 && grab + 1 < args.size() && !menu->grab().save(args[grab + 1])) return 1;
    zlp::FrmMain::get().CmdExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
