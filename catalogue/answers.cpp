// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/answers.h"

#include "board/grid.h"

namespace zlp {

std::array<int, 30> solutionCells(const PuzzleRecord& record) {
    std::array<int, 30> cells{};
    std::size_t n = 0;
    for (const auto& t : record.Solution) {
        const int a = t[0], b = t[1], c = t[2], d = t[3];
        cells[n++] = cellIndex(b, a);
        cells[n++] = cellIndex(5 + c, a);
        cells[n++] = cellIndex(10 + d, a);
        cells[n++] = cellIndex(b, 5 + d);
        cells[n++] = cellIndex(5 + c, 5 + d);
        cells[n++] = cellIndex(b, 10 + c);
    }
    return cells;
}

} // namespace zlp
