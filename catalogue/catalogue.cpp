#include "catalogue/catalogue.h"

#include <cstdio>

namespace zlp {

namespace {

struct Heading {
    const char* title;
    const char* categories[4];
};

// Titles and category names of the 25 puzzles, in puzzle order.
constexpr Heading kHeadings[25] = {
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

// Fills SideItems from Items: category 1, then 4, then 3.
void layOutSideItems(PuzzleRecord& r) {
    for (std::size_t i = 0; i < 5; ++i) {
        r.SideItems[i] = r.Items[0][i];
        r.SideItems[5 + i] = r.Items[3][i];
        r.SideItems[10 + i] = r.Items[2][i];
    }
}

void addPuzzle01(PuzzleRecord& r) {
    r.Items = {{
        {"1st Floor", "2nd Floor", "3rd Floor", "4th Floor", "5th Floor"},
        {"California", "New York", "Michigan", "Oregon", "Texas"},
        {"Nurses", "Teachers", "Writers", "Bus Drivers", "Chefs"},
        {"8:00 a.m.", "8:30 a.m.", "9:00 a.m.", "9:30 a.m.", "10:00 a.m."},
    }};
    r.Solution = {{{1, 3, 2, 3}, {2, 4, 4, 1}, {3, 5, 1, 4}, {4, 2, 3, 2}, {5, 1, 5, 5}}};
}

} // namespace

PuzzleCatalogue::PuzzleCatalogue() {
    records_.resize(25);
    for (std::size_t i = 0; i < 25; ++i) {
        PuzzleRecord& r = records_[i];
        r.Number = static_cast<std::int16_t>(i + 1);
        r.Title = kHeadings[i].title;
        r.MenuTitle = r.Number == 19 ? "Doctors w/o Borders" : r.Title;
        for (std::size_t c = 0; c < 4; ++c) r.CategoryNames[c] = kHeadings[i].categories[c];
        char file[32];
        std::snprintf(file, sizeof file, "Puz%02d.gif", static_cast<int>(r.Number));
        r.HeadingPicture = file;
    }
    addPuzzle01(records_[0]);
    for (auto& r : records_) layOutSideItems(r);
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
