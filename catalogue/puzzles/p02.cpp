// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle02() {
    PuzzleSource p;
    p.items = {{
        {"Alfie", "Bianca", "Cody", "Daisy", "Emmett"},
        {"Popcorn", "Pretzels", "Grapes", "Cheese Puffs", "Cookies"},
        {"Robo Ranch", "Space Pups", "Moose Camp", "Pirate Pals", "Fairy Forest"},
        {"Den", "Kitchen", "Playroom", "Attic", "Basement"},
    }};
    p.solution = {{{1, 4, 2, 3}, {2, 1, 5, 4}, {3, 5, 3, 1}, {4, 2, 1, 5}, {5, 3, 4, 2}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Cody watched his show in neither the", "   playroom nor the basement, and",
          "   Alfie wasn't in the basement", "   either."},
         allOf({neither({"Playroom", "Basement"}, "Cody"), differ("Alfie", "Basement")})},
        {{"*Bianca watched her show up in the", "   attic.  Neither she nor Cody",
          "   watched Space Pups."},
         allOf({same("Bianca", "Attic"), neither({"Bianca", "Cody"}, "Space Pups")})},
        {{"*Neither Daisy nor Emmett watched", "   Moose Camp, and neither Moose",
          "   Camp nor Pirate Pals was on in", "   the attic or in the basement."},
         allOf({neither({"Daisy", "Emmett"}, "Moose Camp"),
                neither({"Moose Camp", "Pirate Pals"}, "Attic"),
                neither({"Moose Camp", "Pirate Pals"}, "Basement")})},
        {{"*Of the child who had the pretzels and", "   the one who had the grapes, one sat",
          "   in the kitchen and the other in the", "   basement.  Of the child who had the",
          "   grapes and the one who had the", "   popcorn, one watched Pirate Pals",
          "   and the other Fairy Forest."},
         allOf({oneEach("Pretzels", "Grapes", "Kitchen", "Basement"),
                oneEach("Grapes", "Popcorn", "Pirate Pals", "Fairy Forest")})},
        {{"*Neither Alfie nor Emmett ate the", "   cookies, and Emmett watched his",
          "   show in neither the attic nor the", "   basement."},
         allOf(
             {neither({"Alfie", "Emmett"}, "Cookies"), neither({"Attic", "Basement"}, "Emmett")})},
        {{"*Of Daisy and Emmett, one watched", "   Pirate Pals and the other Robo", "   Ranch."},
         oneEach("Daisy", "Emmett", "Pirate Pals", "Robo Ranch")},
    };
    // clang-format on
    p.introPieces = {
        "Last Friday evening, Greta Lindqvist babysat the five Hollister children while their "
        "parents were at a wedding.  After supper each child took a different snack (popcorn, "
        "pretzels, grapes, cheese puffs or cookies) to a different room of the house (the den, "
        "kitchen, playroom, attic or basement), where each watched a different TV show: Robo "
        "Ranch, Space Pups, Moose Camp, Pirate Pals or Fairy Forest.  From the clues, can you "
        "work out which snack each of Alfie, Bianca, Cody, Daisy and Emmett had, which show each "
        "watched and in which room?",
    };
    p.introStartsWithLineBreak = false;
    p.blankLinesBetweenClues = 0;
    return p;
}

} // namespace zlp
