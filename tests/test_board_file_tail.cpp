// The test pass reads a file back from its end and stops once the last
// line's length is settled, however big the file.
#include "saves/board_file.h"

#include <QTest>

#include <algorithm>
#include <istream>
#include <streambuf>

using namespace zlp;

namespace {
// A seekable stream of size bytes, all of them c, made up as they are read;
// it counts the bytes it hands out.
class MadeUpFile : public std::streambuf {
public:
    MadeUpFile(std::uint64_t size, char c) : size_(size), c_(c) {}
    std::uint64_t handedOut = 0;

protected:
    int_type underflow() override {
        const auto n = std::min<std::uint64_t>(sizeof buffer_, size_ - pos_);
        if (n == 0) return traits_type::eof();
        std::fill_n(buffer_, n, c_);
        pos_ += n;
        handedOut += n;
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(c_);
    }
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override {
        const std::uint64_t here = pos_ - std::uint64_t(egptr() - gptr());
        const std::uint64_t base = dir == std::ios::beg ? 0 : dir == std::ios::end ? size_ : here;
        pos_ = base + std::uint64_t(off);
        setg(buffer_, buffer_, buffer_);
        return pos_type(off_type(pos_));
    }
    pos_type seekpos(pos_type at, std::ios::openmode which) override {
        return seekoff(off_type(at), std::ios::beg, which);
    }

private:
    std::uint64_t size_, pos_ = 0;
    char c_;
    char buffer_[512];
};
} // namespace

class TestBoardFileTail : public QObject {
    Q_OBJECT
private slots:
    void bigFileIsRejectedFromItsEnd_data();
    void bigFileIsRejectedFromItsEnd();
};

void TestBoardFileTail::bigFileIsRejectedFromItsEnd_data() {
    QTest::addColumn<char>("c");
    QTest::newRow("one line") << 'x';
    QTest::newRow("bare line feeds") << '\n';
    QTest::newRow("bare carriage returns") << '\r';
}

void TestBoardFileTail::bigFileIsRejectedFromItsEnd() {
    QFETCH(char, c);
    MadeUpFile file(std::uint64_t(64) << 20, c);
    std::istream in(&file);
    QCOMPARE(readSavedBoard(in).outcome, ReadOutcome::NotABoard);
    // The last few KiB, and nothing of the 64 MiB before them.
    QVERIFY2(file.handedOut <= 16 * 1024, qPrintable(QString::number(file.handedOut)));
}

QTEST_GUILESS_MAIN(TestBoardFileTail)
#include "test_board_file_tail.moc"
