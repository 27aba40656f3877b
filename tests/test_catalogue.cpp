// The puzzle catalogue: look-up, the form of every record, the proof that each
// puzzle's clues allow exactly one answer with every clue needed, puzzle 1 in
// detail, the solver on small hand-made clue sets, and the JSON export.
#include "board/grid.h"
#include "catalogue/answers.h"
#include "catalogue/catalogue.h"
#include "catalogue/clue.h"
#include "catalogue/solver.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace zlp;

namespace {

const std::string kCrLf = "\r\n";

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = text.find(kCrLf, from);
        if (at == std::string::npos) {
            lines.push_back(text.substr(from));
            return lines;
        }
        lines.push_back(text.substr(from, at - from));
        from = at + kCrLf.size();
    }
}

// True when every CR is followed by LF and every LF follows a CR.
bool onlyCrLf(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool inList(int n, std::initializer_list<int> list) {
    return std::find(list.begin(), list.end(), n) != list.end();
}

int expectedClues(int n) {
    if (n == 1 || n == 11 || n == 15) return 7;
    if (n == 8) return 8;
    return 6;
}

int expectedBlankLinesBetween(int n) {
    if (n == 2) return 0;
    if (n == 7 || n == 10) return 2;
    return 1;
}

bool cluesStartWithEmptyLine(int n) {
    return inList(n, {3, 7, 8, 9, 12, 13, 15, 18, 19, 20, 22, 23, 25});
}

bool cluesEndWithEmptyLine(int n) {
    return inList(n, {16, 21, 24});
}

int expectedIntroPieces(int n) {
    static const int pieces[25] = {2, 1, 2, 1, 2, 6, 1, 2, 5, 3, 5, 3, 7,
                                   4, 4, 1, 1, 3, 2, 2, 4, 2, 4, 4, 4};
    return pieces[n - 1];
}

bool introStartsWithBreak(int n) {
    return !inList(n, {2, 4, 9, 20, 23, 24});
}

struct Heading {
    const char* title;
    const char* categories[4];
};

const Heading kHeadings[25] = {
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

// Items of a tiny test puzzle: category c, item i is named "<letter><i>".
ItemRef tinyItem(const std::string& name) {
    return {name[0] - 'A' + 1, name[1] - '0'};
}

void resolveTiny(ClueExpr& e) {
    if (!e.nameA.empty()) e.a = tinyItem(e.nameA);
    if (!e.nameB.empty()) e.b = tinyItem(e.nameB);
    for (auto& p : e.parts) resolveTiny(p);
}

SolveReport solveTiny(std::vector<ClueExpr> clues) {
    for (auto& c : clues) resolveTiny(c);
    return solve(clues, ItemValues{});
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void lookUp();

    void recordForm_data();
    void recordForm();

    void proof_data();
    void proof();

    void puzzle1();

    void solverCounts();

    void jsonExport();
};

void TestCatalogue::lookUp() {
    const PuzzleCatalogue& cat = PuzzleCatalogue::instance();
    for (int n = 1; n <= 25; ++n) {
        const PuzzleRecord* r = cat.find(n);
        QVERIFY2(r != nullptr, qPrintable(QString("puzzle %1").arg(n)));
        QCOMPARE(int(r->Number), n);
    }
    QVERIFY(cat.find(0) == nullptr);
    QVERIFY(cat.find(26) == nullptr);
    QVERIFY(cat.find(-1) == nullptr);
    QVERIFY(cat.find(32767) == nullptr);
    QCOMPARE(int(cat.all().size()), 25);
}

void TestCatalogue::recordForm_data() {
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 25; ++n) QTest::addRow("puzzle %02d", n) << n;
}

void TestCatalogue::recordForm() {
    QFETCH(int, number);
    const PuzzleRecord& r = *PuzzleCatalogue::instance().find(number);
    const Heading& h = kHeadings[number - 1];

    // Title, menu title, category names, heading picture.
    QCOMPARE(q(r.Title), QString(h.title));
    QVERIFY(r.Title.size() >= 6 && r.Title.size() <= 23);
    QCOMPARE(q(r.MenuTitle), number == 19 ? QString("Doctors w/o Borders") : q(r.Title));
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(q(r.CategoryNames[c]), QString(h.categories[c]));
        QVERIFY(r.CategoryNames[c].size() >= 3 && r.CategoryNames[c].size() <= 11);
    }
    QCOMPARE(q(r.HeadingPicture), QString("Puz%1.gif").arg(number, 2, 10, QChar('0')));

    // Items: five per category, 2 to 13 characters, none repeated; the side
    // labels are category 1, then 4, then 3.
    std::set<std::string> seen;
    for (const auto& category : r.Items)
        for (const auto& item : category) {
            QVERIFY2(item.size() >= 2 && item.size() <= 13, item.c_str());
            QVERIFY2(seen.insert(item).second, ("repeated item " + item).c_str());
        }
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(q(r.SideItems[k]), q(r.Items[0][k]));
        QCOMPARE(q(r.SideItems[5 + k]), q(r.Items[3][k]));
        QCOMPARE(q(r.SideItems[10 + k]), q(r.Items[2][k]));
    }
    for (const auto& s : r.SideItems) QVERIFY2(s.size() >= 2 && s.size() <= 13, s.c_str());
    if (number == 10) QCOMPARE(q(r.SideItems[7]), QString("Rum && Coke"));

    // Clue text.
    const std::string& clues = r.ClueText;
    QVERIFY(onlyCrLf(clues));
    const std::vector<std::string> lines = splitCrLf(clues);
    QVERIFY2(lines.size() >= 25 && lines.size() <= 28,
             qPrintable(QString("%1 lines").arg(lines.size())));
    std::size_t first = 0, last = lines.size();
    QCOMPARE(lines.front().empty(), cluesStartWithEmptyLine(number));
    QCOMPARE(lines.back().empty(), cluesEndWithEmptyLine(number));
    if (cluesStartWithEmptyLine(number)) ++first;
    if (cluesEndWithEmptyLine(number)) --last;
    QVERIFY(first < last);
    QVERIFY2(startsWith(lines[first], "*"), lines[first].c_str());
    QVERIFY(!lines[last - 1].empty());
    int clueCount = 0;
    int emptyRun = 0;
    for (std::size_t i = first; i < last; ++i) {
        const std::string& line = lines[i];
        QVERIFY2(line.size() <= 38,
                 qPrintable(QString("%1 characters: %2").arg(line.size()).arg(q(line))));
        if (line.empty()) {
            ++emptyRun;
            continue;
        }
        if (line[0] == '*') {
            QVERIFY2(line.size() > 1 && line[1] != ' ', line.c_str());
            if (clueCount > 0) QCOMPARE(emptyRun, expectedBlankLinesBetween(number));
            ++clueCount;
        } else {
            QVERIFY2(startsWith(line, "   ") && line.size() > 3 && line[3] != ' ', line.c_str());
            QCOMPARE(emptyRun, 0);
        }
        emptyRun = 0;
    }
    QCOMPARE(clueCount, expectedClues(number));
    QCOMPARE(int(r.ClueMeanings.size()), expectedClues(number));

    // Introduction text.
    const std::string& intro = r.IntroText;
    QVERIFY(onlyCrLf(intro));
    QVERIFY2(intro.size() >= 370 && intro.size() <= 683,
             qPrintable(QString("%1 characters").arg(intro.size())));
    QCOMPARE(startsWith(intro, kCrLf), introStartsWithBreak(number));
    QVERIFY(!endsWith(intro, kCrLf));
    const std::string body = introStartsWithBreak(number) ? intro.substr(2) : intro;
    const std::vector<std::string> pieces = splitCrLf(body);
    QCOMPARE(int(pieces.size()), expectedIntroPieces(number));
    for (const auto& piece : pieces) QVERIFY(!piece.empty());

    // Solution: tuples in order, each category a permutation, one O in every
    // block row and block column.
    for (int a = 0; a < 5; ++a) QCOMPARE(int(r.Solution[a][0]), a + 1);
    bool identity = true;
    for (int c = 1; c < 4; ++c) {
        std::set<int> used;
        for (int a = 0; a < 5; ++a) {
            const int v = r.Solution[a][c];
            QVERIFY(v >= 1 && v <= 5);
            used.insert(v);
            identity = identity && v == a + 1;
        }
        QCOMPARE(int(used.size()), 5);
    }
    QVERIFY(!identity);
    const std::array<int, 30> cells = solutionCells(r);
    std::set<std::pair<int, int>> blockRows, blockColumns;
    for (const int k : cells) {
        QVERIFY(k >= 0 && k < kCellCount);
        const CellPos p = cellAt(k);
        const int block = blockOf(p.col, p.row);
        QVERIFY(blockRows.insert({block, p.row}).second);
        QVERIFY(blockColumns.insert({block, p.col}).second);
    }
    QCOMPARE(int(blockRows.size()), 30);
    QCOMPARE(int(blockColumns.size()), 30);
}

void TestCatalogue::proof_data() {
    recordForm_data();
}

void TestCatalogue::proof() {
    QFETCH(int, number);
    const PuzzleRecord& r = *PuzzleCatalogue::instance().find(number);
    QVERIFY(!r.ClueMeanings.empty());
    const SolveReport rep = solve(r.ClueMeanings, r.Values);
    QCOMPARE(rep.answers, 1LL);
    QVERIFY(rep.firstAnswers.front() == assignmentFromSolution(r.Solution));
    QCOMPARE(rep.withoutClue.size(), r.ClueMeanings.size());
    for (std::size_t i = 0; i < rep.withoutClue.size(); ++i)
        QVERIFY2(rep.withoutClue[i] > 1, qPrintable(QString("clue %1 is not needed").arg(i + 1)));
}

void TestCatalogue::puzzle1() {
    const PuzzleRecord& r = *PuzzleCatalogue::instance().find(1);
    QCOMPARE(q(r.Title), QString("Conferences"));

    const std::vector<std::string> lines = splitCrLf(r.ClueText);
    QCOMPARE(int(lines.size()), 27);
    QVERIFY(!lines.front().empty());
    QVERIFY(!lines.back().empty());
    std::size_t longest = 0;
    for (const auto& l : lines) longest = std::max(longest, l.size());
    QCOMPARE(int(longest), 38);
    // The fifth clue, line by line.
    int clue = 0;
    std::vector<std::string> fifth;
    for (const auto& l : lines) {
        if (startsWith(l, "*")) ++clue;
        if (clue == 5 && !l.empty()) fifth.push_back(l);
    }
    QCOMPARE(int(fifth.size()), 2);
    QCOMPARE(q(fifth[0]), QString("*The conference on the third floor"));
    QCOMPARE(q(fifth[1]), QString("   begins at 9:30 a.m."));

    QCOMPARE(int(r.IntroText.size()), 477);
    QVERIFY(startsWith(r.IntroText, kCrLf));
    const std::vector<std::string> pieces = splitCrLf(r.IntroText.substr(2));
    QCOMPARE(int(pieces.size()), 2);
    QVERIFY(endsWith(pieces[0], "on which"));
    QVERIFY(startsWith(pieces[1], "floor (1st, 2nd, 3rd, 4th or 5th) and at what time"));
    const std::string intro = r.IntroText;
    const std::size_t ca = intro.find("California"), ny = intro.find("New York"),
                      mi = intro.find("Michigan"), orr = intro.find("Oregon"),
                      tx = intro.find("Texas");
    QVERIFY(ca != std::string::npos && ca < ny && ny < mi && mi < orr && orr < tx &&
            tx != std::string::npos);

    const char* expected[30] = {"Img0105", "Img0110", "Img0115", "Img0204", "Img0207", "Img0213",
                                "Img0301", "Img0308", "Img0312", "Img0402", "Img0406", "Img0414",
                                "Img0503", "Img0509", "Img0511", "Img0603", "Img0609", "Img0701",
                                "Img0708", "Img0804", "Img0807", "Img0902", "Img0906", "Img1005",
                                "Img1010", "Img1102", "Img1204", "Img1301", "Img1403", "Img1505"};
    const std::array<int, 30> cells = solutionCells(r);
    for (int i = 0; i < 30; ++i) {
        const auto k = cellIndexFromName(expected[i]);
        QVERIFY(k.has_value());
        QCOMPARE(cells[i], *k);
    }
    const std::array<std::array<std::int16_t, 4>, 5> solution = {
        {{1, 3, 2, 3}, {2, 4, 4, 1}, {3, 5, 1, 4}, {4, 2, 3, 2}, {5, 1, 5, 5}}};
    QVERIFY(r.Solution == solution);
}

void TestCatalogue::solverCounts() {
    using namespace clue;
    constexpr long long all = 120LL * 120 * 120;

    // No clues: every assignment.
    SolveReport rep = solveTiny({});
    QCOMPARE(rep.answers, all);
    QVERIFY(rep.withoutClue.empty());

    // One pairing fixes one item of one category: a fifth of them.
    rep = solveTiny({same("A1", "B1")});
    QCOMPARE(rep.answers, all / 5);
    QCOMPARE(rep.withoutClue.front(), all);

    // Two pairings; dropping either leaves the other's count.
    rep = solveTiny({same("A1", "B1"), same("A1", "C1")});
    QCOMPARE(rep.answers, all / 25);
    QCOMPARE(rep.withoutClue, (std::vector<long long>{all / 5, all / 5}));

    // Contradictory clues.
    rep = solveTiny({same("A1", "B1"), differ("A1", "B1")});
    QCOMPARE(rep.answers, 0LL);
    QCOMPARE(rep.withoutClue, (std::vector<long long>{all * 4 / 5, all / 5}));

    // A full set: every item of categories 2 to 4 placed by hand.
    std::vector<ClueExpr> full;
    for (const char c : {'B', 'C', 'D'})
        for (int i = 1; i <= 4; ++i)
            full.push_back(
                same("A" + std::to_string(i), std::string(1, c) + std::to_string(6 - i)));
    rep = solveTiny(full);
    QCOMPARE(rep.answers, 1LL);
    QCOMPARE(rep.firstAnswers.size(), std::size_t(1));
    QCOMPARE(rep.firstAnswers.front().item[1], (std::array<int, 5>{5, 4, 3, 2, 1}));
    // Without one pairing, its two items of that category may swap.
    for (const long long n : rep.withoutClue) QCOMPARE(n, 2LL);

    // Order on category 1: B1 stands before B2 in half of all assignments.
    rep = solveTiny({before("B1", "B2", 1)});
    QCOMPARE(rep.answers, all / 2);
    // Neighbours on category 1: 8 of the 20 ordered pairs of places.
    rep = solveTiny({nextTo("B1", "B2", 1)});
    QCOMPARE(rep.answers, all * 8 / 20);
    // "Of A1 and A2, one is B1 and the other B2": 2 of the 20 placements.
    rep = solveTiny({oneEach("A1", "A2", "B1", "B2")});
    QCOMPARE(rep.answers, all * 2 / 20);
    // "Of A1 and B1, one is C1 and the other D1" speaks of two entries: B1 is
    // not with A1 (96 of 120), then C1 and D1 sit on the two in either order
    // (2 x 24 x 24 of 120 x 120); one entry holding all four does not count.
    rep = solveTiny({oneEach("A1", "B1", "C1", "D1")});
    QCOMPARE(rep.answers, 96LL * 2 * 24 * 24);
}

void TestCatalogue::jsonExport() {
    QProcess tool;
    tool.start(QStringLiteral(CATALOGUE_CHECK), {QStringLiteral("--json")});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(tool.readAllStandardOutput(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(doc.isArray());
    const QJsonArray records = doc.array();
    QCOMPARE(records.size(), 25);

    const QSet<QString> keys = {"Number",    "Title",          "MenuTitle", "CategoryNames",
                                "SideItems", "HeadingPicture", "ClueText",  "IntroText",
                                "Solution",  "Items"};
    const auto strings = [](const auto& range) {
        QJsonArray out;
        for (const auto& s : range) out.append(QString::fromStdString(s));
        return out;
    };
    for (int i = 0; i < 25; ++i) {
        const PuzzleRecord& r = *PuzzleCatalogue::instance().find(i + 1);
        QVERIFY(records[i].isObject());
        const QJsonObject o = records[i].toObject();
        const QStringList got = o.keys();
        QCOMPARE(QSet<QString>(got.begin(), got.end()), keys);
        QCOMPARE(o["Number"].toInt(), int(r.Number));
        QCOMPARE(o["Title"].toString(), q(r.Title));
        QCOMPARE(o["MenuTitle"].toString(), q(r.MenuTitle));
        QCOMPARE(o["CategoryNames"].toArray(), strings(r.CategoryNames));
        QCOMPARE(o["SideItems"].toArray(), strings(r.SideItems));
        QCOMPARE(o["HeadingPicture"].toString(), q(r.HeadingPicture));
        QCOMPARE(o["ClueText"].toString(), q(r.ClueText));
        QCOMPARE(o["IntroText"].toString(), q(r.IntroText));
        QJsonArray solution;
        for (const auto& t : r.Solution) {
            QJsonArray tuple;
            for (const std::int16_t v : t) tuple.append(int(v));
            solution.append(tuple);
        }
        QCOMPARE(o["Solution"].toArray(), solution);
        QJsonArray items;
        for (const auto& category : r.Items) items.append(strings(category));
        QCOMPARE(o["Items"].toArray(), items);
    }
}

QTEST_APPLESS_MAIN(TestCatalogue)

#include "test_catalogue.moc"
