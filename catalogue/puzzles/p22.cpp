// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/puzzle_source.h"

namespace zlp {

using namespace clue;

PuzzleSource puzzle22() {
    PuzzleSource p;
    p.items = {{
        {"Alma", "Bernard", "Cora", "Desmond", "Edith"},
        {"Halloran", "Kettleby", "Marchetti", "Penwarden", "Quist"},
        {"Gardening", "Taxes", "Pets", "Cooking", "Antiques"},
        {"First", "Second", "Third", "Fourth", "Fifth"},
    }};
    p.solution = {{{1, 2, 5, 3}, {2, 5, 1, 1}, {3, 1, 2, 5}, {4, 4, 4, 2}, {5, 3, 3, 4}}};
    // clang-format off: clue lines stand as the player reads them
    p.clues = {
        {{"*The antiques expert took the", "   microphone two turns after Quist",
          "   and immediately before Marchetti."},
         allOf({moreBy("Antiques", "Quist", 4, 2), moreBy("Marchetti", "Antiques", 4, 1)})},
        {{"*Cora answered the listeners'", "   questions either on taxes or on", "   pets."},
         oneOf("Cora", {"Taxes", "Pets"})},
        {{"*Of Desmond and Edith, one spoke", "   second and the other took the",
          "   questions about pets."},
         oneEach("Desmond", "Edith", "Second", "Pets")},
        {{"*Neither Alma nor Desmond answered", "   the gardening questions."},
         neither({"Alma", "Desmond"}, "Gardening")},
        {{"*Kettleby's turn at the microphone", "   came immediately before Edith",
          "   took hers."},
         moreBy("Edith", "Kettleby", 4, 1)},
        {{"*Of the five experts, one was Bernard,", "   one was Penwarden, one took the",
          "   antiques questions, one took the", "   questions on pets and one went on",
          "   the air fifth."},
         allDifferent({"Bernard", "Penwarden", "Antiques", "Pets", "Fifth"})},
    };
    // clang-format on
    p.cluesStartWithBlankLine = true;
    p.introPieces = {
        "Every Saturday morning the radio show Ask the Experts puts five guests on the air, one "
        "after another, to answer listeners' questions.  Last week the experts were "
        "Alma, Bernard, Cora, Desmond and Edith; their surnames, in no particular order, are "
        "Halloran, Kettleby, Marchetti, Penwarden and Quist.",
        "Each took the questions on one topic: gardening, taxes, pets, cooking or antiques.  "
        "From the clues, can you work out each expert's full name, topic and the order "
        "(first, second, third, fourth or fifth) in which they went on the air?",
    };
    return p;
}

} // namespace zlp
