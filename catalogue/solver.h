// SPDX-License-Identifier: GPL-3.0-or-later
// Proves what a puzzle's clues allow: counts every assignment of the items
// that satisfies all clues, and the same with each clue left out.
#pragma once

#include "catalogue/clue.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zlp {

// item[c][e]: the item of category c + 1 that goes with item e + 1 of category 1.
struct Assignment {
    std::array<std::array<int, 5>, 4> item{};
    friend bool operator==(const Assignment&, const Assignment&) = default;
};

Assignment assignmentFromSolution(const std::array<std::array<std::int16_t, 4>, 5>& solution);

// Whether an assignment satisfies a clue whose names have been resolved.
bool satisfies(const ClueExpr& clue, const Assignment& a, const ItemValues& values);

struct SolveReport {
    long long answers = 0;                // assignments satisfying every clue
    std::vector<long long> withoutClue;   // the same with clue i left out
    std::vector<Assignment> firstAnswers; // up to two of them
};

SolveReport solve(const std::vector<ClueExpr>& clues, const ItemValues& values);

} // namespace zlp
