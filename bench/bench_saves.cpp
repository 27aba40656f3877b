// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-board reader on whole files, the way the chooser's open path
// reads them: a real board, and files far bigger than one, made in the
// temporary folder (sparse where they hold no line end) and removed after.
#include "saves/board_file.h"
#include "saves/file_store.h"

#include "huge_folder.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

using zlp::ReadOutcome;

// A file of size bytes with a line feed at the end of every line of the given
// count; one line is a single sparse line of NUL characters without a line end.
std::string makeFile(qint64 size, qint64 lines) {
    const QString path =
        QDir::temp().filePath(QStringLiteral("zlp-bench-%1-%2.txt").arg(size).arg(lines));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    if (lines <= 1) {
        f.resize(size);
    } else {
        const qint64 step = size / lines;
        QByteArray block;
        for (qint64 at = 0; at < size; at += block.size()) {
            block = QByteArray(std::min<qint64>(size - at, 1 << 20), 'x');
            for (qint64 i = (step - 1 - at % step) % step; i < block.size(); i += step)
                block[i] = '\n';
            f.write(block);
        }
    }
    return QFile::encodeName(path).toStdString();
}

ReadOutcome readWhole(const std::string& path) {
    return zlp::readBoardFile(path).outcome;
}

// Args: file size in bytes, number of lines.
void BM_RejectBigFile(benchmark::State& state) {
    const std::string path = makeFile(state.range(0), state.range(1));
    if (path.empty()) return state.SkipWithError("cannot write to the temporary folder");
    for (auto _ : state) {
        if (readWhole(path) != ReadOutcome::NotABoard) state.SkipWithError("not rejected");
    }
    QFile::remove(QFile::decodeName(path.c_str()));
}
constexpr qint64 kKiB = 1024, kMB = 200'000'000, kGiB = qint64(1) << 30;
BENCHMARK(BM_RejectBigFile)
    ->Args({kKiB, 1})
    ->Args({kKiB, kKiB}) // bare line feeds
    ->Args({kMB, 1})
    ->Args({kMB, 1'000'000})
    ->Args({kMB, kMB}) // bare line feeds
    ->Args({kGiB, 1})
    ->Args({kGiB, 1'000'000})
    ->Unit(benchmark::kMillisecond);

// A real board is read in full: both passes.
void BM_OpenBoard(benchmark::State& state) {
    std::array<zlp::Int16, zlp::kCellCount> states{};
    const QString path = QDir::temp().filePath(QStringLiteral("zlp-bench-board.txt"));
    QFile f(path);
    const std::string text = zlp::formatBoard(12, states);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.data(), qint64(text.size())) < 0)
        return state.SkipWithError("cannot write to the temporary folder");
    f.close();
    for (auto _ : state) {
        if (readWhole(QFile::encodeName(path).toStdString()) != ReadOutcome::Board)
            state.SkipWithError("not read");
    }
    QFile::remove(path);
}
BENCHMARK(BM_OpenBoard)->Unit(benchmark::kMicrosecond);

// The file layer's listing of the huge folder, without the chooser's lists
// (bench_windows times those).
void BM_ListHugeFolder(benchmark::State& state) {
    const auto dir = makeHugeFolder();
    if (!dir) return state.SkipWithError("cannot make the folders in /dev/shm");
    const std::string folder = QFile::encodeName(dir->path()).toStdString();
    for (auto _ : state) {
        const auto entries = zlp::listFolder(folder);
        if (entries.size() != std::size_t(kHugeFolderSize) || !entries.front().isFolder)
            state.SkipWithError("not listed whole");
    }
}
BENCHMARK(BM_ListHugeFolder)->Unit(benchmark::kMillisecond);

} // namespace
