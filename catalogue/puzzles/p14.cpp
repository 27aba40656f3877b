// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle14() {
    PuzzleSource p;
    p.items = {{
        {"7:00 a.m.", "7:20 a.m.", "7:40 a.m.", "8:00 a.m.", "8:20 a.m."},
        {"Taxi", "Bus", "Train", "Bicycle", "Shuttle"},
        {"Lisbon", "Oslo", "Chicago", "Denver", "Madrid"},
        {"Zephyra", "Corvid Air", "Ternwing", "Aldervale", "Quillon Air"},
    }};
    p.values[0] = {420, 440, 460, 480, 500}; // minutes after midnight
    p.solution = {{{1, 3, 2, 3}, {2, 5, 5, 1}, {3, 1, 4, 5}, {4, 4, 1, 2}, {5, 2, 3, 4}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The traveler who came by taxi is", "   flying Quillon Air and reached the",
          "   terminal exactly forty minutes", "   after the one who came by train."},
         allOf({same("Taxi", "Quillon Air"), moreBy("Taxi", "Train", 1, 40)})},
        {{"*The passenger bound for Lisbon", "   pedaled in on a bicycle, some time",
          "   after the Zephyra passenger but", "   before the one bound for Chicago."},
         allOf({same("Lisbon", "Bicycle"), after("Lisbon", "Zephyra", 1),
                before("Lisbon", "Chicago", 1)})},
        {{"*Of the Ternwing passenger and the", "   one who came by bus, one is flying",
          "   to Oslo and the other to Chicago."},
         oneEach("Ternwing", "Bus", "Oslo", "Chicago")},
        {{"*The one who is off to Madrid arrived", "   exactly twenty minutes after the",
          "   one who is off to Oslo."},
         moreBy("Madrid", "Oslo", 1, 20)},
        {{"*The Corvid Air passenger came by", "   neither train nor shuttle, and the",
          "   traveler bound for Denver is not", "   flying Zephyra."},
         allOf({neither({"Train", "Shuttle"}, "Corvid Air"), differ("Denver", "Zephyra")})},
        {{"*The shuttle dropped its passenger", "   off exactly an hour before the bus",
          "   brought in the one who is flying", "   Aldervale."},
         allOf({same("Bus", "Aldervale"), moreBy("Bus", "Shuttle", 1, 60)})},
    };
    // clang-format on
    p.introPieces = {
        "Early one morning five travelers arrived at Kelmsford Airport, each in a different way: "
        "one came by taxi, one by bus, one by train, one on a bicycle and one on the airport "
        "shuttle.  They got there at 7:00, 7:20, 7:40, 8:00 and 8:20 a.m.,",
        "and each was catching a flight to a different city (Lisbon, Oslo, Chicago, Denver or "
        "Madrid) with a different airline: Zephyra, Corvid Air, Ternwing, Aldervale or Quillon "
        "Air.",
        "From the clues, can you tell at what time each traveler arrived, how each one got to "
        "the airport,",
        "where each was flying and with which airline?",
    };
    return p;
}

} // namespace zlp
