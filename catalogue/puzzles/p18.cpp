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
          "   either archaeology or the floods."},
         allOf({same("Cairo", "Daily Post"), oneOf("Cairo", {"Archaeology", "Floods"})})},
        {{"*Of Dexter and the reporter for the", "   Evening Star, one is in Lima and",
          "   the other is covering elections."},
         allOf({differ("Dexter", "Evening Star"),
                oneEach("Dexter", "Evening Star", "Lima", "Elections")})},
        {{"*Bianca, who is covering the floods,", "   is posted in neither Warsaw nor",
          "   Nairobi."},
         allOf({same("Bianca", "Floods"), neither({"Warsaw", "Nairobi"}, "Bianca")})},
        {{"*The reporter covering football", "   writes for the Quill Gazette and is",
          "   neither Leona nor the one in", "   Warsaw."},
         allOf({same("Football", "Quill Gazette"), differ("Football", "Warsaw"),
                differ("Football", "Leona")})},
        {{"*None of Leona, Tamsin or Dexter is", "   covering fashion."},
         neither({"Leona", "Tamsin", "Dexter"}, "Fashion")},
        {{"*Of the five reporters, one is Oswin,", "   one is in Hanoi, one writes for the",
          "   Morning Sun, one is covering", "   football and one archaeology."},
         allDifferent({"Oswin", "Hanoi", "Morning Sun", "Football", "Archaeology"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "The foreign desk of a busy news agency has five reporters out in the field this month: "
        "Bianca, Dexter, Leona, Oswin and Tamsin.  Each is posted in a different city (Cairo, "
        "Lima, Nairobi, Hanoi or Warsaw),",
        "each files for a different newspaper (the Daily Post, the Morning Sun, the Quill "
        "Gazette, the Evening Star or the Cobalt Times), and each is covering a different topic: "
        "elections, floods, football, archaeology or fashion.",
        "From the clues, can you work out where each reporter is, which paper each one writes "
        "for and what each is covering?",
    };
    return p;
}

} // namespace zlp
