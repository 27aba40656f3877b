// SPDX-License-Identifier: GPL-3.0-or-later
// The 25 puzzles of the game, built into the program and read-only.
#pragma once

#include "catalogue/clue.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zlp {

struct PuzzleRecord {
    std::int16_t Number = 0;
    std::string Title;
    std::string MenuTitle;
    std::array<std::string, 4> CategoryNames;
    // LblS01..LblS15: items of category 1, then category 4, then category 3.
    std::array<std::string, 15> SideItems;
    std::string HeadingPicture; // "PuzNN.gif" in the picture folder
    std::string ClueText;       // CR LF line breaks, pre-wrapped
    std::string IntroText;      // CR LF line breaks
    // Five tuples (a, b, c, d): item a of category 1 goes with item b of
    // category 2, item c of category 3 and item d of category 4.
    std::array<std::array<std::int16_t, 4>, 5> Solution{};
    // Item names of categories 1 to 4 ("&&" for a literal ampersand, as captions want).
    std::array<std::array<std::string, 5>, 4> Items;
    // What each clue says, in clue order, with item names resolved.
    std::vector<ClueExpr> ClueMeanings;
    ItemValues Values{};
};

class PuzzleCatalogue {
public:
    static const PuzzleCatalogue& instance();
    // MenuTitle of record 1 to 25 without building the catalogue (the main
    // menu needs only these).
    static std::string menuTitle(int number);
    // Title of record 1 to 25, the same way.
    static std::string title(int number);

    // The record for 1 to 25; nullptr for any other number.
    const PuzzleRecord* find(int number) const;
    const std::vector<PuzzleRecord>& all() const { return records_; }

private:
    PuzzleCatalogue();
    std::vector<PuzzleRecord> records_;
};

} // namespace zlp
