// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle23() {
    PuzzleSource p;
    p.items = {{
        {"Task 1", "Task 2", "Task 3", "Task 4", "Task 5"},
        {"Kitchen", "Bathroom", "Bedroom", "Den", "Hallway"},
        {"Sage", "Ivory", "Navy", "Coral", "Mustard"},
        {"Mirror", "Rug", "Lamp", "Curtains", "Shelf"},
    }};
    p.solution = {{{1, 2, 3, 1}, {2, 5, 1, 3}, {3, 1, 5, 5}, {4, 4, 2, 4}, {5, 3, 4, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The room painted navy, which was", "   not the hallway, was done exactly",
          "   two tasks before the kitchen."},
         allOf({moreBy("Kitchen", "Navy", 1, 2), differ("Navy", "Hallway")})},
        {{"*Of the hallway and the room painted", "   coral, one got the new lamp and the",
          "   other got the new rug."},
         oneEach("Hallway", "Coral", "Lamp", "Rug")},
        {{"*The den was painted ivory, and work", "   on it began as soon as the kitchen",
          "   was finished."},
         allOf({same("Den", "Ivory"), moreBy("Den", "Kitchen", 1, 1)})},
        {{"*The room painted mustard was done", "   after the hallway was finished, but",
          "   before the work on the bedroom", "   began."},
         allOf({before("Hallway", "Mustard", 1), before("Mustard", "Bedroom", 1)})},
        {{"*The room that got the curtains was", "   remodeled right after the room",
          "   where the new shelf went up."},
         moreBy("Curtains", "Shelf", 1, 1)},
        {{"*Of the five rooms, one was the", "   kitchen, one was painted sage, one",
          "   got the mirror, one got the rug and", "   one was done as task 4."},
         allDifferent({"Kitchen", "Sage", "Mirror", "Rug", "Task 4"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "The Pellingtons finally did it: they spent their spring remodeling five rooms of their "
        "old house, one after another.  The rooms were the kitchen, the bathroom, the bedroom, "
        "the den and the hallway.",
        "Each room was painted a new color (sage, ivory, navy, coral or mustard) and finished "
        "off with one new accessory: a mirror, a rug, a lamp, curtains or a shelf.",
        "From the clues, can you work out in which order (task 1 to task 5) the rooms were "
        "done,",
        "and which color and accessory each room received?",
    };
    p.introStartsWithLineBreak = false;
    return p;
}

} // namespace zlp
