// SPDX-License-Identifier: GPL-3.0-or-later
// Saving, reopening with the replay of the 150 cell clicks, and opening each
// secondary window: the other things a player waits for.
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_examples.h"
#include "help/frm_instructions.h"
#include "help/frm_logic_intro.h"
#include "saves/board_file.h"
#include "saves/frm_files.h"

#include "huge_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

using namespace zlp;

void flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A board of puzzle 12 with every kind of mark, shown without blocking.
FrmLogic& markedBoard() {
    FrmMain::get().PuzzleNumber = 12;
    FrmFiles::get().FileMode = 0;
    FrmLogic& board = FrmLogic::get();
    board.show();
    for (int k = 0; k < kCellCount; ++k) {
        if (k % 3 == 0)
            board.ImgO_Click();
        else if (k % 3 == 1)
            board.ImgX_Click();
        else
            board.ImgErase_Click();
        board.ImgCell_Click(k);
    }
    flush();
    return board;
}

// Save through the chooser: name typed, OK, the file written and the chooser gone.
void BM_SaveBoard(benchmark::State& state) {
    markedBoard();
    QTemporaryDir dir;
    const QString home = QDir::currentPath();
    QFile::link(QDir(home).absoluteFilePath(QStringLiteral("ZLP-Images")),
                dir.filePath(QStringLiteral("ZLP-Images")));
    QDir::setCurrent(dir.path());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(QStringLiteral("bench.txt")); // no replace question
        state.ResumeTiming();
        FrmFiles::get().FileMode = 2;
        FrmFiles::get().show();
        FrmFiles::get()
            .control<QLineEdit>(QStringLiteral("TxtFileName"))
            ->setText(QStringLiteral("bench"));
        FrmFiles::get().OKButton_Click();
        flush();
    }
    QDir::setCurrent(home);
    FrmLogic::release();
    FrmFiles::release();
    flush();
}
BENCHMARK(BM_SaveBoard)->Unit(benchmark::kMillisecond);

// Reopen: both passes over the file, then the board's set-up replaying the cells.
void BM_ReopenWithReplay(benchmark::State& state) {
    FrmLogic& board = markedBoard();
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("saved.txt")).toStdString();
    std::ofstream(path, std::ios::binary) << formatBoard(12, board.board.CellState);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const ReadResult read = readSavedBoard(in);
        FrmFiles::get().SavedCell = read.board.cells;
        FrmMain::get().PuzzleNumber = read.board.puzzleNumber;
        FrmFiles::get().FileMode = 1;
        board.SetUpPuzzle();
        QCoreApplication::processEvents();
    }
    FrmLogic::release();
    flush();
}
BENCHMARK(BM_ReopenWithReplay)->Unit(benchmark::kMillisecond);

// Opening a window: load, show, paint, then unload.
template <class Window> void BM_OpenWindow(benchmark::State& state) {
    FrmMain::get().PuzzleNumber = 1;
    for (auto _ : state) {
        Window::get().show();
        QCoreApplication::processEvents();
        Window::get().unload();
        flush();
    }
    Window::release();
    flush();
}
BENCHMARK(BM_OpenWindow<FrmLogicIntro>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow<FrmFillIn>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow<FrmInstructions>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow<FrmExamples>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow<FrmFiles>)->Unit(benchmark::kMillisecond);

// The chooser opened on the huge folder.
void BM_OpenChooserOnHugeFolder(benchmark::State& state) {
    const auto dir = makeHugeFolder();
    if (!dir) return state.SkipWithError("cannot make the folders in /dev/shm");
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir->path()); // where the chooser starts
    FrmFiles::get().FileMode = 1;
    BM_OpenWindow<FrmFiles>(state);
    QDir::setCurrent(home);
}
BENCHMARK(BM_OpenChooserOnHugeFolder)->Unit(benchmark::kMillisecond);

} // namespace
