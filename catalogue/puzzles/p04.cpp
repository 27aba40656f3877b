// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle04() {
    PuzzleSource p;
    p.items = {{
        {"Agnes", "Bernard", "Clement", "Delia", "Eunice"},
        {"Airport", "Beach", "Diner", "Hospital", "Office"},
        {"Radio Quiz", "Inheritance", "Lawsuit", "Lottery", "Sweepstakes"},
        {"$10,000", "$20,000", "$30,000", "$40,000", "$50,000"},
    }};
    p.values[3] = {10000, 20000, 30000, 40000, 50000}; // dollars
    p.solution = {{{1, 2, 4, 3}, {2, 4, 1, 5}, {3, 1, 3, 1}, {4, 5, 2, 4}, {5, 3, 5, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Delia's money was an inheritance.  Of", "   Clement and Delia, one was at the",
          "   office and the other at the", "   airport."},
         allOf({same("Delia", "Inheritance"), oneEach("Clement", "Delia", "Office", "Airport")})},
        {{"*The lottery winner was neither in the", "   hospital nor at the office.  The",
          "   one at the office got $30,000 more", "   than Clement."},
         allOf(
             {neither({"Hospital", "Office"}, "Lottery"), moreBy("Office", "Clement", 4, 30000)})},
        {{"*Clement was either at the airport or", "   in the diner.  Neither the one at",
          "   the airport nor the one at the", "   office won the sweepstakes."},
         allOf({oneOf("Clement", {"Airport", "Diner"}),
                neither({"Airport", "Office"}, "Sweepstakes")})},
        {{"*When her good news arrived, Eunice", "   was neither waiting at the airport",
          "   nor lying on the beach."},
         neither({"Airport", "Beach"}, "Eunice")},
        {{"*Delia heard her news neither at the", "   airport nor on the beach.  The",
          "   lottery paid $20,000 more than the", "   airport windfall."},
         allOf({neither({"Airport", "Beach"}, "Delia"), moreBy("Lottery", "Airport", 4, 20000)})},
        {{"*Bernard, who won a radio quiz, got", "   $30,000 more than the one in the",
          "   diner."},
         allOf({same("Bernard", "Radio Quiz"), moreBy("Bernard", "Diner", 4, 30000)})},
    };
    // clang-format on
    p.introPieces = {
        "Five neighbors on Larkspur Drive each came into some unexpected money this year, and "
        "each heard the happy news in a different place: at the airport, on the beach, in a "
        "diner, in a hospital or at the office.  The five windfalls came from a radio quiz, an "
        "inheritance, a lawsuit, a lottery and a sweepstakes, and were worth $10,000, $20,000, "
        "$30,000, $40,000 and $50,000.  From the clues, can you work out where each of Agnes, "
        "Bernard, Clement, Delia and Eunice heard the news, where the money came from and how "
        "much each one received?",
    };
    p.introStartsWithLineBreak = false;
    return p;
}

} // namespace zlp
