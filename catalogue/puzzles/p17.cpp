// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle17() {
    PuzzleSource p;
    p.items = {{
        {"1st Place", "2nd Place", "3rd Place", "4th Place", "5th Place"},
        {"Hattie", "Lucas", "Noor", "Priya", "Tobias"},
        {"Volcano", "Solar Oven", "Ant Farm", "Robot Arm", "Water Filter"},
        {"Elmcrest", "Fairhollow", "Greywick", "Lindell", "Oakhurst"},
    }};
    p.solution = {{{1, 3, 5, 3}, {2, 5, 1, 5}, {3, 1, 4, 1}, {4, 4, 3, 4}, {5, 2, 2, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Noor finished exactly two places", "   ahead of the student from Elmcrest,",
          "   who built the robot arm."},
         allOf({same("Elmcrest", "Robot Arm"), moreBy("Elmcrest", "Noor", 1, 2)})},
        {{"*Tobias is not the student from", "   Lindell; of the two, one built the",
          "   volcano and the other finished", "   fourth.  The student from Oakhurst",
          "   finished ahead of the one from", "   Fairhollow."},
         allOf({differ("Tobias", "Lindell"), oneEach("Tobias", "Lindell", "Volcano", "4th Place"),
                before("Oakhurst", "Fairhollow", 1)})},
        {{"*The student who built the ant farm", "   finished ahead of Lucas, who does",
          "   not come from Greywick."},
         allOf({differ("Lucas", "Greywick"), after("Lucas", "Ant Farm", 1)})},
        {{"*The student from Lindell finished", "   exactly one place ahead of the",
          "   builder of the solar oven, who came", "   in last."},
         allOf({same("Solar Oven", "5th Place"), moreBy("Solar Oven", "Lindell", 1, 1)})},
        {{"*Tobias finished ahead of Hattie, who", "   did not build the ant farm."},
         allOf({differ("Hattie", "Ant Farm"), before("Tobias", "Hattie", 1)})},
        {{"*The water filter's builder finished", "   ahead of the volcano's builder,",
          "   who does not come from Greywick."},
         allOf({before("Water Filter", "Volcano", 1), differ("Volcano", "Greywick")})},
    };
    // clang-format on
    p.introPieces = {
        "The judges at the Larkspur Valley science fair have just pinned up the results: five "
        "students, Hattie, Lucas, Noor, Priya and Tobias, took 1st, 2nd, 3rd, 4th and 5th place.  "
        "Their projects were a volcano, a solar oven, an ant farm, a robot arm and a water "
        "filter, and each student comes from a different city: Elmcrest, Fairhollow, Greywick, "
        "Lindell or Oakhurst.  From the clues, can you work out where each student placed, "
        "what each one built and which city each one comes from?",
    };
    return p;
}

} // namespace zlp
