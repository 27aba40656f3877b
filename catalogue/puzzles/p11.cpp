// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle11() {
    PuzzleSource p;
    p.items = {{
        {"Anders", "Beatrix", "Clement", "Fenella", "Gus"},
        {"Vandalism", "Littering", "Trespassing", "Shoplifting", "Jaywalking"},
        {"Food Bank", "Library", "City Park", "Soup Kitchen", "Shelter"},
        {"50 Hours", "75 Hours", "100 Hours", "120 Hours", "150 Hours"},
    }};
    p.values[3] = {50, 75, 100, 120, 150}; // hours of service
    p.solution = {{{1, 3, 5, 3}, {2, 2, 3, 1}, {3, 4, 1, 5}, {4, 1, 2, 4}, {5, 5, 4, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The vandal was sentenced to exactly", "   20 hours more than Anders."},
         moreBy("Vandalism", "Anders", 4, 20)},
        {{"*Of Gus and the one placed at the", "   food bank, one was charged with",
          "   jaywalking and the other must serve", "   150 hours."},
         allOf(
             {differ("Gus", "Food Bank"), oneEach("Gus", "Food Bank", "Jaywalking", "150 Hours")})},
        {{"*Beatrix, who was not charged with", "   shoplifting, got fewer hours than",
          "   the one at the soup kitchen."},
         allOf({differ("Beatrix", "Shoplifting"), before("Beatrix", "Soup Kitchen", 4)})},
        {{"*The one placed at the library got", "   more hours than the trespasser but",
          "   fewer than the shoplifter."},
         allOf({after("Library", "Trespassing", 4), before("Library", "Shoplifting", 4)})},
        {{"*Gus was given fewer hours to serve", "   than the one placed at the", "   shelter."},
         before("Gus", "Shelter", 4)},
        {{"*The litterer must serve exactly 25", "   fewer hours than the jaywalker."},
         moreBy("Jaywalking", "Littering", 4, 25)},
        {{"*Of the five, one is Fenella, one is", "   the trespasser, one is at the city",
          "   park, one got 75 hours and one is", "   at the food bank."},
         allDifferent({"Fenella", "Trespassing", "City Park", "75 Hours", "Food Bank"})},
    };
    // clang-format on
    p.introPieces = {
        "Judge Ostrander gave five first-time offenders community service.",
        "Anders, Beatrix, Clement, Fenella and Gus each faced a different charge: vandalism, "
        "littering, trespassing, shoplifting or jaywalking.",
        "Each was placed with a different good cause (the food bank, the library, the city park, "
        "the soup kitchen or the shelter)",
        "and given a different sentence: 50, 75, 100, 120 or 150 hours.",
        "From the clues, can you find each one's charge, placement and sentence?",
    };
    return p;
}

} // namespace zlp
