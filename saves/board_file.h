// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-board file: one line of 151 comma-separated decimal integers, the
// puzzle number and then the 150 cell states in cell-index order, ended by
// CR LF. The reader recognises a saved board by the length of its last line
// alone, read back from the end of the file, then reads the values from the
// start of the file.
//
// Reading treats LF as the end of a line and drops one CR right before it, so
// CR LF and a lone LF both end a line; a CR anywhere else is an ordinary
// character.
#pragma once

#include "board/grid.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace zlp {

inline constexpr int kFirstPuzzle = 1;
inline constexpr int kLastPuzzle = 25;

// Lengths, without the line end, of the one line the writer produces.
inline constexpr std::uint64_t kShortBoardLine = 301; // puzzles 1 to 9
inline constexpr std::uint64_t kLongBoardLine = 302;  // puzzles 10 to 25

// A board as read back: the cells hold the numbers as read.
struct SavedBoard {
    Int16 puzzleNumber = 0;
    std::array<long long, kCellCount> cells{};
};

// The whole file for that board: "N,s,s,...,s" and CR LF.
std::string formatBoard(Int16 puzzleNumber, const std::array<Int16, kCellCount>& states);

// Test pass over a seekable stream, read back from its end: the length of
// the last line, its line end left out, counted only up to limit + 1, so a
// longer line costs no more than that. A stream without any line has an
// empty last line. Nothing when the stream fails.
std::optional<std::uint64_t> lastLineLength(std::istream& in, std::uint64_t limit = UINT64_MAX - 1);
constexpr bool isBoardLineLength(std::uint64_t length) {
    return length == kShortBoardLine || length == kLongBoardLine;
}

// Value pass, from the stream's current position: exactly one line (a line
// end after it is optional) of 151 integers, each an optional "-" and
// decimal digits, with a puzzle number of 1 to 25. Anything else, or a
// stream that fails, gives nothing.
std::optional<SavedBoard> readBoardValues(std::istream& in);

enum class ReadOutcome { Board, NotABoard, Unreadable };

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::Unreadable;
    SavedBoard board; // meaningful for ReadOutcome::Board only
};

// Both passes over a seekable stream: the test pass, then, from the start
// again, the value pass.
ReadResult readSavedBoard(std::istream& in);

} // namespace zlp
