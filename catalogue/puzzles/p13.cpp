// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle13() {
    PuzzleSource p;
    p.items = {{
        {"Alden", "Barrett", "Cyrus", "Desmond", "Everett"},
        {"Fiona", "Greta", "Hazel", "Imogen", "Julia"},
        {"March 3", "March 10", "March 17", "March 24", "March 31"},
        {"Cruise", "Paris", "Ski Trip", "Safari", "Hawaii"},
    }};
    p.values[2] = {3, 10, 17, 24, 31}; // day of March
    p.solution = {{{1, 3, 3, 4}, {2, 5, 1, 5}, {3, 1, 4, 1}, {4, 4, 5, 3}, {5, 2, 2, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The safari winners aired exactly two", "   weeks after Barrett and his wife,",
          "   and exactly one week before Cyrus", "   and his wife."},
         allOf({moreBy("Safari", "Barrett", 3, 14), moreBy("Cyrus", "Safari", 3, 7)})},
        {{"*Imogen and her husband won the ski", "   trip; their show aired some time",
          "   after the one with Fiona."},
         allOf({same("Imogen", "Ski Trip"), after("Imogen", "Fiona", 3)})},
        {{"*Neither Alden nor Desmond is married", "   to Julia, and neither of them won",
          "   the trip to Paris."},
         allOf({neither({"Alden", "Desmond"}, "Julia"), neither({"Alden", "Desmond"}, "Paris")})},
        {{"*The couple who won the trip to", "   Hawaii aired exactly three weeks",
          "   before the couple who won the", "   cruise."},
         moreBy("Cruise", "Hawaii", 3, 21)},
        {{"*Of Everett and Desmond, one is", "   married to Greta and the other won",
          "   the ski trip."},
         oneEach("Everett", "Desmond", "Greta", "Ski Trip")},
        {{"*Hazel and her husband faced the", "   cameras exactly two weeks after",
          "   Julia and her husband did."},
         moreBy("Hazel", "Julia", 3, 14)},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "Every Saturday in March a TV game show put one married couple against the clock, and each "
        "couple won a trip.",
        "The husbands were Alden, Barrett, Cyrus, Desmond and Everett.",
        "Their wives were Fiona, Greta, Hazel, Imogen and Julia.",
        "The shows aired on March 3, 10, 17, 24 and 31,",
        "and the prizes were a cruise, a trip to Paris, a ski trip, a safari and a trip to "
        "Hawaii.",
        "From the clues, can you match each husband with his wife",
        "and tell when their show aired and what trip they won?",
    };
    return p;
}

} // namespace zlp
