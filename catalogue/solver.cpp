// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/solver.h"

#include <algorithm>
#include <cstdlib>

namespace zlp {

namespace {

// Which entry (item of category 1, 0-based) holds an item.
int entryOf(ItemRef r, const Assignment& a) {
    const auto& col = a.item[static_cast<std::size_t>(r.category - 1)];
    for (int e = 0; e < 5; ++e)
        if (col[static_cast<std::size_t>(e)] == r.item) return e;
    return -1;
}

int itemAt(int category, int entry, const Assignment& a) {
    return a.item[static_cast<std::size_t>(category - 1)][static_cast<std::size_t>(entry)];
}

int valueOf(int category, int item, const ItemValues& values) {
    const int v =
        values[static_cast<std::size_t>(category - 1)][static_cast<std::size_t>(item - 1)];
    const bool anySet = std::any_of(values[static_cast<std::size_t>(category - 1)].begin(),
                                    values[static_cast<std::size_t>(category - 1)].end(),
                                    [](int x) { return x != 0; });
    return anySet ? v : item;
}

// The highest category a clue looks at: it can be decided once categories up
// to that one are placed.
int depthOf(const ClueExpr& e) {
    int d = std::max({e.a.category, e.b.category, e.category});
    for (const auto& p : e.parts) d = std::max(d, depthOf(p));
    return d;
}

} // namespace

Assignment assignmentFromSolution(const std::array<std::array<std::int16_t, 4>, 5>& solution) {
    Assignment a;
    for (const auto& t : solution)
        for (std::size_t c = 0; c < t.size(); ++c)
            a.item[c][static_cast<std::size_t>(t[0] - 1)] = t[c];
    return a;
}

bool satisfies(const ClueExpr& e, const Assignment& a, const ItemValues& values) {
    using K = ClueExpr::Kind;
    switch (e.kind) {
    case K::Same:
        return entryOf(e.a, a) == entryOf(e.b, a);
    case K::Less:
    case K::Diff:
    case K::AbsDiff: {
        const int ia = itemAt(e.category, entryOf(e.a, a), a);
        const int ib = itemAt(e.category, entryOf(e.b, a), a);
        if (e.kind == K::Less) return ia < ib;
        if (e.kind == K::AbsDiff) return std::abs(ia - ib) == e.delta;
        return valueOf(e.category, ia, values) - valueOf(e.category, ib, values) == e.delta;
    }
    case K::And:
        return std::all_of(e.parts.begin(), e.parts.end(),
                           [&](const ClueExpr& p) { return satisfies(p, a, values); });
    case K::Or:
        return std::any_of(e.parts.begin(), e.parts.end(),
                           [&](const ClueExpr& p) { return satisfies(p, a, values); });
    case K::Not:
        break;
    }
    return !satisfies(e.parts.front(), a, values); // Not
}

SolveReport solve(const std::vector<ClueExpr>& clues, const ItemValues& values) {
    SolveReport report;
    report.withoutClue.assign(clues.size(), 0);

    std::vector<std::array<int, 5>> perms;
    std::array<int, 5> p{1, 2, 3, 4, 5};
    do perms.push_back(p);
    while (std::next_permutation(p.begin(), p.end()));

    // Clues grouped by the category after whose placement they can be decided.
    std::array<std::vector<std::size_t>, 5> atDepth;
    for (std::size_t i = 0; i < clues.size(); ++i)
        atDepth[static_cast<std::size_t>(depthOf(clues[i]))].push_back(i);

    Assignment a;
    a.item[0] = {1, 2, 3, 4, 5};
    std::vector<std::size_t> failed; // clues failed so far on this branch (at most one kept)

    // Returns false when the branch fails two or more clues and can be cut.
    auto check = [&](int depth, std::size_t& failedHere) {
        for (std::size_t i : atDepth[static_cast<std::size_t>(depth)]) {
            if (!satisfies(clues[i], a, values)) {
                failed.push_back(i);
                ++failedHere;
                if (failed.size() >= 2) return false;
            }
        }
        return true;
    };
    auto unwind = [&](std::size_t n) { failed.resize(failed.size() - n); };

    std::size_t f1 = 0;
    if (check(1, f1)) {
        for (const auto& p2 : perms) {
            a.item[1] = p2;
            std::size_t f2 = 0;
            if (check(2, f2)) {
                for (const auto& p3 : perms) {
                    a.item[2] = p3;
                    std::size_t f3 = 0;
                    if (check(3, f3)) {
                        for (const auto& p4 : perms) {
                            a.item[3] = p4;
                            std::size_t f4 = 0;
                            if (check(4, f4)) {
                                if (failed.empty()) {
                                    ++report.answers;
                                    if (report.firstAnswers.size() < 2)
                                        report.firstAnswers.push_back(a);
                                    for (auto& n : report.withoutClue) ++n;
                                } else {
                                    ++report.withoutClue[failed.front()];
                                }
                            }
                            unwind(f4);
                        }
                    }
                    unwind(f3);
                }
            }
            unwind(f2);
        }
    }
    return report;
}

} // namespace zlp
