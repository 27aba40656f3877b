// The board played by keys alone, and read as a screen reader reads it.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "board/grid_keys.h"
#include "catalogue/answers.h"
#include "catalogue/catalogue.h"
#include "chart/frm_fill_in.h"
#include "saves/frm_files.h"
#include "ui/controls.h"

#include <QAccessible>
#include <QtTest>

using namespace zlp;

namespace {

FrmLogic& board() {
    return FrmLogic::get();
}
GridKeys* grid() {
    return board().control<GridKeys>(QStringLiteral("GridCursor"));
}
void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), m);
}
int at(const char* cell) {
    return *cellIndexFromName(std::string("Img") + cell);
}

// Walks the cursor to cell k by arrow keys: up, across, then down, which
// never asks to leave the staircase.
void goTo(int k) {
    const CellPos to = cellAt(k);
    for (CellPos p = cellAt(grid()->cursor()); p.row > to.row; --p.row) key(Qt::Key_Up);
    for (CellPos p = cellAt(grid()->cursor()); p.col != to.col; p.col += p.col < to.col ? 1 : -1)
        key(p.col < to.col ? Qt::Key_Right : Qt::Key_Left);
    for (CellPos p = cellAt(grid()->cursor()); p.row < to.row; ++p.row) key(Qt::Key_Down);
}

QAccessibleInterface* reader(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}
QString nameOf(QObject* o) {
    return reader(o)->text(QAccessible::Name);
}
void press(QObject* o) {
    reader(o)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}
QString chosenTools() {
    QString s;
    for (const char* t : {"ImgX", "ImgO", "ImgErase"})
        s += reader(board().image(QLatin1String(t)))->state().checked ? '1' : '0';
    return s;
}

// A board for puzzle n, shown and active, the focus on Exit; one Tab reaches the grid.
QWidget* openBoardAtGrid(int n) {
    FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
    board().show();
    QWidget* w = board().window();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qFatal("board not active");
    board().control<QWidget>(QStringLiteral("CmdExit"))->setFocus();
    key(Qt::Key_Tab);
    return w;
}

} // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() {
        FrmFiles::release();
        FrmFillIn::release();
        FrmLogic::release();
        FrmMain::release();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void puzzleOneByKeysAlone() {
        QWidget* w = openBoardAtGrid(1);
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(grid()->cursor(), 0);
        // At the staircase's edges the cursor stays put.
        for (const auto& [from, arrow, to] : {std::tuple{"0610", Qt::Key_Down, "0610"},
                                              {"1505", Qt::Key_Right, "1505"},
                                              {"0515", Qt::Key_Right, "0515"},
                                              {"0510", Qt::Key_Right, "0610"}}) {
            goTo(at(from)), key(arrow);
            QCOMPARE(grid()->cursor(), at(to));
        }

        // An X erased again, one wrong O on Img0101, and the 30 answers as O's.
        goTo(at("0102"));
        for (int k : {Qt::Key_Space, Qt::Key_Delete, Qt::Key_Space, Qt::Key_O, Qt::Key_Up}) key(k);
        key(Qt::Key_Space);
        const auto answers = solutionCells(*PuzzleCatalogue::instance().find(1));
        for (int k : answers) goTo(k), key(Qt::Key_Space);
        for (int k = 0; k < kCellCount; ++k) {
            const bool o = k == 0 || std::ranges::count(answers, k);
            QCOMPARE(board().board.state(k), o ? kStateO : kStateBlank);
            QCOMPARE(board().cellShows(k), o ? Picture::O : Picture::Blank);
        }

        // The ring is drawn only while the grid has the focus.
        const QPoint ring = grid()->mapTo(w, QPoint(0, 0));
        QCOMPARE(w->grab().toImage().pixelColor(ring), QColor(255, 128, 0));
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdIntro"));
        QVERIFY(w->grab().toImage().pixelColor(ring) != QColor(255, 128, 0));
        for (int i = 0; i < 4; ++i) key(Qt::Key_Tab);
        key(Qt::Key_Space); // Get the Answers
        for (int k : answers) QCOMPARE(board().cellShows(k), Picture::RedO);
        QCOMPARE(board().cellShows(0), Picture::PurpleO); // column 1's answer is Img0105
        QCOMPARE(reader(board().cell(0))->text(QAccessible::Description),
                 QStringLiteral("wrong O"));

        QVERIFY(grid()->cursor() != 0);
        key(Qt::Key_Tab, Qt::ShiftModifier), key(Qt::Key_Tab, Qt::ShiftModifier);
        key(Qt::Key_Space); // Next: the cursor goes home
        QCOMPARE(FrmMain::get().PuzzleNumber, 2);
        QCOMPARE(grid()->cursor(), 0);
    }

    void screenReaderNamesAndStates() {
        openBoardAtGrid(1);
        QCOMPARE(nameOf(board().cell(0)), QStringLiteral("1st Floor and California: blank"));
        QCOMPARE(nameOf(board().cell(at("1505"))),
                 QStringLiteral("5th Floor and 10:00 a.m.: blank"));
        QCOMPARE(nameOf(board().cell(at("0511"))), QStringLiteral("Nurses and Texas: blank"));
        QCOMPARE(chosenTools(), QStringLiteral("100"));
        QVERIFY(nameOf(board().image(QStringLiteral("ImgTop")))
                    .endsWith(
                        QStringLiteral("Texas, Nurses, Teachers, Writers, Bus Drivers, Chefs, "
                                       "8:00 a.m., 8:30 a.m., 9:00 a.m., 9:30 a.m., 10:00 a.m.")));
        QCOMPARE(nameOf(FrmFillIn::get().control<QWidget>(QStringLiteral("Txt0203"))),
                 QStringLiteral("Room, line 3"));
        QCOMPARE(nameOf(FrmMain::get().control<QWidget>(QStringLiteral("CmdPuz01"))),
                 QStringLiteral("#1 - Conferences"));

        // Keys and the reader's own press action both go through the click operations.
        key(Qt::Key_O);
        QCOMPARE(chosenTools(), QStringLiteral("010"));
        key(Qt::Key_Down), key(Qt::Key_Space);
        QCOMPARE(nameOf(board().cell(1)), QStringLiteral("2nd Floor and California: O"));
        QCOMPARE(nameOf(grid()), nameOf(board().cell(1)));
        press(board().image(QStringLiteral("ImgErase")));
        QCOMPARE(chosenTools(), QStringLiteral("001"));
        press(board().cell(1));
        QCOMPARE(board().board.state(1), kStateBlank);
        QCOMPARE(chosenTools(), QStringLiteral("100"));
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "test_keyboard_play.moc"
