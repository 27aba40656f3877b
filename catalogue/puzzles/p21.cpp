// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle21() {
    PuzzleSource p;
    p.items = {{
        {"Blake", "Desiree", "Lorenzo", "Savannah", "Thaddeus"},
        {"Doctor", "Villain", "Heiress", "Butler", "Twin"},
        {"Feb 1998", "Oct 1999", "Jul 2002", "Mar 2005", "Dec 2008"},
        {"Car Crash", "Poisoning", "Kidnapping", "Plane Crash", "Amnesia"},
    }};
    p.solution = {{{1, 1, 3, 4}, {2, 2, 5, 2}, {3, 5, 1, 5}, {4, 3, 4, 1}, {5, 4, 2, 3}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The doctor was written out of the", "   show after the butler; the very",
          "   next character to leave after the", "   doctor was the heiress."},
         allOf({after("Doctor", "Butler", 3), moreBy("Heiress", "Doctor", 3, 1)})},
        {{"*Of Lorenzo and Savannah, one died", "   in a car crash and the other was",
          "   the twin."},
         oneEach("Lorenzo", "Savannah", "Car Crash", "Twin")},
        {{"*Blake was the doctor.  The", "   character who was poisoned left",
          "   the show later than Blake did."},
         allOf({same("Blake", "Doctor"), after("Poisoning", "Blake", 3)})},
        {{"*The kidnapping was the very next", "   exit after the amnesia exit."},
         moreBy("Kidnapping", "Amnesia", 3, 1)},
        {{"*Lorenzo was written out of the", "   show before Thaddeus was, and",
          "   also before the heiress was."},
         allOf({before("Lorenzo", "Thaddeus", 3), before("Lorenzo", "Heiress", 3)})},
        {{"*Of the five characters, one was", "   Desiree, one was the doctor, one",
          "   was kidnapped, one left in March", "   2005 and one left with amnesia."},
         allDifferent({"Desiree", "Doctor", "Kidnapping", "Mar 2005", "Amnesia"})},
    };
    // clang-format on
    p.cluesEndWithBlankLine = true;
    p.introPieces = {
        "Between 1998 and 2008 the daytime drama Harbor Lights wrote out five of its best-loved "
        "characters, one in each of February 1998, October 1999, July 2002, March 2005 and "
        "December 2008.",
        "The five were Blake, Desiree, Lorenzo, Savannah and Thaddeus: the doctor, the villain, "
        "the heiress, the butler and the long-lost twin, in some order.",
        "One died in a car crash, one was poisoned, one was kidnapped, one was lost in a plane "
        "crash and one left with amnesia.",
        "From the clues, can you work out each character's role, end date and method of exit?",
    };
    return p;
}

} // namespace zlp
