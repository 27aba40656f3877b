// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle09() {
    PuzzleSource p;
    p.items = {{
        {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"},
        {"Daybreak", "Coffee Hour", "Open Book", "Night Owls", "Town Square"},
        {"Rollo Vance", "Tamsin Ruiz", "Otis Bramble", "Nell Kasprak", "Wade Lund"},
        {"Port Ellery", "Marrowfield", "Ashby Falls", "Kestrel Bay", "Dunmore"},
    }};
    p.solution = {{{1, 4, 3, 4}, {2, 1, 5, 1}, {3, 5, 2, 5}, {4, 2, 4, 2}, {5, 3, 1, 3}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Lorna appeared on Coffee Hour the", "   day after her interview with",
          "   Tamsin Ruiz."},
         moreBy("Coffee Hour", "Tamsin Ruiz", 1, 1)},
        {{"*Of Daybreak and the show made in", "   Dunmore, one is hosted by Tamsin",
          "   Ruiz and the other is Tuesday's", "   show."},
         allOf({differ("Daybreak", "Dunmore"),
                oneEach("Daybreak", "Dunmore", "Tamsin Ruiz", "Tuesday")})},
        {{"*Rollo Vance, who does not host", "   Night Owls, had Lorna on his show",
          "   later in the week than the host of", "   the Marrowfield show did."},
         allOf({differ("Rollo Vance", "Night Owls"), after("Rollo Vance", "Marrowfield", 1)})},
        {{"*Lorna traveled to Port Ellery the", "   day after her visit to Kestrel", "   Bay."},
         moreBy("Port Ellery", "Kestrel Bay", 1, 1)},
        {{"*Nell Kasprak did not interview", "   Lorna on the day before or the day",
          "   after Wade Lund did."},
         notNextTo("Nell Kasprak", "Wade Lund", 1)},
        {{"*Of the five shows, one is Monday's,", "   one is hosted by Wade Lund, one is",
          "   Town Square, one is made in", "   Marrowfield and one in Ashby Falls."},
         allDifferent({"Monday", "Wade Lund", "Town Square", "Marrowfield", "Ashby Falls"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introStartsWithLineBreak = false;
    p.introPieces = {
        "Lorna Quillfeather spent a week promoting her new mystery novel on a different TV show "
        "each day from Monday to Friday.",
        "The shows were Daybreak, Coffee Hour, Open Book, Night Owls and Town Square,",
        "each with a different host (Rollo Vance, Tamsin Ruiz, Otis Bramble, Nell Kasprak or Wade "
        "Lund), and each made in a different town: Port Ellery, Marrowfield, Ashby Falls, Kestrel "
        "Bay or Dunmore.",
        "From the clues, can you work out on which day she was on each show,",
        "who hosted it and where she traveled for it?",
    };
    return p;
}

} // namespace zlp
