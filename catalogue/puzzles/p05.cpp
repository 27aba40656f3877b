// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle05() {
    PuzzleSource p;
    p.items = {{
        {"Frankie", "Lorna", "Monty", "Rosa", "Vito"},
        {"Bratton", "Culpepper", "Dunmore", "Garrity", "Voss"},
        {"Arson", "Burglary", "Extortion", "Forgery", "Smuggling"},
        {"Boston", "Chicago", "Denver", "Memphis", "Tampa"},
    }};
    p.solution = {{{1, 5, 2, 4}, {2, 3, 4, 1}, {3, 1, 5, 2}, {4, 2, 1, 3}, {5, 4, 3, 5}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Of the extortionist and the smuggler,", "   one was caught in Chicago and the",
          "   other in Tampa.  Culpepper was", "   caught in neither Boston nor Tampa."},
         allOf({oneEach("Extortion", "Smuggling", "Chicago", "Tampa"),
                neither({"Boston", "Tampa"}, "Culpepper")})},
        {{"*Monty is wanted for smuggling, and", "   Vito is the extortionist."},
         allOf({same("Monty", "Smuggling"), same("Vito", "Extortion")})},
        {{"*Monty was caught in Chicago, and", "   Frankie was arrested by the police",
          "   in Memphis."},
         allOf({same("Monty", "Chicago"), same("Frankie", "Memphis")})},
        {{"*Of Culpepper and Dunmore, one was", "   caught in Boston and the other in",
          "   Denver.  Of Culpepper and Garrity,", "   one is the arsonist and the other",
          "   the extortionist."},
         allOf({oneEach("Culpepper", "Dunmore", "Boston", "Denver"),
                oneEach("Culpepper", "Garrity", "Arson", "Extortion")})},
        {{"*Voss is wanted either for burglary or", "   for extortion."},
         oneOf("Voss", {"Burglary", "Extortion"})},
        {{"*Of the five fugitives, one is Rosa,", "   one is Monty, one is the forger,",
          "   one was caught in Memphis and one", "   was caught in Tampa."},
         allDifferent({"Rosa", "Monty", "Forgery", "Memphis", "Tampa"})},
    };
    // clang-format on
    p.introPieces = {
        "Last month the police in five cities (Boston, Chicago, Denver, Memphis and Tampa) each "
        "arrested one of the five fugitives on the national most-wanted list.  Each fugitive was "
        "wanted for a different crime: arson, burglary, extortion, forgery or smuggling.  Their "
        "first names are Frankie, Lorna, Monty, Rosa and Vito, and their",
        "surnames, in no particular order, are Bratton, Culpepper, Dunmore, Garrity and Voss.  "
        "From the clues, can you give each fugitive's full name, the crime and the city where he "
        "or she was caught?",
    };
    return p;
}

} // namespace zlp
