// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle12() {
    PuzzleSource p;
    p.items = {{
        {"Sea Sparrow", "Marigold", "Windward", "Blue Heron", "Tempest"},
        {"42 Feet", "48 Feet", "55 Feet", "61 Feet", "70 Feet"},
        {"Cordelia", "Desmond", "Ignatius", "Leopold", "Rosalind"},
        {"Surgeon", "Architect", "Novelist", "Banker", "Filmmaker"},
    }};
    p.values[1] = {42, 48, 55, 61, 70}; // feet
    p.solution = {{{1, 3, 4, 4}, {2, 1, 5, 3}, {3, 5, 2, 5}, {4, 2, 1, 2}, {5, 4, 3, 1}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The surgeon's yacht is exactly 13", "   feet longer than the Blue Heron."},
         moreBy("Surgeon", "Blue Heron", 2, 13)},
        {{"*Of the Marigold and the yacht that", "   belongs to Desmond, one is owned by",
          "   the novelist and the other is 70", "   feet long."},
         allOf({differ("Marigold", "Desmond"),
                oneEach("Marigold", "Desmond", "Novelist", "70 Feet")})},
        {{"*Cordelia's yacht is shorter than", "   the one that belongs to the", "   banker."},
         before("Cordelia", "Banker", 2)},
        {{"*The architect's yacht is longer", "   than Rosalind's but shorter than",
          "   the Tempest."},
         allOf({after("Architect", "Rosalind", 2), before("Architect", "Tempest", 2)})},
        {{"*The Tempest is exactly six feet", "   longer than the yacht that belongs",
          "   to the banker."},
         moreBy("Tempest", "Banker", 2, 6)},
        {{"*Of the five yachts, one is the", "   Windward, one is owned by Ignatius,",
          "   one is 42 feet long, one belongs to", "   the banker and one to the",
          "   architect."},
         allDifferent({"Windward", "Ignatius", "42 Feet", "Banker", "Architect"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "Five yachts are moored along the visitors' pier in Gullhaven Marina this "
        "weekend: the Sea Sparrow, the Marigold, the Windward, the Blue Heron and the "
        "Tempest.  They are 42, 48, 55, 61 and 70 feet long.",
        "Their owners, Cordelia, Desmond, Ignatius, Leopold and Rosalind, have made their money "
        "in very different careers: one is a surgeon, one an architect, one a novelist, one a "
        "banker and one a filmmaker.",
        "From the clues, can you work out the length of each yacht, who owns it and what the "
        "owner does for a living?",
    };
    return p;
}

} // namespace zlp
