// The grid arithmetic, cell replay and the purple marking rule, without a window.
#include "board/board_model.h"
#include "board/grid.h"

#include <QTest>

using namespace zlp;

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    // Indices, positions and names agree, in identifier order (column by column).
    void cellsRoundTrip() {
        int count = 0;
        for (int c = 1; c <= 15; ++c)
            for (int r = 1; r <= 15; ++r) {
                const int k = cellIndex(c, r);
                if (k < 0) continue;
                QCOMPARE(k, count++);
                QCOMPARE(cellAt(k), (CellPos{c, r}));
                QCOMPARE(cellIndexFromName(cellName(k)), std::optional<int>(k));
            }
        QCOMPARE(count, kCellCount);
        QCOMPARE(cellName(75), std::string("Img0601"));
        for (const char* bad : {"Img0611", "Img1106", "Img01a1", "Img010", "Pic0101"})
            QCOMPARE(cellIndexFromName(bad), std::nullopt);
        const int corners[6][2] = {{1, 1}, {6, 1}, {11, 1}, {1, 6}, {6, 6}, {1, 11}};
        for (int b = 0; b < 6; ++b) QCOMPARE(blockOf(corners[b][0] + 4, corners[b][1] + 4), b + 1);
    }

    // Every pair of items of two categories meets in exactly one cell.
    void everyPairOfItemsMeetsOnce() {
        for (int k = 0; k < kCellCount; ++k) {
            const CellPos p = cellAt(k);
            const CellPair j = cellPair(p.col, p.row);
            QCOMPARE(cellJoining(j.colCategory, j.colItem, j.rowCategory, j.rowItem), k);
            QCOMPARE(cellJoining(j.rowCategory, j.rowItem, j.colCategory, j.colItem), k);
        }
        QCOMPARE(cellJoining(2, 1, 2, 1), -1);
    }

    // A reopened board replays saved values whatever the tool; others leave the cell.
    void replayOfSavedValues() {
        BoardModel m;
        m.resetBoard();
        m.ImgO_Click();
        QCOMPARE(m.clickCell(0, 1, 0), Picture::X);
        QCOMPARE(m.clickCell(1, 1, 1), Picture::O);
        QCOMPARE(m.CurrentTool, kToolO);
        QCOMPARE(m.clickCell(2, 1, 2), Picture::Blank);
        QCOMPARE(m.CurrentTool, kToolX); // a replayed blank hands back to X
        for (const long long odd : {7LL, -1LL}) QCOMPARE(m.clickCell(1, 1, odd), Picture::None);
        QCOMPARE(m.state(1), kStateO);
        m.ImgO_Click();
        QCOMPARE(m.clickCell(4, 2, 0), Picture::O); // any other mode marks with the tool
    }

    void purpleLooksOnlyDownItsBlockColumn() {
        BoardModel m;
        m.resetBoard();
        const auto at = [](const char* name) { return *cellIndexFromName(name); };
        for (const char* o : {"Img0102", "Img0104", "Img0201", "Img0106"})
            m.CellState[std::size_t(at(o))] = kStateO;
        m.CellState[std::size_t(at("Img0103"))] = kStateX;
        const std::vector<int> both{at("Img0102"), at("Img0104")};
        QCOMPARE(purpleColumnOs(m, at("Img0101")), both);
        QCOMPARE(purpleColumnOs(m, at("Img0103")), both);
        QCOMPARE(purpleColumnOs(m, at("Img0102")), std::vector<int>{at("Img0104")});
        QCOMPARE(purpleColumnOs(m, at("Img0108")), std::vector<int>{at("Img0106")});
        QVERIFY(purpleColumnOs(m, at("Img1505")).empty());
    }
};

QTEST_APPLESS_MAIN(TestGrid)
#include "test_grid.moc"
