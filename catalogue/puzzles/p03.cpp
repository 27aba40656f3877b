// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle03() {
    PuzzleSource p;
    p.items = {{
        {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"},
        {"Birch Lane", "Harbor Road", "Juniper Court", "Maple Avenue", "Quarry Street"},
        {"Gavin", "Harriet", "Ingrid", "Jasper", "Kelsey"},
        {"Cello", "Clarinet", "Flute", "Piano", "Violin"},
    }};
    p.solution = {{{1, 3, 4, 2}, {2, 5, 1, 4}, {3, 1, 5, 3}, {4, 4, 2, 5}, {5, 2, 3, 1}}};
    p.cluesStartWithBlankLine = true;
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Kelsey lives on Birch Lane.  Her", "   lesson falls on the day just before",
          "   or just after the violin lesson."},
         allOf({same("Kelsey", "Birch Lane"), nextTo("Kelsey", "Violin", 1)})},
        {{"*Of the two students who live on", "   Harbor Road and Quarry Street, one",
          "   is Gavin and the other Ingrid.", "   Kelsey has no lesson on Friday."},
         allOf({oneEach("Harbor Road", "Quarry Street", "Gavin", "Ingrid"),
                differ("Kelsey", "Friday")})},
        {{"*Gavin has his lesson on Tuesday.", "   Jasper's lesson and Harriet's are",
          "   not on neighboring days."},
         allOf({same("Gavin", "Tuesday"), notNextTo("Jasper", "Harriet", 1)})},
        {{"*Neither the Monday lesson nor the", "   Friday one is on Maple Avenue, and",
          "   neither of them is a piano lesson."},
         allOf({neither({"Monday", "Friday"}, "Maple Avenue"),
                neither({"Monday", "Friday"}, "Piano")})},
        {{"*Harriet plays either the violin or", "   the piano.  Of the Monday and",
          "   Thursday students, one plays the", "   violin and the other the clarinet."},
         allOf({oneOf("Harriet", {"Violin", "Piano"}),
                oneEach("Monday", "Thursday", "Violin", "Clarinet")})},
        {{"*Kelsey is learning either the flute", "   or the cello.  The lesson on Harbor",
          "   Road comes exactly two days after", "   the flute lesson."},
         allOf({oneOf("Kelsey", {"Flute", "Cello"}), moreBy("Harbor Road", "Flute", 1, 2)})},
    };
    // clang-format on
    p.introPieces = {
        "Odette Pennington teaches music in her students' own homes.  Every week she gives one "
        "lesson on each weekday from Monday to Friday, each to a different student (Gavin, "
        "Harriet, Ingrid, Jasper and Kelsey), and each of the five lives on a different street "
        "of the town: Birch Lane, Harbor Road, Juniper Court,",
        "Maple Avenue or Quarry Street.  Each student is learning a different instrument: the "
        "cello, clarinet, flute, piano or violin.  From the clues, can you work out on which day "
        "Odette teaches each student, on which street each one lives and which instrument each "
        "plays?",
    };
    return p;
}

} // namespace zlp
