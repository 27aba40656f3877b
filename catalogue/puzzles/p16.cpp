// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle16() {
    PuzzleSource p;
    p.items = {{
        {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"},
        {"Ingrid", "Kofi", "Mei", "Rafael", "Saoirse"},
        {"Iceland", "Kenya", "Chile", "Vietnam", "Portugal"},
        {"Football", "Cooking", "Music", "Astronomy", "Gardening"},
    }};
    p.solution = {{{1, 4, 2, 4}, {2, 3, 5, 1}, {3, 1, 3, 5}, {4, 5, 1, 2}, {5, 2, 4, 3}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The letter to the pen pal in Kenya,", "   which was all about astronomy, was",
          "   written exactly two days before the", "   one to Ingrid."},
         allOf({same("Kenya", "Astronomy"), moreBy("Ingrid", "Kenya", 1, 2)})},
        {{"*Of Mei and the pen pal in Iceland,", "   one got the letter about cooking",
          "   and the other got Tuesday's letter."},
         allOf({differ("Mei", "Iceland"), oneEach("Mei", "Iceland", "Cooking", "Tuesday")})},
        {{"*Wren wrote to Kofi on a later day", "   of the week than she wrote to her",
          "   pen pal in Chile."},
         after("Kofi", "Chile", 1)},
        {{"*The letter about gardening went out", "   the day after the letter to the",
          "   pen pal in Portugal and the day", "   before Saoirse's."},
         allOf({moreBy("Gardening", "Portugal", 1, 1), moreBy("Saoirse", "Gardening", 1, 1)})},
        {{"*The letter to the pen pal in Vietnam", "   was written later in the week than",
          "   the one to Saoirse."},
         after("Vietnam", "Saoirse", 1)},
        {{"*Wren wrote about music some time", "   later in the week than she wrote",
          "   to Ingrid."},
         after("Music", "Ingrid", 1)},
    };
    // clang-format on
    p.cluesEndWithBlankLine = true;
    p.introPieces = {
        "Twelve-year-old Wren keeps in touch with five pen pals, Ingrid, Kofi, Mei, Rafael and "
        "Saoirse, who live one each in Iceland, Kenya, Chile, Vietnam and Portugal.  Last week "
        "she wrote one letter each evening from Monday to Friday, one to each pen pal.  Every "
        "letter was all about one thing (football, cooking, music, astronomy or gardening), and "
        "no two were about the same thing.  From the clues, can you work out on which day Wren "
        "wrote to each pen pal, where each pen pal lives and what each letter was about?",
    };
    return p;
}

} // namespace zlp
