// SPDX-License-Identifier: GPL-3.0-or-later
// zlp-board-shots [folder [puzzle]]: draws the board of a puzzle (default 1)
// blank, marked and with the answers shown, and its introduction window, and
// writes each as a PNG (default folder /tmp), with a copy enlarged three
// times for checking the grid pixel by pixel.
// Run it from the folder that holds ZLP-Images.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "help/frm_logic_intro.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

namespace {

bool write(const QString& folder, const QString& name, QWidget* window) {
    const QPixmap shot = window->grab();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const QString big = QDir(folder).filePath(name + QStringLiteral("-x3.png"));
    const bool ok = shot.save(path) && shot.scaled(shot.size() * 3).save(big);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", qPrintable(path), ok ? "written" : "failed");
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zlp::prepareApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");

    const int puzzle = argc > 2 ? std::atoi(argv[2]) : 1;
    zlp::FrmMain::get().PuzzleNumber = static_cast<zlp::Int16>(puzzle);
    zlp::FrmLogic& board = zlp::FrmLogic::get();
    board.show();
    bool ok = write(folder, QStringLiteral("board-blank"), board.window());

    zlp::FrmLogicIntro& intro = zlp::FrmLogicIntro::get();
    intro.show();
    ok = write(folder, QStringLiteral("intro"), intro.window()) && ok;
    zlp::FrmLogicIntro::release();

    // A few marks of each kind, some on solution cells and some not.
    for (int k : {0, 2, 3, 16, 31, 47, 75, 80, 100, 125, 140, 149}) board.ImgCell_Click(k);
    board.ImgO_Click();
    for (int k : {1, 4, 9, 14, 20, 36, 77, 92, 120, 126, 139}) board.ImgCell_Click(k);
    ok = write(folder, QStringLiteral("board-marked"), board.window()) && ok;

    board.CmdAnswer_Click();
    ok = write(folder, QStringLiteral("board-answers"), board.window()) && ok;

    zlp::FrmLogic::release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ok ? 0 : 1;
}
