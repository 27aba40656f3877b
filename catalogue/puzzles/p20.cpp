// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle20() {
    PuzzleSource p;
    p.items = {{
        {"Priya", "Marcus", "Jun", "Talia", "Oskar"},
        {"Brennick", "Farrow", "Haskell", "Lindqvist", "Tremaine"},
        {"Byteforge", "Cloudmere", "Nexalink", "Quantivo", "Syntrel"},
        {"Developer", "Sysadmin", "Data Analyst", "QA Tester", "Support Tech"},
    }};
    p.solution = {{{1, 4, 2, 2}, {2, 1, 5, 3}, {3, 5, 1, 4}, {4, 2, 4, 1}, {5, 3, 3, 5}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*Talia landed a job at Quantivo,", "   where she was taken on as a", "   developer."},
         allOf({same("Talia", "Quantivo"), same("Talia", "Developer")})},
        {{"*Of the two graduates who joined", "   Byteforge and Quantivo, one is",
          "   the QA tester and the other has", "   the surname Farrow."},
         oneEach("Byteforge", "Quantivo", "QA Tester", "Farrow")},
        {{"*Marcus started his first job as", "   either a data analyst or a", "   developer."},
         oneOf("Marcus", {"Data Analyst", "Developer"})},
        {{"*Oskar's surname is Haskell."}, same("Oskar", "Haskell")},
        {{"*Of Lindqvist and Haskell, one is", "   Priya and the other joined", "   Nexalink."},
         oneEach("Lindqvist", "Haskell", "Priya", "Nexalink")},
        {{"*Of the five graduates, one is Jun,", "   one is Brennick, one joined",
          "   Cloudmere, one was hired as the", "   developer and one was hired as the",
          "   support tech."},
         allDifferent({"Jun", "Brennick", "Cloudmere", "Developer", "Support Tech"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "Five friends who finished their computer science degrees together this spring have "
        "all landed their first jobs in IT.  They are Priya, Marcus, Jun, Talia and Oskar, and "
        "their surnames, in no particular order, are Brennick, Farrow, Haskell, Lindqvist and "
        "Tremaine.",
        "Each joined a different company (Byteforge, Cloudmere, Nexalink, Quantivo or Syntrel) "
        "in a different position: developer, sysadmin, data analyst, QA tester or support tech.  "
        "From the clues, can you work out each graduate's full name, company and position?",
    };
    p.introStartsWithLineBreak = false;
    return p;
}

} // namespace zlp
