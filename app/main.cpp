// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app.h"
#include "app/frm_main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zlp::prepareApplication();
    zlp::FrmMain::get().show();
    return QApplication::exec();
}
