// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle18() {
    PuzzleSource p;
    p.items = {{
        {"Bianca", "Dexter", "Leona", "Oswin", "Tamsin"},
        {"Cairo", "Lima", "Nairobi", "Hanoi", "Warsaw"},
        {"Daily Post", "Morning Sun", "Quill Gazette", "Evening Star", "Cobalt Times"},
        {"Elections", "Floods", "Football", "Archaeology", "Fashion"},
    }};
    p.solution = {{{1, 4, 5, 2}, {2, 5, 2, 1}, {3, 1, 1, 4}, {4, 2, 4, 5}, {5, 3, 3, 3}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The reporter in Cairo, who writes", "   for the Daily Post, is covering",
          "   either the archaeological dig or", "   the floods."},
         allOf({same("Cairo", "Daily Post"), oneOf("Cairo", {"Archaeology", "Floods"})})},
        {{"*Of Dexter and the reporter for the", "   Evening Star, one is in Lima and",
          "   the other is covering elections."},
         allOf({differ("Dexter", "Evening Star"),
                oneEach("Dexter", "Evening Star", "Lima", "Elections")})},
        {{"*Bianca, who is covering the floods,", "   is in neither Warsaw nor Nairobi."},
         allOf({same("Bianca", "Floods"), neither({"Warsaw", "Nairobi"}, "Bianca")})},
        {{"*Leona is not covering the football", "   final, which is being written up",
          "   for the Quill Gazette by a reporter", "   who is not in Warsaw."},
         allOf({same("Football", "Quill Gazette"), differ("Football", "Warsaw"),
                differ("Football", "Leona")})},
        {{"*The fashion week is not being", "   covered by Leona, by Tamsin or by", "   Dexter."},
         neither({"Leona", "Tamsin", "Dexter"}, "Fashion")},
        {{"*The five reporters are Oswin, the", "   one in Hanoi, the Morning Sun's",
          "   reporter, the one covering football", "   and the one covering archaeology."},
         allDifferent({"Oswin", "Hanoi", "Morning Sun", "Football", "Archaeology"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "The foreign desk of a busy news agency has five reporters out in the field this month: "
        "Bianca, Dexter, Leona, Oswin and Tamsin.  Each is posted in a different city (Cairo, "
        "Lima, Nairobi, Hanoi or Warsaw),",
        "each files for a different newspaper (the Daily Post, the Morning Sun, the Quill "
        "Gazette, the Evening Star or the Cobalt Times), and each is chasing a different story: "
        "elections, floods, a football final, an archaeological dig or a fashion week.",
        "From the clues, can you work out where each reporter is, which paper each one writes "
        "for and what each is covering?",
    };
    return p;
}

} // namespace zlp
