// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle06() {
    PuzzleSource p;
    p.items = {{
        {"Delphine", "Hector", "Ingrid", "Marlon", "Odessa"},
        {"Pickup", "Minivan", "Motorcycle", "Sports Car", "Convertible"},
        {"36 mph", "41 mph", "47 mph", "52 mph", "58 mph"},
        {"Alder Street", "Canal Road", "Fern Lane", "Orchard Way", "Quarry Road"},
    }};
    p.values[2] = {36, 41, 47, 52, 58}; // miles per hour
    p.solution = {{{1, 3, 4, 2}, {2, 2, 1, 1}, {3, 1, 5, 3}, {4, 5, 2, 5}, {5, 4, 3, 4}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The driver of the pickup was going", "   exactly 6 mph faster than", "   Delphine."},
         moreBy("Pickup", "Delphine", 3, 6)},
        {{"*Hector, who was not stopped on Canal", "   Road, was going slower than the",
          "   driver of the sports car."},
         allOf({differ("Hector", "Canal Road"), before("Hector", "Sports Car", 3)})},
        {{"*Of the motorcycle rider and the", "   speeder pulled over on Quarry Road,",
          "   one is Delphine and the other was", "   doing 41 mph."},
         allOf({differ("Motorcycle", "Quarry Road"),
                oneEach("Motorcycle", "Quarry Road", "Delphine", "41 mph")})},
        {{"*The driver stopped on Orchard Way", "   was going faster than the minivan's",
          "   driver but slower than the one", "   stopped on Fern Lane."},
         allOf({after("Orchard Way", "Minivan", 3), before("Orchard Way", "Fern Lane", 3)})},
        {{"*Marlon, who was pulled over on", "   Quarry Road, was not the one at the",
          "   wheel of the minivan."},
         allOf({same("Marlon", "Quarry Road"), differ("Marlon", "Minivan")})},
        {{"*Of the five speeders, one is Odessa,", "   one drove the convertible, one was",
          "   doing 58 mph, one was stopped on", "   Canal Road and one drove the", "   minivan."},
         allDifferent({"Odessa", "Convertible", "58 mph", "Canal Road", "Minivan"})},
    };
    // clang-format on
    p.introPieces = {
        "One busy Friday the Larkfield police stopped five speeders,",
        "each on a different street: Alder Street, Canal Road, Fern Lane, Orchard Way and Quarry "
        "Road.",
        "The five were Delphine, Hector, Ingrid, Marlon and Odessa, and each drove a different "
        "vehicle: a pickup, a minivan, a motorcycle, a sports car or a convertible.",
        "The radar clocked them at 36, 41, 47, 52 and 58 mph.",
        "From the clues, can you work out which vehicle each one drove,",
        "how fast each was going and on which street each was stopped?",
    };
    return p;
}

} // namespace zlp
