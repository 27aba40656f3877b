// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle25() {
    PuzzleSource p;
    p.items = {{
        {"Unit 1", "Unit 2", "Unit 3", "Unit 4", "Unit 5"},
        {"Ambrose", "Clifford", "Humphrey", "Reginald", "Vaughn"},
        {"Surgeon", "Architect", "Banker", "Lawyer", "Dentist"},
        {"Beatrix", "Delphine", "Georgina", "Marguerite", "Rosalind"},
    }};
    p.solution = {{{1, 2, 4, 5}, {2, 5, 1, 1}, {3, 1, 3, 4}, {4, 4, 5, 2}, {5, 3, 2, 3}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Ambrose, whose wife is Marguerite,", "   lives right next door to the", "   surgeon."},
         allOf({same("Ambrose", "Marguerite"), nextTo("Ambrose", "Surgeon", 1)})},
        {{"*Of Clifford and Reginald, one is", "   married to Delphine and the other",
          "   is the lawyer."},
         oneEach("Clifford", "Reginald", "Delphine", "Lawyer")},
        {{"*The dentist's unit number is higher", "   than that of Vaughn, who is not the",
          "   architect."},
         allOf({after("Dentist", "Vaughn", 1), differ("Vaughn", "Architect")})},
        {{"*Georgina's unit number is three", "   higher than Beatrix's."},
         moreBy("Georgina", "Beatrix", 1, 3)},
        {{"*The architect and his wife live in", "   the unit numbered two higher than",
          "   the banker's."},
         moreBy("Architect", "Banker", 1, 2)},
        {{"*Of the five husbands, one is", "   Reginald, one is the banker, one",
          "   lives in unit 1, one is married to", "   Beatrix and one is married to",
          "   Georgina."},
         allDifferent({"Reginald", "Banker", "Unit 1", "Beatrix", "Georgina"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "Five wealthy couples own units 1 to 5, a row of luxury townhouses on Crestview Hill.  "
        "The husbands are Ambrose, Clifford, Humphrey, Reginald and Vaughn;",
        "their wives, in no particular order, are Beatrix, Delphine, Georgina, Marguerite and "
        "Rosalind.  Each husband made his",
        "fortune in a different way: as a surgeon, an architect, a banker, a lawyer or a "
        "dentist.",
        "From the clues, can you work out which couple lives in which unit and what each husband "
        "does for a living?",
    };
    return p;
}

} // namespace zlp
