// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle24() {
    PuzzleSource p;
    p.items = {{
        {"Wesley", "Fiona", "Gideon", "Imogen", "Rupert"},
        {"Doctor", "Lawyer", "Dentist", "Engineer", "Teacher"},
        {"Portland", "Denver", "Tampa", "Boise", "Reno"},
        {"Chef", "Painter", "Musician", "Florist", "Comedian"},
    }};
    p.solution = {{{1, 4, 1, 3}, {2, 1, 4, 5}, {3, 5, 3, 1}, {4, 2, 5, 4}, {5, 3, 2, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Of Wesley and Fiona, one has a mom", "   who hoped to raise an engineer, and",
          "   the other became a comedian."},
         oneEach("Wesley", "Fiona", "Engineer", "Comedian")},
        {{"*Of the two children whose moms", "   hoped to raise a teacher and a",
          "   lawyer, one moved to Tampa and the", "   other is now a florist."},
         oneEach("Teacher", "Lawyer", "Tampa", "Florist")},
        {{"*Rupert's mom hoped he would be a", "   dentist, but he became a painter."},
         allOf({same("Rupert", "Dentist"), same("Rupert", "Painter")})},
        {{"*Gideon moved to neither Boise nor", "   Reno."}, neither({"Boise", "Reno"}, "Gideon")},
        {{"*Of the five children, one is Wesley,", "   one moved to Boise, one moved to",
          "   Reno, one is the chef and one the", "   painter."},
         allDifferent({"Wesley", "Boise", "Reno", "Chef", "Painter"})},
        {{"*Of the five children, one is Fiona,", "   one moved to Reno, one moved to",
          "   Denver, one has a mom who hoped to", "   raise an engineer and one has a mom",
          "   who hoped to raise a teacher."},
         allDifferent({"Fiona", "Reno", "Denver", "Engineer", "Teacher"})},
    };
    // clang-format on
    p.cluesEndWithBlankLine = true;
    p.introPieces = {
        "Five moms in the Maple Street reading circle each hoped to raise a doctor, a lawyer, a "
        "dentist, an engineer or a teacher, no two of them the same.",
        "Instead, Wesley, Fiona, Gideon, Imogen and Rupert became a chef, a painter, a "
        "musician, a florist and a comedian, in some order.",
        "Each child moved to a different city: Portland, Denver, Tampa, Boise or Reno.",
        "From the clues, can you work out what each mom hoped for, where her child moved and what "
        "the child became?",
    };
    p.introStartsWithLineBreak = false;
    return p;
}

} // namespace zlp
