// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle15() {
    PuzzleSource p;
    p.items = {{
        {"Annika", "Bertram", "Clarissa", "Dominic", "Eloise"},
        {"Nurse", "Architect", "Pilot", "Chef", "Lawyer"},
        {"24", "31", "38", "45", "52"},
        {"French", "Japanese", "Swahili", "Portuguese", "Korean"},
    }};
    p.values[2] = {24, 31, 38, 45, 52}; // years
    p.solution = {{{1, 3, 3, 5}, {2, 4, 1, 1}, {3, 5, 5, 2}, {4, 1, 2, 3}, {5, 2, 4, 4}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The nurse, who is learning Swahili,", "   is exactly seven years older than",
          "   Bertram."},
         allOf({same("Nurse", "Swahili"), moreBy("Nurse", "Bertram", 3, 7)})},
        {{"*Annika is older than the nurse but", "   younger than the architect."},
         allOf({after("Annika", "Nurse", 3), before("Annika", "Architect", 3)})},
        {{"*Of Clarissa and the pilot, one is", "   the oldest of the five and the",
          "   other is learning Korean."},
         allOf({differ("Clarissa", "Pilot"), oneEach("Clarissa", "Pilot", "52", "Korean")})},
        {{"*The one learning Portuguese, who is", "   not Annika, is exactly twenty-one",
          "   years older than the one learning", "   French."},
         allOf({differ("Portuguese", "Annika"), moreBy("Portuguese", "French", 3, 21)})},
        {{"*Dominic is younger than Eloise, and", "   neither is learning Japanese."},
         allOf({before("Dominic", "Eloise", 3), neither({"Dominic", "Eloise"}, "Japanese")})},
        {{"*The lawyer, who is neither Dominic", "   nor Eloise, is older than the", "   chef."},
         allOf({neither({"Dominic", "Eloise"}, "Lawyer"), after("Lawyer", "Chef", 3)})},
        {{"*The one learning Japanese is", "   exactly fourteen years older than",
          "   the one learning Korean."},
         moreBy("Japanese", "Korean", 3, 14)},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "The evening classes at Brackenford Community College drew five new students this "
        "fall: Annika, Bertram, Clarissa, Dominic and Eloise.  Each of them has a different "
        "job: one is a nurse, one an architect, one a pilot, one a chef and one a lawyer.",
        "Their ages are 24, 31, 38, 45 and 52.",
        "Each signed up for a different language: French, Japanese, Swahili, Portuguese or "
        "Korean.",
        "From the clues, can you work out each student's profession, age and the language "
        "that each one is learning?",
    };
    return p;
}

} // namespace zlp
