// SPDX-License-Identifier: GPL-3.0-or-later
// The board's heavier handlers, each with the repaint that follows it: a
// puzzle set-up, a full grid of cell clicks, and the answers on a grid of O's.
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "saves/frm_files.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using zlp::FrmLogic;

FrmLogic& shownBoard(int puzzle) {
    zlp::FrmMain::get().PuzzleNumber = static_cast<zlp::Int16>(puzzle);
    zlp::FrmFiles::get().FileMode = 0;
    FrmLogic& board = FrmLogic::get();
    board.show();
    QCoreApplication::processEvents();
    return board;
}

void closeBoard() {
    FrmLogic::release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_SetUpPuzzle(benchmark::State& state) {
    FrmLogic& board = shownBoard(1);
    for (auto _ : state) {
        board.SetUpPuzzle();
        QCoreApplication::processEvents();
    }
    closeBoard();
}
BENCHMARK(BM_SetUpPuzzle)->Unit(benchmark::kMillisecond);

// 150 clicks with the X or O tool: the picture is the tool image's.
void BM_MarkEveryCell(benchmark::State& state) {
    FrmLogic& board = shownBoard(1);
    bool o = false;
    for (auto _ : state) {
        o ? board.ImgO_Click() : board.ImgX_Click();
        o = !o;
        for (int k = 0; k < zlp::kCellCount; ++k) board.ImgCell_Click(k);
        QCoreApplication::processEvents();
    }
    closeBoard();
}
BENCHMARK(BM_MarkEveryCell)->Unit(benchmark::kMillisecond);

// 150 erases, each chosen with the eraser: the blank picture file is read every time.
void BM_EraseEveryCell(benchmark::State& state) {
    FrmLogic& board = shownBoard(1);
    for (auto _ : state) {
        for (int k = 0; k < zlp::kCellCount; ++k) {
            board.ImgErase_Click();
            board.ImgCell_Click(k);
        }
        QCoreApplication::processEvents();
    }
    closeBoard();
}
BENCHMARK(BM_EraseEveryCell)->Unit(benchmark::kMillisecond);

// The worst case for the purple marking: every cell holds an O.
void BM_AnswersOnAllOs(benchmark::State& state) {
    FrmLogic& board = shownBoard(1);
    board.ImgO_Click();
    for (int k = 0; k < zlp::kCellCount; ++k) board.ImgCell_Click(k);
    for (auto _ : state) {
        board.CmdAnswer_Click();
        QCoreApplication::processEvents();
    }
    closeBoard();
}
BENCHMARK(BM_AnswersOnAllOs)->Unit(benchmark::kMillisecond);

} // namespace
