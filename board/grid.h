// SPDX-License-Identifier: GPL-3.0-or-later
// The elimination grid: cell names and numbering, blocks, categories, cell
// states and the marking tool. Plain data and arithmetic, no windows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zlp {

using Int16 = std::int16_t;

inline constexpr int kCellCount = 150;
inline constexpr int kGridSize = 15;

// Values of a CellState.
inline constexpr Int16 kStateX = 0;
inline constexpr Int16 kStateO = 1;
inline constexpr Int16 kStateBlank = 2;

// Values of CurrentTool.
inline constexpr Int16 kToolX = 1;
inline constexpr Int16 kToolO = 2;
inline constexpr Int16 kToolEraser = 3;

struct CellPos {
    int col = 0; // 1 to 15, from the left
    int row = 0; // 1 to 15, from the top
    friend constexpr bool operator==(CellPos, CellPos) = default;
};

// The staircase: a position is a cell when it lies in one of the six blocks.
constexpr bool isCell(int col, int row) {
    return col >= 1 && col <= kGridSize && row >= 1 && row <= kGridSize &&
           (col - 1) / 5 + (row - 1) / 5 <= 2;
}

// One step of the keyboard cursor; a step that would leave the staircase stays put.
constexpr CellPos stepInside(CellPos from, int dCol, int dRow) {
    return isCell(from.col + dCol, from.row + dRow) ? CellPos{from.col + dCol, from.row + dRow}
                                                    : from;
}

// Zero-based index in identifier order (column by column), or -1.
constexpr int cellIndex(int col, int row) {
    if (!isCell(col, row)) return -1;
    if (col <= 5) return 15 * (col - 1) + (row - 1);
    if (col <= 10) return 75 + 10 * (col - 6) + (row - 1);
    return 125 + 5 * (col - 11) + (row - 1);
}

// Inverse of cellIndex; k must be 0 to 149.
constexpr CellPos cellAt(int k) {
    if (k < 75) return {k / 15 + 1, k % 15 + 1};
    if (k < 125) return {(k - 75) / 10 + 6, (k - 75) % 10 + 1};
    return {(k - 125) / 5 + 11, (k - 125) % 5 + 1};
}

// "Img<cc><rr>" and the per-cell family names built the same way.
std::string cellName(int k);
std::string cellName(std::string_view prefix, int k);        // e.g. "SavedCell", "PurpleColumnOs"
std::optional<int> cellIndexFromName(std::string_view name); // "Img0309" -> 38

// Block 1 to 6 of a cell (top band 1-3, middle 4-5, bottom 6).
int blockOf(int col, int row);

// Category shown along a column or a row of the grid.
constexpr int columnCategory(int col) {
    return col <= 5 ? 2 : col <= 10 ? 3 : 4;
}
constexpr int rowCategory(int row) {
    return row <= 5 ? 1 : row <= 10 ? 4 : 3;
}
constexpr int itemOf(int colOrRow) {
    return (colOrRow - 1) % 5 + 1;
}

// The two items a cell joins.
struct CellPair {
    int colCategory, colItem;
    int rowCategory, rowItem;
    friend constexpr bool operator==(CellPair, CellPair) = default;
};
constexpr CellPair cellPair(int col, int row) {
    return {columnCategory(col), itemOf(col), rowCategory(row), itemOf(row)};
}

// The cell where item a of one category meets item b of another, or -1 when
// the two categories are the same. Categories 1 to 4, items 1 to 5.
int cellJoining(int catA, int itemA, int catB, int itemB);

} // namespace zlp
