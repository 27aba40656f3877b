// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle10() {
    PuzzleSource p;
    p.items = {{
        {"Bettina", "Carys", "Juno", "Ramona", "Tilly"},
        {"23 Years", "26 Years", "29 Years", "31 Years", "34 Years"},
        {"Curly", "Straight", "Wavy", "Braided", "Pixie Cut"},
        {"Margarita", "Martini", "Rum && Coke", "Cosmo", "Sangria"},
    }};
    p.values[1] = {23, 26, 29, 31, 34}; // years of age
    p.solution = {{{1, 3, 3, 5}, {2, 5, 1, 3}, {3, 1, 5, 2}, {4, 4, 2, 1}, {5, 2, 4, 4}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The woman drinking the rum and Coke", "   is exactly five years older than",
          "   Bettina."},
         moreBy("Rum && Coke", "Bettina", 2, 5)},
        {{"*The woman with curly hair is exactly", "   three years older than the one with",
          "   straight hair."},
         moreBy("Curly", "Straight", 2, 3)},
        {{"*Of Juno and the margarita drinker,", "   one wears a pixie cut and the",
          "   other is 31."},
         allOf(
             {differ("Juno", "Margarita"), oneEach("Juno", "Margarita", "Pixie Cut", "31 Years")})},
        {{"*Tilly, whose hair is not wavy, is", "   older than Juno."},
         allOf({differ("Tilly", "Wavy"), after("Tilly", "Juno", 2)})},
        {{"*The sangria drinker is older than", "   Tilly but younger than Ramona."},
         allOf({after("Sangria", "Tilly", 2), before("Sangria", "Ramona", 2)})},
        {{"*Of the five friends, one is Ramona,", "   one is 29, one has curly hair, one",
          "   wears braids and one is sipping a", "   martini."},
         allDifferent({"Ramona", "29 Years", "Curly", "Braided", "Martini"})},
    };
    // clang-format on
    p.blankLinesBetweenClues = 2;
    p.introPieces = {
        "Five friends from high school (Bettina, Carys, Juno, Ramona and Tilly) met up on Saturday "
        "for "
        "a night out at the Velvet Lantern, a cocktail bar on the harbor.  They are 23, 26, 29, "
        "31 and 34 years old, and no two of them wear their hair the same way: one has curly "
        "hair, one straight, one wavy, one wears braids and one has a pixie cut.",
        "Each ordered a different drink: a margarita, a martini, a rum and Coke, a cosmo "
        "or a glass of sangria.",
        "From the clues, can you work out each woman's age, hair type and drink?",
    };
    return p;
}

} // namespace zlp
