// SPDX-License-Identifier: GPL-3.0-or-later
// Proves every puzzle of the catalogue: the number of answers its clues allow,
// the number with each clue left out, and the time taken. With --json, writes
// the whole catalogue as JSON instead.
#include "catalogue/catalogue.h"
#include "catalogue/solver.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

using namespace zlp;

namespace {

std::string json(const std::string& s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

template <class Range, class Fn> std::string array(const Range& r, Fn each) {
    std::string out = "[";
    bool first = true;
    for (const auto& x : r) {
        if (!first) out += ", ";
        first = false;
        out += each(x);
    }
    return out + "]";
}

void writeJson() {
    const auto str = [](const std::string& s) { return json(s); };
    std::string out = "[\n";
    bool first = true;
    for (const PuzzleRecord& r : PuzzleCatalogue::instance().all()) {
        if (!first) out += ",\n";
        first = false;
        out += "  {\"Number\": " + std::to_string(r.Number);
        out += ", \"Title\": " + json(r.Title);
        out += ", \"MenuTitle\": " + json(r.MenuTitle);
        out += ", \"CategoryNames\": " + array(r.CategoryNames, str);
        out += ", \"SideItems\": " + array(r.SideItems, str);
        out += ", \"HeadingPicture\": " + json(r.HeadingPicture);
        out += ", \"ClueText\": " + json(r.ClueText);
        out += ", \"IntroText\": " + json(r.IntroText);
        out += ", \"Solution\": " + array(r.Solution, [](const auto& t) {
                   return array(t, [](std::int16_t v) { return std::to_string(v); });
               });
        out += ", \"Items\": " + array(r.Items, [&](const auto& c) { return array(c, str); });
        out += "}";
    }
    out += "\n]\n";
    std::fputs(out.c_str(), stdout);
}

int prove() {
    int bad = 0;
    double total = 0;
    std::printf("%-3s %-24s %7s  %-32s %9s\n", "#", "Title", "answers", "answers without clue 1..n",
                "time (ms)");
    for (const PuzzleRecord& r : PuzzleCatalogue::instance().all()) {
        const auto start = std::chrono::steady_clock::now();
        const SolveReport rep = solve(r.ClueMeanings, r.Values);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        total += ms;
        std::string without;
        bool everyNeeded = true;
        for (const long long n : rep.withoutClue) {
            without += std::to_string(n) + " ";
            everyNeeded = everyNeeded && n > 1;
        }
        const bool matches =
            rep.answers == 1 && rep.firstAnswers.front() == assignmentFromSolution(r.Solution);
        const bool good = matches && everyNeeded && !r.ClueMeanings.empty();
        if (!good) ++bad;
        std::printf("%-3d %-24s %7lld  %-32s %9.1f%s\n", r.Number, r.Title.c_str(), rep.answers,
                    without.c_str(), ms,
                    good                             ? ""
                    : (rep.answers == 1 && !matches) ? "  WRONG ANSWER"
                    : rep.answers != 1               ? "  NOT ONE ANSWER"
                                                     : "  CLUE NOT NEEDED");
    }
    std::printf("total %.1f ms; %d of 25 puzzles proved\n", total, 25 - bad);
    return bad == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--json") == 0) {
        writeJson();
        return 0;
    }
    return prove();
}
