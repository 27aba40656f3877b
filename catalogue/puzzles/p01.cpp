// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle01() {
    PuzzleSource p;
    p.items = {{
        {"1st Floor", "2nd Floor", "3rd Floor", "4th Floor", "5th Floor"},
        {"California", "New York", "Michigan", "Oregon", "Texas"},
        {"Nurses", "Teachers", "Writers", "Bus Drivers", "Chefs"},
        {"8:00 a.m.", "8:30 a.m.", "9:00 a.m.", "9:30 a.m.", "10:00 a.m."},
    }};
    p.values[3] = {480, 510, 540, 570, 600}; // minutes after midnight
    p.solution = {{{1, 3, 2, 3}, {2, 4, 4, 1}, {3, 5, 1, 4}, {4, 2, 3, 2}, {5, 1, 5, 5}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The bus drivers meet in the Oregon", "   room, one floor below the group in",
          "   the Texas room."},
         allOf({same("Bus Drivers", "Oregon"), moreBy("Texas", "Bus Drivers", 1, 1)})},
        {{"*The writers' conference begins half", "   an hour after the one in the",
          "   Oregon room."},
         moreBy("Writers", "Oregon", 4, 30)},
        {{"*The teachers meet in the Michigan", "   room, on a lower floor than the",
          "   writers."},
         allOf({same("Teachers", "Michigan"), before("Teachers", "Writers", 1)})},
        {{"*The nurses' conference begins", "   later than the one on the second", "   floor."},
         after("Nurses", "2nd Floor", 4)},
        {{"*The conference on the third floor", "   will begin at 9:30 a.m."},
         same("3rd Floor", "9:30 a.m.")},
        {{"*The chefs, whose conference is the", "   last of the morning to begin, meet",
          "   on a higher floor than the", "   writers."},
         allOf({same("Chefs", "10:00 a.m."), after("Chefs", "Writers", 1)})},
        {{"*The conference in the California room", "   starts an hour and a half after the",
          "   one in the New York room."},
         moreBy("California", "New York", 4, 90)},
    };
    // clang-format on
    p.introPieces = {
        "Five groups are holding their conferences on the same morning at a big lakeside hotel: "
        "the nurses, teachers, writers, bus drivers and chefs.  Each group meets in a room named "
        "after a state (the California, New York, Michigan, Oregon and Texas rooms), and each "
        "room is on a different floor.  From the clues, can you work out which group meets in "
        "which room, on which",
        "floor (1st, 2nd, 3rd, 4th or 5th) at what time (8:00, 8:30, 9:00, 9:30 or 10:00 "
        "a.m.) its conference begins?",
    };
    return p;
}

} // namespace zlp
