// SPDX-License-Identifier: GPL-3.0-or-later
// Where a puzzle's solution lies on the grid.
#pragma once

#include "catalogue/catalogue.h"

#include <array>

namespace zlp {

// The 30 solution cells of a record, six for each line of its solution.
std::array<int, 30> solutionCells(const PuzzleRecord& record);

} // namespace zlp
