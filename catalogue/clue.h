// SPDX-License-Identifier: GPL-3.0-or-later
// What a clue means, in a form a program can check: a small expression over
// the puzzle's items, written next to the clue's English text.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace zlp {

// An item of a puzzle: category 1 to 4, item 1 to 5.
struct ItemRef {
    int category = 0;
    int item = 0;
    friend bool operator==(ItemRef, ItemRef) = default;
};

// Values of the items of ordered categories (minutes, years, feet...), per
// category; a category whose values are all zero counts its items 1 to 5.
using ItemValues = std::array<std::array<int, 5>, 4>;

struct ClueExpr {
    enum class Kind {
        Same,    // a and b belong together
        Less,    // on category k, a's item comes before b's
        Diff,    // on category k, value(a) - value(b) == delta
        AbsDiff, // on category k, |rank(a) - rank(b)| == delta
        And,
        Or,
        Not,
    };
    Kind kind = Kind::Same;
    std::string nameA, nameB; // as written; resolved against the puzzle's items
    ItemRef a, b;
    int category = 0; // the ordered category of Less, Diff, AbsDiff
    int delta = 0;
    std::vector<ClueExpr> parts;
};

// Builders, by item name. Ordered categories list their items in increasing order.
namespace clue {
ClueExpr same(std::string a, std::string b);
ClueExpr differ(std::string a, std::string b);
// a goes with one of the given items.
ClueExpr oneOf(std::string a, std::vector<std::string> options);
// None of the given items goes with b.
ClueExpr neither(std::vector<std::string> items, std::string b);
// On ordered category k: a's item comes before (is lower than) b's.
ClueExpr before(std::string a, std::string b, int k);
ClueExpr after(std::string a, std::string b, int k);
// On ordered category k: a's value is exactly delta more than b's (values per item).
ClueExpr moreBy(std::string a, std::string b, int k, int delta);
// On ordered category k: a and b stand on neighbouring items (or not).
ClueExpr nextTo(std::string a, std::string b, int k);
ClueExpr notNextTo(std::string a, std::string b, int k);
// "The five were A, B, C, D and E": all of them are different entries.
ClueExpr allDifferent(std::vector<std::string> items);
// "Of X and Y, one is A and the other B".
ClueExpr oneEach(std::string x, std::string y, std::string a, std::string b);
ClueExpr allOf(std::vector<ClueExpr> parts);
ClueExpr anyOf(std::vector<ClueExpr> parts);
ClueExpr negate(ClueExpr e);
} // namespace clue

} // namespace zlp
