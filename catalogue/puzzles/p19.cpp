// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle19() {
    PuzzleSource p;
    p.items = {{
        {"Carmen", "Elias", "Greer", "Josef", "Maren"},
        {"Halloran", "Ivers", "Kettleby", "Marchetti", "Solberg"},
        {"First", "Second", "Third", "Fourth", "Fifth"},
        {"Malawi", "Haiti", "Yemen", "Nepal", "Bolivia"},
    }};
    p.solution = {{{1, 5, 3, 4}, {2, 2, 5, 2}, {3, 1, 1, 5}, {4, 4, 2, 1}, {5, 3, 4, 3}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Dr. Solberg, who is not the doctor", "   headed for Yemen, left exactly",
          "   two places after the doctor bound", "   for Bolivia."},
         allOf({differ("Solberg", "Yemen"), moreBy("Solberg", "Bolivia", 3, 2)})},
        {{"*Of Josef and Dr. Kettleby, one flew", "   out to Malawi and the other was the",
          "   fourth to leave."},
         allOf({differ("Josef", "Kettleby"), oneEach("Josef", "Kettleby", "Malawi", "Fourth")})},
        {{"*Elias, whose surname is not", "   Kettleby, left some time after the",
          "   doctor who went to Nepal."},
         allOf({differ("Elias", "Kettleby"), after("Elias", "Nepal", 3)})},
        {{"*Dr. Ivers is working in Haiti.", "   Greer left before Dr. Ivers did,",
          "   and also before Maren."},
         allOf({same("Ivers", "Haiti"), before("Greer", "Ivers", 3), before("Greer", "Maren", 3)})},
        {{"*Carmen's surname is not Halloran.", "   The doctor bound for Yemen left",
          "   right after Carmen did."},
         allOf({differ("Carmen", "Halloran"), moreBy("Yemen", "Carmen", 3, 1)})},
        {{"*Dr. Marchetti, who is neither Carmen", "   nor Maren, left exactly two places",
          "   before Dr. Kettleby."},
         allOf({neither({"Carmen", "Maren"}, "Marchetti"), moreBy("Kettleby", "Marchetti", 3, 2)})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "Five doctors from Fernvale General Hospital volunteered for a year with a medical "
        "aid charity.  They are Carmen, Elias, Greer, Josef and Maren, whose surnames, in "
        "some order, are Halloran, Ivers, Kettleby, Marchetti and Solberg.  They did not travel "
        "together but "
        "left one at a time, so each holds a different place, first to fifth, in the order of "
        "leaving, and",
        "each went to a different country: Malawi, Haiti, Yemen, Nepal or Bolivia.  From the "
        "clues, can you give each doctor's full name, the order in which they left and where "
        "each one is working?",
    };
    return p;
}

} // namespace zlp
