// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/grid.h"

#include <cstdio>
#include <iterator>

namespace zlp {

std::string cellName(std::string_view prefix, int k) {
    const CellPos p = cellAt(k);
    char digits[24];
    std::snprintf(digits, sizeof digits, "%02d%02d", p.col, p.row);
    return std::string(prefix) + digits;
}

std::string cellName(int k) {
    return cellName("Img", k);
}

std::optional<int> cellIndexFromName(std::string_view name) {
    if (name.size() != 7 || name.substr(0, 3) != "Img") return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        const char c = name[3 + i];
        if (c < '0' || c > '9') return std::nullopt;
        v[i] = c - '0';
    }
    const int k = cellIndex(v[0] * 10 + v[1], v[2] * 10 + v[3]);
    if (k < 0) return std::nullopt;
    return k;
}

int blockOf(int col, int row) {
    const int band = (row - 1) / 5; // 0 top, 1 middle, 2 bottom
    const int stack = (col - 1) / 5;
    static constexpr int first[] = {1, 4, 6};
    return first[band] + stack;
}

int cellJoining(int catA, int itemA, int catB, int itemB) {
    // Column category and row category of each block, in block order.
    static constexpr int colCat[] = {2, 3, 4, 2, 3, 2};
    static constexpr int rowCat[] = {1, 1, 1, 4, 4, 3};
    static constexpr int colBase[] = {0, 5, 10, 0, 5, 0};
    static constexpr int rowBase[] = {0, 0, 0, 5, 5, 10};
    for (std::size_t b = 0; b < std::size(colCat); ++b) {
        if (colCat[b] == catA && rowCat[b] == catB)
            return cellIndex(colBase[b] + itemA, rowBase[b] + itemB);
        if (colCat[b] == catB && rowCat[b] == catA)
            return cellIndex(colBase[b] + itemB, rowBase[b] + itemA);
    }
    return -1;
}

} // namespace zlp
