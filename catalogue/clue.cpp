// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/clue.h"

namespace zlp::clue {

namespace {
// A clue on two items; a kind that compares on an ordered category sets
// that and its distance itself, the others keep the declared defaults.
ClueExpr pair(ClueExpr::Kind kind, std::string a, std::string b) {
    ClueExpr e;
    e.kind = kind;
    e.nameA = std::move(a);
    e.nameB = std::move(b);
    return e;
}

ClueExpr ordered(ClueExpr::Kind kind, std::string a, std::string b, int k) {
    ClueExpr e = pair(kind, std::move(a), std::move(b));
    e.category = k;
    return e;
}
} // namespace

ClueExpr allOf(std::vector<ClueExpr> parts) {
    ClueExpr e;
    e.kind = ClueExpr::Kind::And;
    e.parts = std::move(parts);
    return e;
}

ClueExpr anyOf(std::vector<ClueExpr> parts) {
    ClueExpr e;
    e.kind = ClueExpr::Kind::Or;
    e.parts = std::move(parts);
    return e;
}

ClueExpr negate(ClueExpr inner) {
    ClueExpr e;
    e.kind = ClueExpr::Kind::Not;
    e.parts.push_back(std::move(inner));
    return e;
}

ClueExpr same(std::string a, std::string b) {
    return pair(ClueExpr::Kind::Same, std::move(a), std::move(b));
}

ClueExpr differ(std::string a, std::string b) {
    return negate(same(std::move(a), std::move(b)));
}

ClueExpr oneOf(std::string a, std::vector<std::string> options) {
    std::vector<ClueExpr> parts;
    for (auto& o : options) parts.push_back(same(a, std::move(o)));
    return anyOf(std::move(parts));
}

ClueExpr neither(std::vector<std::string> items, std::string b) {
    std::vector<ClueExpr> parts;
    for (auto& i : items) parts.push_back(differ(std::move(i), b));
    return allOf(std::move(parts));
}

ClueExpr before(std::string a, std::string b, int k) {
    return ordered(ClueExpr::Kind::Less, std::move(a), std::move(b), k);
}

ClueExpr after(std::string a, std::string b, int k) {
    return before(std::move(b), std::move(a), k);
}

ClueExpr moreBy(std::string a, std::string b, int k, int delta) {
    ClueExpr e = ordered(ClueExpr::Kind::Diff, std::move(a), std::move(b), k);
    e.delta = delta;
    return e;
}

ClueExpr nextTo(std::string a, std::string b, int k) {
    ClueExpr e = ordered(ClueExpr::Kind::AbsDiff, std::move(a), std::move(b), k);
    e.delta = 1;
    return e;
}

ClueExpr notNextTo(std::string a, std::string b, int k) {
    return negate(nextTo(std::move(a), std::move(b), k));
}

ClueExpr allDifferent(std::vector<std::string> items) {
    std::vector<ClueExpr> parts;
    for (auto a = items.begin(); a != items.end(); ++a)
        for (auto b = a + 1; b != items.end(); ++b) parts.push_back(differ(*a, *b));
    return allOf(std::move(parts));
}

ClueExpr oneEach(std::string x, std::string y, std::string a, std::string b) {
    // "One ... and the other ..." speaks of two different entries, even when
    // x and y come from different categories.
    return allOf(
        {differ(x, y), anyOf({allOf({same(x, a), same(y, b)}), allOf({same(x, b), same(y, a)})})});
}

} // namespace zlp::clue
