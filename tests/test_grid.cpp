// SPDX-License-Identifier: GPL-3.0-or-later
// The grid arithmetic without a window: cell numbering, names, blocks and joins.
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
        for (const char* bad : {"Img0611", "Img1106", "Img01a1", "Img0:01", "Img010", "Pic0101"})
            QCOMPARE(cellIndexFromName(bad), std::nullopt);
        const int corners[6][2] = {{1, 1}, {6, 1}, {11, 1}, {1, 6}, {6, 6}, {1, 11}};
        for (int b = 0; b < 6; ++b) // a block runs from its corner four cells on
            for (int d : {0, 4}) QCOMPARE(blockOf(corners[b][0] + d, corners[b][1] + d), b + 1);
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
};

QTEST_APPLESS_MAIN(TestGrid)
#include "test_grid.moc"
