// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the saved-board reader over arbitrary bytes. Besides not
// crashing, the reader must agree with a slow line splitter on the last line,
// accept only what it promises, read back what it would write, and read a
// file on disk as it reads the same bytes in memory.
#include "saves/board_file.h"
#include "saves/file_store.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {
// The last line's length the plain way, keeping every line.
std::uint64_t slowLastLineLength(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (const char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
            open = false;
        } else {
            line += c;
            open = true;
        }
    }
    if (open) lines.push_back(line);
    return lines.empty() ? 0 : lines.back().size();
}

void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::istringstream lengthIn(text);
    const auto length = zlp::lastLineLength(lengthIn);
    check(length.has_value() && *length == slowLastLineLength(text));
    // Counting stops just past a board's line, wherever the reader's pieces end.
    std::istringstream cappedIn(text);
    const auto capped = zlp::lastLineLength(cappedIn, zlp::kLongBoardLine);
    check(capped.has_value() && *capped == std::min(*length, zlp::kLongBoardLine + 1));

    std::istringstream in(text);
    const zlp::ReadResult read = zlp::readSavedBoard(in);
    check(read.outcome != zlp::ReadOutcome::Unreadable);

    // The same bytes as a file, opened by its path the way the chooser opens one.
    static const int file = memfd_create("zlp-fuzz", 0);
    check(file >= 0 && ftruncate(file, 0) == 0 &&
          pwrite(file, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()));
    const zlp::ReadResult onDisk = zlp::readBoardFile("/proc/self/fd/" + std::to_string(file));
    check(onDisk.outcome == read.outcome);
    check(read.outcome != zlp::ReadOutcome::Board ||
          (onDisk.board.puzzleNumber == read.board.puzzleNumber &&
           onDisk.board.cells == read.board.cells));
    if (read.outcome != zlp::ReadOutcome::Board) return 0;

    check(zlp::isBoardLineLength(*length));
    check(read.board.puzzleNumber >= zlp::kFirstPuzzle &&
          read.board.puzzleNumber <= zlp::kLastPuzzle);

    // A board the writer could have made survives writing and reading again.
    std::array<zlp::Int16, zlp::kCellCount> states{};
    for (std::size_t k = 0; k < states.size(); ++k) {
        const long long v = read.board.cells[k];
        if (v < 0 || v > 2) return 0;
        states[k] = static_cast<zlp::Int16>(v);
    }
    std::istringstream again(zlp::formatBoard(read.board.puzzleNumber, states));
    const zlp::ReadResult reread = zlp::readSavedBoard(again);
    check(reread.outcome == zlp::ReadOutcome::Board);
    check(reread.board.puzzleNumber == read.board.puzzleNumber);
    check(reread.board.cells == read.board.cells);
    return 0;
}
