// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-board file: writer against reader, both passes.
#include "saves/board_file.h"

#include <QTest>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace zlp;

namespace {
ReadResult readText(const std::string& text) {
    std::istringstream in(text);
    return readSavedBoard(in);
}

// A board line: the puzzle field, then one field per character of cells.
std::string boardLine(const std::string& puzzle, const std::string& cells) {
    std::string line = puzzle;
    for (const char c : cells) line += std::string(",") + c;
    return line;
}
} // namespace

class TestBoardFile : public QObject {
    Q_OBJECT
private slots:
    // The number, a comma and a digit per cell, CR LF: read back with either line end or none.
    void writtenAndReadBack() {
        for (const int puzzle : {1, 10, 25}) {
            std::array<Int16, kCellCount> states{};
            for (int k = 0; k < kCellCount; ++k)
                states[std::size_t(k)] = Int16((k * 7 + puzzle) % 3);
            const std::string text = formatBoard(Int16(puzzle), states);
            std::string cells;
            for (const Int16 s : states) cells += char('0' + s);
            const std::string line = boardLine(std::to_string(puzzle), cells);
            QCOMPARE(text, line + "\r\n");
            for (const std::string& t : {text, line + "\n", line}) {
                const ReadResult read = readText(t);
                QCOMPARE(read.outcome, ReadOutcome::Board);
                QCOMPARE(read.board.puzzleNumber, Int16(puzzle));
                QVERIFY(std::equal(states.begin(), states.end(), read.board.cells.begin()));
            }
        }
    }

    // Characters of the last line, its line end left out, a CR alone counted; the
    // last two span the pieces read. Under a limit, counted to one past it at most.
    void lastLineLengthCounts() {
        const std::pair<QByteArray, qulonglong> cases[] = {
            {"", 0},
            {"abc", 3},
            {"abc\r\n", 3},
            {"abc\n", 3},
            {"abc\r\n\r\n", 0},
            {"abcdef\r\nxy", 2},
            {"a\rb\n", 3},
            {"abc\r", 4},
            {"ab\r\r\n", 3},
            {QByteArray("a\0b\n", 4), 3},
            {QByteArray(70000, 'x') + "\n" + QByteArray(65837, 'y'), 65837},
            {"a\n" + QByteArray(4096, 'y'), 4096}};
        for (const auto& [text, length] : cases) {
            std::istringstream in(text.toStdString());
            QCOMPARE(qulonglong(lastLineLength(in).value()), length);
        }
        for (const char* text : {"abcdef", "x\nabcdef", "abcdef\r\n"}) {
            std::istringstream in(text);
            QCOMPARE(qulonglong(lastLineLength(in, 3).value()), 4ULL);
        }
    }

    // Empty, a line appended, letters, two lines, puzzles 0 and 26, too few
    // fields, a letter, an empty field, a plus sign, a blank, semicolons, CR alone.
    void refusedFiles() {
        const std::string good = formatBoard(5, {}), line = good.substr(0, good.size() - 2);
        const std::string blanks(kCellCount, '2'), fewer(149, '2');
        std::string semicolons = line;
        std::replace(semicolons.begin(), semicolons.end(), ',', ';');
        for (const std::string& text :
             {std::string(), good + "\r\n", std::string(301, 'x'), good + good,
              boardLine("0", blanks), boardLine("26", blanks),
              "10,22" + boardLine("", std::string(148, '2')),
              boardLine("3", "2a" + fewer.substr(1)), "3,," + line.substr(3, 299),
              boardLine("3", fewer) + ",+1", " 3" + boardLine("", blanks), semicolons, line + "\r"})
            QVERIFY2(readText(text).outcome == ReadOutcome::NotABoard, text.c_str());
    }

    // Odd but well-formed values are read as they are; the replay decides what they do.
    void oddValuesAndLengthsTheTestPassCannotSee() {
        const ReadResult read = readText(boardLine("05", std::string(149, '1') + "7"));
        QCOMPARE(read.outcome, ReadOutcome::Board);
        QCOMPARE(read.board.puzzleNumber, Int16(5));
        QCOMPARE(read.board.cells[149], 7LL);
        const std::string cells(kCellCount, '2');
        for (const std::string& text :
             {boardLine("3", cells + "2"), boardLine("3", cells.substr(1)),
              boardLine("99999999999999999999", cells)}) {
            std::istringstream in(text);
            QVERIFY(!readBoardValues(in));
        }
        std::ifstream missing("/nonexistent/zlp/board.txt", std::ios::binary);
        QCOMPARE(readSavedBoard(missing).outcome, ReadOutcome::Unreadable);
    }
};

QTEST_GUILESS_MAIN(TestBoardFile)
#include "test_board_file.moc"
