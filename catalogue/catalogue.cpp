// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue.h"

#include "catalogue/puzzle_source.h"

#include <cstdio>
#include <iterator>
#include <stdexcept>

namespace zlp {

namespace {

struct Heading {
    const char* title;
    const char* categories[4];
};

// Titles and category names of the 25 puzzles, in puzzle order.
constexpr Heading kHeadings[] = {
    {"Conferences", {"Floor", "Room", "Attendee", "Time"}},
    {"Babysitting", {"Name", "Snack", "TV Show", "Room"}},
    {"Music Lessons", {"Weekday", "Street", "Student", "Instrument"}},
    {"Windfall", {"Winner", "Location", "Source", "Winning"}},
    {"Criminals", {"1st Name", "Surname", "Crime", "City"}},
    {"Speeders", {"Name", "Vehicle", "Speed", "Street"}},
    {"Annual May Day", {"1st Name", "Surname", "Placed", "Craft"}},
    {"Service Retirees", {"1st Name", "Surname", "Branch", "Years"}},
    {"Book Promotion", {"Day", "TV Show", "TV Host", "Location"}},
    {"Girls Night Out", {"Name", "Age", "Hair Type", "Drink"}},
    {"Community Service", {"Name", "Charge", "Placement", "Sentence"}},
    {"Yachts", {"Yacht", "Length", "Owner", "Career"}},
    {"Game Show", {"Husband", "Wife", "Air Date", "Trip Won"}},
    {"Airport Arrivals", {"Time", "Arrived", "Destination", "Airline"}},
    {"Foreign Languages", {"Name", "Profession", "Age", "Language"}},
    {"Pen Pals", {"Day", "Pen Pal", "Location", "Topic"}},
    {"Science Fair", {"Placement", "Student", "Project", "City"}},
    {"Reporters", {"Reporter", "City", "Newspaper", "Topic"}},
    {"Doctors without Borders", {"1st Name", "Surname", "Order Left", "Location"}},
    {"New IT Graduates", {"1st Name", "Surname", "Company", "Position"}},
    {"Soap Opera", {"Character", "Role", "End Date", "Method"}},
    {"Ask the Experts", {"1st Name", "Surname", "Topic", "Order"}},
    {"Home Remodeling", {"Task #", "Room", "Color", "Accessory"}},
    {"Mom vs. Child", {"Name", "Hoped For", "Moved To", "Career"}},
    {"Affluent Neighbors", {"Unit #", "Husband", "Profession", "Wife"}},
};

using SourceFn = PuzzleSource (*)();
constexpr SourceFn kSources[] = {
    puzzle01, puzzle02, puzzle03, puzzle04, puzzle05, puzzle06, puzzle07, puzzle08, puzzle09,
    puzzle10, puzzle11, puzzle12, puzzle13, puzzle14, puzzle15, puzzle16, puzzle17, puzzle18,
    puzzle19, puzzle20, puzzle21, puzzle22, puzzle23, puzzle24, puzzle25,
};
static_assert(std::size(kHeadings) == 25 && std::size(kSources) == 25, "one per puzzle");

const std::string kCrLf = "\r\n";

ItemRef findItem(const std::string& name, const PuzzleSource& s, int number) {
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 5; ++i)
            if (s.items[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] == name)
                return {c + 1, i + 1};
    throw std::invalid_argument("puzzle " + std::to_string(number) + ": a clue names \"" + name +
                                "\", which is no item of the puzzle");
}

void resolve(ClueExpr& e, const PuzzleSource& s, int number) {
    if (!e.nameA.empty()) e.a = findItem(e.nameA, s, number);
    if (!e.nameB.empty()) e.b = findItem(e.nameB, s, number);
    for (auto& p : e.parts) resolve(p, s, number);
}

std::string clueText(const PuzzleSource& s) {
    std::string text = s.cluesStartWithBlankLine ? kCrLf : std::string();
    std::string between = kCrLf;
    for (int i = 0; i < s.blankLinesBetweenClues; ++i) between += kCrLf;
    for (std::size_t c = 0; c < s.clues.size(); ++c) {
        if (c > 0) text += between;
        for (std::size_t l = 0; l < s.clues[c].lines.size(); ++l) {
            if (l > 0) text += kCrLf;
            text += s.clues[c].lines[l];
        }
    }
    if (s.cluesEndWithBlankLine) text += kCrLf;
    return text;
}

std::string introText(const PuzzleSource& s) {
    std::string text = s.introStartsWithLineBreak ? kCrLf : std::string();
    for (std::size_t i = 0; i < s.introPieces.size(); ++i) {
        if (i > 0) text += kCrLf;
        text += s.introPieces[i];
    }
    return text;
}

PuzzleRecord makeRecord(int number) {
    const std::size_t i = static_cast<std::size_t>(number - 1);
    const PuzzleSource s = kSources[i]();
    PuzzleRecord r;
    r.Number = static_cast<std::int16_t>(number);
    r.Title = PuzzleCatalogue::title(number);
    r.MenuTitle = PuzzleCatalogue::menuTitle(number);
    for (std::size_t c = 0; c < 4; ++c) r.CategoryNames[c] = kHeadings[i].categories[c];
    char file[32];
    std::snprintf(file, sizeof file, "Puz%02d.gif", number);
    r.HeadingPicture = file;
    r.Items = s.items;
    for (std::size_t k = 0; k < 5; ++k) {
        r.SideItems[k] = s.items[0][k];
        r.SideItems[5 + k] = s.items[3][k];
        r.SideItems[10 + k] = s.items[2][k];
    }
    r.ClueText = clueText(s);
    r.IntroText = introText(s);
    r.Solution = s.solution;
    r.Values = s.values;
    for (const auto& c : s.clues) {
        r.ClueMeanings.push_back(c.meaning);
        resolve(r.ClueMeanings.back(), s, number);
    }
    return r;
}

} // namespace

PuzzleCatalogue::PuzzleCatalogue() {
    for (int n = 1; n <= 25; ++n) records_.push_back(makeRecord(n));
}

std::string PuzzleCatalogue::title(int number) {
    return kHeadings[number - 1].title;
}

std::string PuzzleCatalogue::menuTitle(int number) {
    // The menu buttons are narrow: the one long title is shortened there.
    return number == 19 ? "Doctors w/o Borders" : title(number);
}

const PuzzleCatalogue& PuzzleCatalogue::instance() {
    static const PuzzleCatalogue catalogue;
    return catalogue;
}

const PuzzleRecord* PuzzleCatalogue::find(int number) const {
    if (number < 1 || number > 25) return nullptr;
    return &records_[static_cast<std::size_t>(number - 1)];
}

} // namespace zlp
