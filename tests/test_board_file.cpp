// The saved-board file: writer and reader held against each other, the test
// pass on the last line, the value pass and a huge file read in bounded memory.
#include "saves/board_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <sstream>

#include <sys/resource.h>

using namespace zlp;

namespace {
std::array<Int16, kCellCount> patternStates(int seed) {
    std::array<Int16, kCellCount> s{};
    for (int k = 0; k < kCellCount; ++k) s[static_cast<std::size_t>(k)] = Int16((k * 7 + seed) % 3);
    return s;
}

ReadResult readText(const std::string& text) {
    std::istringstream in(text);
    return readSavedBoard(in);
}

// A board line of one-digit cells: puzzle number, then the given cell digits.
std::string boardLine(const std::string& puzzle, const std::string& cells) {
    std::string line = puzzle;
    for (const char c : cells) {
        line += ',';
        line += c;
    }
    return line;
}

long peakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

class TestBoardFile : public QObject {
    Q_OBJECT
private slots:
    void writtenFileHasTheFixedForm_data();
    void writtenFileHasTheFixedForm();
    void lineEndsOfEitherKindReadTheSame();
    void handWrittenFileReadsExactly();
    void lastLineLengthCounts_data();
    void lastLineLengthCounts();
    void refusedFiles_data();
    void refusedFiles();
    void oddButWellFormedValuesAreReadAsTheyAre();
    void valuePassRefusesWhatTheTestPassCannotSee();
    void unreadableStream();
    void hugeFileWithoutLineEndInBoundedMemory();
};

void TestBoardFile::writtenFileHasTheFixedForm_data() {
    QTest::addColumn<int>("puzzle");
    QTest::addColumn<int>("bytes");
    QTest::newRow("puzzle 1") << 1 << 303;
    QTest::newRow("puzzle 9") << 9 << 303;
    QTest::newRow("puzzle 10") << 10 << 304;
    QTest::newRow("puzzle 25") << 25 << 304;
}

void TestBoardFile::writtenFileHasTheFixedForm() {
    QFETCH(int, puzzle);
    QFETCH(int, bytes);
    const auto states = patternStates(puzzle);
    const std::string text = formatBoard(Int16(puzzle), states);
    QCOMPARE(int(text.size()), bytes);

    // Byte positions: the number, then a comma before each state digit, then CR LF.
    const std::string number = std::to_string(puzzle);
    QCOMPARE(text.substr(0, number.size()), number);
    const std::size_t shift = number.size() - 1;
    for (int k = 1; k <= kCellCount; ++k) {
        QCOMPARE(text[shift + 2 * k - 1], ',');
        QCOMPARE(text[shift + 2 * k], char('0' + states[std::size_t(k - 1)]));
    }
    QCOMPARE(text.substr(text.size() - 2), std::string("\r\n"));

    // The reader takes back exactly what was written.
    std::istringstream lengthIn(text);
    QCOMPARE(lastLineLength(lengthIn).value(), std::uint64_t(bytes - 2));
    const ReadResult read = readText(text);
    QCOMPARE(read.outcome, ReadOutcome::Board);
    QCOMPARE(read.board.puzzleNumber, Int16(puzzle));
    for (int k = 0; k < kCellCount; ++k)
        QCOMPARE(read.board.cells[std::size_t(k)], (long long)states[std::size_t(k)]);
}

void TestBoardFile::lineEndsOfEitherKindReadTheSame() {
    const std::string crlf = formatBoard(12, patternStates(2));
    const std::string line = crlf.substr(0, crlf.size() - 2);
    for (const std::string& text : {crlf, line + "\n", line}) {
        const ReadResult read = readText(text);
        QCOMPARE(read.outcome, ReadOutcome::Board);
        QCOMPARE(read.board.puzzleNumber, Int16(12));
        QCOMPARE(read.board.cells[0], (long long)patternStates(2)[0]);
        QCOMPARE(read.board.cells[149], (long long)patternStates(2)[149]);
    }
}

void TestBoardFile::handWrittenFileReadsExactly() {
    // Typed out the long way: puzzle 7, five columns of 15, then the rest.
    std::string text = "7";
    const char* column = ",0,1,2,2,2,1,0,0,2,2,2,2,2,1,0";
    for (int c = 0; c < 5; ++c) text += column;
    for (int c = 0; c < 5; ++c) text += ",1,0,0,0,0,2,2,2,2,2";
    for (int c = 0; c < 5; ++c) text += ",2,2,1,0,2";
    text += "\r\n";
    QCOMPARE(text.size(), std::size_t(303));

    const ReadResult read = readText(text);
    QCOMPARE(read.outcome, ReadOutcome::Board);
    QCOMPARE(read.board.puzzleNumber, Int16(7));
    const long long img0101 = read.board.cells[std::size_t(cellIndex(1, 1))];
    const long long img0502 = read.board.cells[std::size_t(cellIndex(5, 2))];
    const long long img0601 = read.board.cells[std::size_t(cellIndex(6, 1))];
    const long long img1005 = read.board.cells[std::size_t(cellIndex(10, 5))];
    const long long img1503 = read.board.cells[std::size_t(cellIndex(15, 3))];
    const long long img0515 = read.board.cells[std::size_t(cellIndex(5, 15))];
    QCOMPARE(img0101, 0LL);
    QCOMPARE(img0502, 1LL);
    QCOMPARE(img0515, 0LL);
    QCOMPARE(img0601, 1LL);
    QCOMPARE(img1005, 0LL);
    QCOMPARE(img1503, 1LL);

    // Written again it is the same file, byte for byte.
    std::array<Int16, kCellCount> states{};
    for (int k = 0; k < kCellCount; ++k)
        states[std::size_t(k)] = Int16(read.board.cells[std::size_t(k)]);
    QCOMPARE(formatBoard(7, states), text);
}

void TestBoardFile::lastLineLengthCounts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qulonglong>("length");
    QTest::newRow("no line at all") << QByteArray() << 0ull;
    QTest::newRow("one line, no line end") << QByteArray("abc") << 3ull;
    QTest::newRow("CR LF") << QByteArray("abc\r\n") << 3ull;
    QTest::newRow("lone LF") << QByteArray("abc\n") << 3ull;
    QTest::newRow("empty line appended") << QByteArray("abc\r\n\r\n") << 0ull;
    QTest::newRow("last line without end") << QByteArray("abcdef\r\nxy") << 2ull;
    QTest::newRow("CR inside a line counts") << QByteArray("a\rb\n") << 3ull;
    QTest::newRow("CR at the very end counts") << QByteArray("abc\r") << 4ull;
    QTest::newRow("CR CR LF keeps one CR") << QByteArray("ab\r\r\n") << 3ull;
    QTest::newRow("only a line end") << QByteArray("\r\n") << 0ull;
    QTest::newRow("NUL bytes are characters") << QByteArray("a\0b\n", 4) << 3ull;
    // Longer than one read chunk, with the last line split across chunks.
    QTest::newRow("long lines") << (QByteArray(70000, 'x') + "\n" + QByteArray(65536 + 301, 'y'))
                                << 65837ull;
}

void TestBoardFile::lastLineLengthCounts() {
    QFETCH(QByteArray, text);
    QFETCH(qulonglong, length);
    std::istringstream in(text.toStdString());
    QCOMPARE(qulonglong(lastLineLength(in).value()), length);
}

void TestBoardFile::refusedFiles_data() {
    const std::string good = formatBoard(5, patternStates(0));
    const std::string line = good.substr(0, good.size() - 2);
    const std::string blanks(kCellCount, '2');
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("empty line appended") << QByteArray::fromStdString(good + "\r\n");
    QTest::newRow("301 letters") << QByteArray(301, 'x');
    QTest::newRow("two good lines") << QByteArray::fromStdString(good + good);
    QTest::newRow("puzzle 0") << QByteArray::fromStdString(boardLine("0", blanks));
    QTest::newRow("puzzle 26") << QByteArray::fromStdString(boardLine("26", blanks));
    QTest::newRow("puzzle -1") << QByteArray::fromStdString(boardLine("-1", blanks));
    // 150 fields brought to 301 characters by two wide ones.
    QTest::newRow("too few fields")
        << QByteArray::fromStdString("10,22" + boardLine("", std::string(148, '2')) + "\r\n");
    QTest::newRow("letter in a cell")
        << QByteArray::fromStdString(boardLine("3", "2a" + std::string(148, '2')));
    QTest::newRow("empty field") << QByteArray::fromStdString("3,," + line.substr(3, 299));
    QTest::newRow("plus sign") << QByteArray::fromStdString(boardLine("3", std::string(149, '2')) +
                                                            ",+1");
    QTest::newRow("blank before a number")
        << QByteArray::fromStdString(" 3" + boardLine("", std::string(150, '2')));
    std::string semicolons = line;
    std::replace(semicolons.begin(), semicolons.end(), ',', ';');
    QTest::newRow("semicolons") << QByteArray::fromStdString(semicolons);
    QTest::newRow("good line, CR without LF") << QByteArray::fromStdString(line + "\r");
}

void TestBoardFile::refusedFiles() {
    QFETCH(QByteArray, text);
    QCOMPARE(readText(text.toStdString()).outcome, ReadOutcome::NotABoard);
}

void TestBoardFile::oddButWellFormedValuesAreReadAsTheyAre() {
    // A negative cell and a leading zero fit the 302 characters; the replay
    // decides what such values do.
    std::string text = "1,-1" + boardLine("", std::string(149, '2'));
    QCOMPARE(text.size(), std::size_t(302));
    ReadResult read = readText(text + "\r\n");
    QCOMPARE(read.outcome, ReadOutcome::Board);
    QCOMPARE(read.board.cells[0], -1LL);

    read = readText(boardLine("05", std::string(149, '1') + "7"));
    QCOMPARE(read.outcome, ReadOutcome::Board);
    QCOMPARE(read.board.puzzleNumber, Int16(5));
    QCOMPARE(read.board.cells[148], 1LL);
    QCOMPARE(read.board.cells[149], 7LL);
}

void TestBoardFile::valuePassRefusesWhatTheTestPassCannotSee() {
    // Lengths the test pass never lets through still get a sound answer.
    const std::string cells(kCellCount, '2');
    for (const std::string& text :
         {boardLine("3", cells + "2"), boardLine("3", cells.substr(1)),
          "3" + boardLine("", cells.substr(1)) + "," + std::string(30, '9'),
          boardLine("99999999999999999999", cells), std::string(10000, '1')}) {
        std::istringstream in(text);
        QVERIFY(!readBoardValues(in));
    }
    std::istringstream ok(boardLine("25", cells));
    QVERIFY(readBoardValues(ok).has_value());
}

void TestBoardFile::unreadableStream() {
    std::ifstream missing("/nonexistent/zlp/board.txt", std::ios::binary);
    QCOMPARE(readSavedBoard(missing).outcome, ReadOutcome::Unreadable);
    // A directory opens on this platform but cannot be read.
    std::ifstream directory("/", std::ios::binary);
    if (directory) QCOMPARE(readSavedBoard(directory).outcome, ReadOutcome::Unreadable);
}

void TestBoardFile::hugeFileWithoutLineEndInBoundedMemory() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("huge.txt"));
    constexpr qint64 kSize = qint64(1) << 30;
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(kSize)); // sparse: one line of NUL characters, no line end
    }
    const long before = peakRssKiB();
    QElapsedTimer timer;
    timer.start();
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    QVERIFY(in.is_open());
    QCOMPARE(lastLineLength(in).value(), std::uint64_t(kSize));
    in.clear();
    in.seekg(0);
    QCOMPARE(readSavedBoard(in).outcome, ReadOutcome::NotABoard);
    const qint64 ms = timer.elapsed();
    const long grown = peakRssKiB() - before;
    qInfo("1 GiB read twice in %lld ms; peak resident set grew by %ld KiB", ms, grown);
    QVERIFY2(grown < 8 * 1024, "reading a huge file must not hold it in memory");
}

QTEST_GUILESS_MAIN(TestBoardFile)
#include "test_board_file.moc"
