// The grid arithmetic, the tool state machine and the purple marking rule,
// all without a window.
#include "board/board_model.h"
#include "board/grid.h"
#include "catalogue/answers.h"
#include "catalogue/catalogue.h"

#include <QTest>

#include <set>

using namespace zlp;

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void cellsRoundTripThroughIndexAndName() {
        std::set<int> seen;
        for (int c = 1; c <= 15; ++c) {
            for (int r = 1; r <= 15; ++r) {
                const int k = cellIndex(c, r);
                if (k < 0) continue;
                QVERIFY(seen.insert(k).second);
                QCOMPARE(cellAt(k), (CellPos{c, r}));
                QCOMPARE(cellIndexFromName(cellName(k)), std::optional<int>(k));
            }
        }
        QCOMPARE(seen.size(), std::size_t(150));
        QCOMPARE(*seen.begin(), 0);
        QCOMPARE(*seen.rbegin(), 149);
        // Identifier order is column by column.
        for (int k = 1; k < 150; ++k) QVERIFY(cellName(k - 1) < cellName(k));
    }

    void countsPerBand() {
        for (int r = 1; r <= 15; ++r) {
            int n = 0;
            for (int c = 1; c <= 15; ++c) n += isCell(c, r) ? 1 : 0;
            QCOMPARE(n, r <= 5 ? 15 : r <= 10 ? 10 : 5);
        }
    }

    void cellsThatDoNotExist() {
        QVERIFY(!isCell(6, 11));
        QVERIFY(!isCell(11, 6));
        QVERIFY(!isCell(7, 12));
        QVERIFY(!isCell(0, 1));
        QVERIFY(!isCell(1, 16));
        QCOMPARE(cellIndex(6, 11), -1);
        QCOMPARE(cellIndexFromName("Img0611"), std::nullopt);
        QCOMPARE(cellIndexFromName("Img1106"), std::nullopt);
        QCOMPARE(cellIndexFromName("Img01a1"), std::nullopt);
        QCOMPARE(cellIndexFromName("Img010"), std::nullopt);
        QCOMPARE(cellIndexFromName("Pic0101"), std::nullopt);
    }

    void knownIndicesAndJoins() {
        QCOMPARE(cellIndexFromName("Img0309"), std::optional<int>(38));
        QCOMPARE(cellIndexFromName("Img0601"), std::optional<int>(75));
        QCOMPARE(cellIndexFromName("Img1101"), std::optional<int>(125));
        QCOMPARE(cellIndexFromName("Img1505"), std::optional<int>(149));
        QCOMPARE(cellName("SavedCell", 149), std::string("SavedCell1505"));
        QCOMPARE(blockOf(7, 10), 5);
        QCOMPARE(cellPair(7, 10), (CellPair{3, 2, 4, 5}));
        const int blocks[6][2] = {{1, 1}, {6, 1}, {11, 1}, {1, 6}, {6, 6}, {1, 11}};
        for (int b = 0; b < 6; ++b) QCOMPARE(blockOf(blocks[b][0] + 4, blocks[b][1] + 4), b + 1);
    }

    // Every pair of categories meets in exactly one block, at the cell that joins the two items.
    void everyPairOfItemsMeetsOnce() {
        for (int k = 0; k < 150; ++k) {
            const CellPos p = cellAt(k);
            const CellPair j = cellPair(p.col, p.row);
            QCOMPARE(cellJoining(j.colCategory, j.colItem, j.rowCategory, j.rowItem), k);
            QCOMPARE(cellJoining(j.rowCategory, j.rowItem, j.colCategory, j.colItem), k);
        }
        QCOMPARE(cellJoining(2, 1, 2, 1), -1);
    }

    void eraserHandsBackToX() {
        BoardModel m;
        m.resetTool();
        m.resetBoard();
        m.clickCell(0, 0, 0);
        m.ImgErase_Click();
        QCOMPARE(m.borders, (ToolBorders{0, 0, 1}));
        QCOMPARE(m.clickCell(0, 0, 0), Picture::Blank);
        QCOMPARE(m.state(0), kStateBlank);
        QCOMPARE(m.CurrentTool, kToolX);
        QCOMPARE(m.borders, (ToolBorders{1, 0, 0}));
        QCOMPARE(m.EraserRaised, Int16(0));
        QCOMPARE(m.clickCell(1, 0, 0), Picture::X); // the next click marks, not erases
        QCOMPARE(m.state(1), kStateX);
    }

    void eraserTwiceErasesOnce() {
        BoardModel m;
        m.resetTool();
        m.resetBoard();
        m.ImgO_Click();
        m.clickCell(5, 0, 0);
        m.clickCell(6, 0, 0);
        m.ImgErase_Click();
        m.ImgErase_Click();
        QCOMPARE(m.EraserRaised, Int16(1));
        QCOMPARE(m.borders, (ToolBorders{0, 0, 1}));
        QCOMPARE(m.clickCell(5, 0, 0), Picture::Blank);
        QCOMPARE(m.clickCell(6, 0, 0), Picture::X);
        QCOMPARE(m.state(6), kStateX);
    }

    void eraserThenOThenEraser() {
        BoardModel m;
        m.resetTool();
        m.resetBoard();
        m.ImgErase_Click();
        m.ImgO_Click();
        QCOMPARE(m.EraserRaised, Int16(0));
        QCOMPARE(m.borders, (ToolBorders{0, 1, 0}));
        m.ImgErase_Click();
        QCOMPARE(m.borders, (ToolBorders{0, 0, 1}));
        QCOMPARE(m.clickCell(10, 0, 0), Picture::Blank);
    }

    void markingTouchesOnlyItsCell() {
        BoardModel m;
        m.resetTool();
        m.resetBoard();
        m.ImgO_Click();
        for (int k = 0; k < 150; k += 15) {
            const auto before = m.CellState;
            QCOMPARE(m.clickCell(k, 0, 0), Picture::O);
            for (int i = 0; i < 150; ++i)
                if (i != k) QCOMPARE(m.state(i), before[static_cast<std::size_t>(i)]);
        }
        QCOMPARE(m.CurrentTool, kToolO);
    }

    void restoreAppliesSavedValues() {
        BoardModel m;
        m.resetBoard();
        m.ImgO_Click(); // the tool does not matter in restore mode
        QCOMPARE(m.clickCell(0, 1, 0), Picture::X);
        QCOMPARE(m.clickCell(1, 1, 1), Picture::O);
        QCOMPARE(m.CurrentTool, kToolO);
        QCOMPARE(m.clickCell(2, 1, 2), Picture::Blank);
        QCOMPARE(m.CurrentTool, kToolX); // a restored blank resets the tool
        m.CellState[3] = kStateO;
        QCOMPARE(m.clickCell(3, 1, 7), Picture::None);
        QCOMPARE(m.state(3), kStateO);
        QCOMPARE(m.clickCell(3, 1, -1), Picture::None);
        // Any FileMode but 1 marks with the tool.
        m.ImgO_Click();
        QCOMPARE(m.clickCell(4, 2, 0), Picture::O);
    }

    void purpleColumnLooksOnlyDownItsBlockColumn() {
        BoardModel m;
        m.resetBoard();
        const auto at = [](const char* name) { return *cellIndexFromName(name); };
        m.CellState[static_cast<std::size_t>(at("Img0102"))] = kStateO;
        m.CellState[static_cast<std::size_t>(at("Img0104"))] = kStateO;
        m.CellState[static_cast<std::size_t>(at("Img0103"))] = kStateX;
        m.CellState[static_cast<std::size_t>(at("Img0201"))] = kStateO;
        m.CellState[static_cast<std::size_t>(at("Img0106"))] = kStateO; // next block down
        QCOMPARE(purpleColumnOs(m, at("Img0101")),
                 (std::vector<int>{at("Img0102"), at("Img0104")}));
        QCOMPARE(purpleColumnOs(m, at("Img0103")),
                 (std::vector<int>{at("Img0102"), at("Img0104")}));
        QCOMPARE(purpleColumnOs(m, at("Img0108")), (std::vector<int>{at("Img0106")}));
        QVERIFY(purpleColumnOs(m, at("Img1505")).empty());
    }

    void puzzleOneSolutionCells() {
        const char* expected[30] = {
            "Img0105", "Img0110", "Img0115", "Img0204", "Img0207", "Img0213", "Img0301", "Img0308",
            "Img0312", "Img0402", "Img0406", "Img0414", "Img0503", "Img0509", "Img0511", "Img0603",
            "Img0609", "Img0701", "Img0708", "Img0804", "Img0807", "Img0902", "Img0906", "Img1005",
            "Img1010", "Img1102", "Img1204", "Img1301", "Img1403", "Img1505"};
        const auto cells = solutionCells(*PuzzleCatalogue::instance().find(1));
        for (int i = 0; i < 30; ++i)
            QCOMPARE(QString::fromStdString(cellName(cells[i])), QString(expected[i]));
    }
};

QTEST_APPLESS_MAIN(TestGrid)
#include "test_grid.moc"
