// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle07() {
    PuzzleSource p;
    p.items = {{
        {"Agatha", "Bronwyn", "Cornelius", "Dorothea", "Ephraim"},
        {"Ashcombe", "Fairweather", "Kettering", "Pennyworth", "Thistle"},
        {"1st Place", "2nd Place", "3rd Place", "4th Place", "5th Place"},
        {"Quilting", "Basketry", "Pottery", "Woodcarving", "Embroidery"},
    }};
    p.solution = {{{1, 3, 2, 3}, {2, 5, 4, 1}, {3, 1, 1, 4}, {4, 4, 5, 5}, {5, 2, 3, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The quilter finished exactly two", "   places behind Agatha."},
         moreBy("Quilting", "Agatha", 3, 2)},
        {{"*Ephraim finished behind Ashcombe,", "   who is the woodcarver."},
         allOf({same("Ashcombe", "Woodcarving"), before("Ashcombe", "Ephraim", 3)})},
        {{"*Of Dorothea and Thistle, one does", "   embroidery and the other finished", "   4th."},
         allOf({differ("Dorothea", "Thistle"),
                oneEach("Dorothea", "Thistle", "Embroidery", "4th Place")})},
        {{"*Bronwyn finished exactly three", "   places behind Cornelius."},
         moreBy("Bronwyn", "Cornelius", 3, 3)},
        {{"*Fairweather finished exactly one", "   place behind Kettering."},
         moreBy("Fairweather", "Kettering", 3, 1)},
        {{"*Of the five, one is Cornelius, one", "   is Kettering, one makes baskets,",
          "   one finished 5th and one is the", "   quilter."},
         allDifferent({"Cornelius", "Kettering", "Basketry", "5th Place", "Quilting"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.blankLinesBetweenClues = 2;
    p.introPieces = {
        "Every first of May the village of Hollowmere holds its crafts fair on the green, and "
        "this year five villagers entered the judging: Agatha, Bronwyn, Cornelius, Dorothea and "
        "Ephraim, whose surnames, in some order, are Ashcombe, Fairweather, Kettering, Pennyworth "
        "and Thistle.  Each entered a different craft (quilting, basketry, pottery, woodcarving "
        "or embroidery), and the judges placed them 1st to 5th.  From the clues, can you "
        "find each entrant's full name, craft and placing?",
    };
    return p;
}

} // namespace zlp
