// SPDX-License-Identifier: GPL-3.0-or-later
// How a puzzle is written down: its items, clues with their meanings, story
// and solution. The catalogue turns each source into a PuzzleRecord.
#pragma once

#include "catalogue/clue.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zlp {

struct ClueSource {
    std::vector<std::string> lines; // as shown: "*First..." then "   continued"
    ClueExpr meaning;
};

struct PuzzleSource {
    // Items of categories 1 to 4; ordered categories list theirs in increasing order.
    std::array<std::array<std::string, 5>, 4> items;
    // Values of the items of ordered categories, for "more by" clues (minutes,
    // years, feet...). All zero means the item numbers 1 to 5 are the values.
    std::array<std::array<int, 5>, 4> values{};
    // Five tuples (a, b, c, d): item a of category 1 with b, c and d of categories 2, 3, 4.
    std::array<std::array<std::int16_t, 4>, 5> solution{};

    std::vector<ClueSource> clues;
    bool cluesStartWithBlankLine = false;
    bool cluesEndWithBlankLine = false;
    int blankLinesBetweenClues = 1;

    std::vector<std::string> introPieces; // joined by line breaks
    bool introStartsWithLineBreak = true;
};

// One function per puzzle, each in its own file under catalogue/puzzles/.
PuzzleSource puzzle01();
PuzzleSource puzzle02();
PuzzleSource puzzle03();
PuzzleSource puzzle04();
PuzzleSource puzzle05();
PuzzleSource puzzle06();
PuzzleSource puzzle07();
PuzzleSource puzzle08();
PuzzleSource puzzle09();
PuzzleSource puzzle10();
PuzzleSource puzzle11();
PuzzleSource puzzle12();
PuzzleSource puzzle13();
PuzzleSource puzzle14();
PuzzleSource puzzle15();
PuzzleSource puzzle16();
PuzzleSource puzzle17();
PuzzleSource puzzle18();
PuzzleSource puzzle19();
PuzzleSource puzzle20();
PuzzleSource puzzle21();
PuzzleSource puzzle22();
PuzzleSource puzzle23();
PuzzleSource puzzle24();
PuzzleSource puzzle25();

} // namespace zlp
