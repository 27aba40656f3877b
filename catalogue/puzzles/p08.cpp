// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle08() {
    PuzzleSource p;
    p.items = {{
        {"Gideon", "Harriet", "Lucius", "Marguerite", "Silas"},
        {"Brannock", "Calloway", "Drummond", "Featherly", "Wexford"},
        {"Army", "Navy", "Air Force", "Marines", "Coast Guard"},
        {"20 Years", "23 Years", "25 Years", "28 Years", "32 Years"},
    }};
    p.values[3] = {20, 23, 25, 28, 32}; // years of service
    p.solution = {{{1, 5, 2, 4}, {2, 2, 3, 1}, {3, 4, 5, 5}, {4, 1, 1, 3}, {5, 3, 4, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Marguerite served exactly two years", "   longer than Drummond."},
         moreBy("Marguerite", "Drummond", 4, 2)},
        {{"*The Coast Guard veteran, who is not", "   Wexford, served longer than Gideon."},
         allOf({differ("Coast Guard", "Wexford"), after("Coast Guard", "Gideon", 4)})},
        {{"*Harriet served in neither the Army", "   nor the Navy."},
         neither({"Army", "Navy"}, "Harriet")},
        {{"*Of Calloway and the Marine veteran,", "   one served 20 years and the other",
          "   23 years."},
         allOf({differ("Calloway", "Marines"),
                oneEach("Calloway", "Marines", "20 Years", "23 Years")})},
        {{"*Featherly served longer than", "   Brannock."}, after("Featherly", "Brannock", 4)},
        {{"*Silas, who is not Featherly, served", "   fewer years than the Army veteran."},
         allOf({differ("Silas", "Featherly"), before("Silas", "Army", 4)})},
        {{"*Calloway, who is not Silas, served", "   exactly eight fewer years than",
          "   Wexford."},
         allOf({differ("Calloway", "Silas"), moreBy("Wexford", "Calloway", 4, 8)})},
        {{"*Of the five, one is Lucius, one is", "   Drummond, one served in the Air",
          "   Force, one served 28 years and one", "   served in the Army."},
         allDifferent({"Lucius", "Drummond", "Air Force", "28 Years", "Army"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "Five veterans, Gideon, Harriet, Lucius, Marguerite and Silas, were honored at the "
        "Ridgeford town hall last Saturday as they retired from military service.  Their "
        "surnames, in some order, are Brannock, Calloway, Drummond, Featherly and Wexford.  "
        "Each served in a different "
        "branch (the Army, the Navy, the Air Force, the Marines or the Coast Guard),",
        "and each served a different number of years: 20, 23, 25, 28 or 32.  From the clues, "
        "can you give each retiree's full name, branch of service and years served?",
    };
    return p;
}

} // namespace zlp
