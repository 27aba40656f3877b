// SPDX-License-Identifier: GPL-3.0-or-later
// The board played by keys alone, and read as a screen reader reads it.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "board/grid_keys.h"
#include "catalogue/answers.h"
#include "catalogue/catalogue.h"
#include "modal_driver.h"
#include "ui/controls.h"

#include <QAccessible>
#include <QtTest>

using namespace zlp;

class TestKeyboardPlay : public QObject {
    Q_OBJECT

    static FrmLogic& board() { return FrmLogic::get(); }
    static GridKeys* grid() { return board().control<GridKeys>(QStringLiteral("GridCursor")); }
    static int at(const char* cell) { return *cellIndexFromName(std::string("Img") + cell); }
    static auto* reader(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
    static QString nameOf(QObject* o) { return reader(o)->text(QAccessible::Name); }
    static void key(int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); }
    // Arrow keys to cell k: up, across, then down, never leaving the staircase.
    static void goTo(int k) {
        const CellPos to = cellAt(k);
        const auto now = [] { return cellAt(grid()->cursor()); };
        for (int n = 0; n < 16 && now().row > to.row; ++n) key(Qt::Key_Up);
        for (int n = 0; n < 16 && now().col != to.col; ++n)
            key(now().col < to.col ? Qt::Key_Right : Qt::Key_Left);
        for (int n = 0; n < 16 && now().row < to.row; ++n) key(Qt::Key_Down);
    }
    static bool chosen(const char* tool) { return reader(board().image(tool))->state().checked; }

private slots:
    void initTestCase() { prepareApplication(); }
    // Puzzle 1's board, active, the focus on the grid: one Tab after Exit.
    void init() {
        FrmMain::get().PuzzleNumber = 1;
        board().show();
        board().window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board().window()));
        board().control<QWidget>(QStringLiteral("CmdExit"))->setFocus();
        key(Qt::Key_Tab);
    }
    void cleanup() { QCOMPARE(test::releaseAll(), 0); }

    void puzzleOneByKeysAlone() {
        // At the staircase's edges the cursor stays put.
        for (const auto& [from, arrow, to] : {std::tuple{"0610", Qt::Key_Down, "0610"},
                                              {"1505", Qt::Key_Right, "1505"},
                                              {"0515", Qt::Key_Right, "0515"},
                                              {"0510", Qt::Key_Right, "0610"}}) {
            goTo(at(from)), key(arrow);
            QCOMPARE(grid()->cursor(), at(to));
        }
        // An X erased again, a wrong O on Img0101, then the answers as O's.
        goTo(at("0102"));
        for (int k :
             {Qt::Key_Space, Qt::Key_Delete, Qt::Key_Space, Qt::Key_O, Qt::Key_Up, Qt::Key_Space})
            key(k);
        const auto answers = solutionCells(*PuzzleCatalogue::instance().find(1));
        for (int k : answers) goTo(k), key(Qt::Key_Space);
        for (int k = 0; k < kCellCount; ++k)
            QCOMPARE(board().cellShows(k),
                     k == 0 || std::ranges::count(answers, k) ? Picture::O : Picture::Blank);

        for (int i = 0; i < 5; ++i) key(Qt::Key_Tab);
        key(Qt::Key_Space); // Get the Answers
        QCOMPARE(reader(board().cell(0))->text(QAccessible::Description),
                 QStringLiteral("wrong O"));
        QVERIFY(nameOf(grid()).endsWith(QStringLiteral(": O. Answer, your O is right")));
        key(Qt::Key_Backtab), key(Qt::Key_Backtab);
        key(Qt::Key_Space); // Next: puzzle 2, the cursor home
        QCOMPARE(grid()->cursor(), 0);
    }

    // The names read of a fresh board are in test_golden; here how they follow play.
    void screenReaderNamesAndStates() {
        // Keys and the reader's own press action both go through the click operations.
        QVERIFY(chosen("ImgX") && !chosen("ImgO") && !chosen("ImgErase"));
        key(Qt::Key_O), key(Qt::Key_X), key(Qt::Key_Down), key(Qt::Key_Space);
        QCOMPARE(nameOf(grid()), QStringLiteral("2nd Floor and California: X"));
        for (QObject* o : {static_cast<QObject*>(board().image(QStringLiteral("ImgErase"))),
                           static_cast<QObject*>(board().cell(1))})
            reader(o)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(board().board.state(1), kStateBlank);
        QVERIFY(chosen("ImgX") && !chosen("ImgO") && !chosen("ImgErase"));
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "test_keyboard_play.moc"
