// The board played by keys alone, and read as a screen reader reads it.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "board/grid_keys.h"
#include "catalogue/answers.h"
#include "catalogue/catalogue.h"
#include "help/frm_logic_intro.h"
#include "saves/frm_files.h"
#include "ui/controls.h"

#include <QAccessible>
#include <QLabel>
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

// Walks the cursor to cell k by arrow keys: up first, then across, then down,
// which never asks to leave the staircase.
void goTo(int k) {
    const CellPos to = cellAt(k);
    for (CellPos at = cellAt(grid()->cursor()); at.row > to.row; --at.row) key(Qt::Key_Up);
    for (CellPos at = cellAt(grid()->cursor()); at.col != to.col;
         at.col += at.col < to.col ? 1 : -1)
        key(at.col < to.col ? Qt::Key_Right : Qt::Key_Left);
    for (CellPos at = cellAt(grid()->cursor()); at.row < to.row; ++at.row) key(Qt::Key_Down);
}

// "X", "O", "E" press that key; "0101" and so on walk there and press Space.
void playKeys(const QString& script) {
    for (const QString& s : script.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (s.size() == 1)
            key(s == QLatin1String("E")   ? Qt::Key_E
                : s == QLatin1String("O") ? Qt::Key_O
                                          : Qt::Key_X);
        else
            goTo(*cellIndexFromName((QStringLiteral("Img") + s).toStdString())), key(Qt::Key_Space);
    }
}

QAccessibleInterface* reader(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}
QString nameOf(QObject* o) {
    return reader(o)->text(QAccessible::Name);
}
QString chosenTools() {
    QString s;
    for (const char* t : {"ImgX", "ImgO", "ImgErase"})
        s += reader(board().image(QLatin1String(t)))->state().checked ? '1' : '0';
    return s;
}

// A board for puzzle n, shown, active, with the focus on its Exit button.
QWidget* openBoard(int n) {
    FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
    board().show();
    QWidget* w = board().window();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qFatal("board not active");
    board().control<QWidget>(QStringLiteral("CmdExit"))->setFocus();
    return w;
}

} // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() {
        FrmFiles::release();
        FrmLogic::release();
        FrmMain::release();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void puzzleOneByKeysAlone() {
        QWidget* w = openBoard(1);
        key(Qt::Key_Tab); // the grid is the stop after Exit
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(grid()->cursor(), 0);

        // All 30 answers as O's, one wrong O under an answer, an X erased again.
        const std::array<int, 30> answers = solutionCells(*PuzzleCatalogue::instance().find(1));
        QString script = QStringLiteral("0102,E,0102,O");
        for (int k : answers)
            script += QLatin1Char(',') + QString::fromStdString(cellName(k)).mid(3);
        playKeys(script + QStringLiteral(",0101"));
        for (int k = 0; k < kCellCount; ++k) {
            const bool o = std::ranges::count(answers, k) || k == 0;
            QCOMPARE(board().board.state(k), o ? kStateO : kStateBlank);
            QCOMPARE(board().cellShows(k), o ? Picture::O : Picture::Blank);
        }

        // The ring is drawn over the cursor's cell only while the grid has the focus.
        const QPoint ring = grid()->mapTo(w, QPoint(0, 0));
        QCOMPARE(w->grab().toImage().pixelColor(ring), QColor(255, 128, 0));
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdIntro"));
        QVERIFY(w->grab().toImage().pixelColor(ring) != QColor(255, 128, 0));
        for (int i = 0; i < 4; ++i) key(Qt::Key_Tab);
        key(Qt::Key_Space); // Get the Answers
        for (int k : answers) QCOMPARE(board().cellShows(k), Picture::RedO);
        QCOMPARE(board().cellShows(0), Picture::PurpleO); // column 1's answer is Img0105

        key(Qt::Key_Tab, Qt::ShiftModifier);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        key(Qt::Key_Space); // Next: the cursor goes home
        QCOMPARE(FrmMain::get().PuzzleNumber, 2);
        QCOMPARE(grid()->cursor(), 0);
    }

    void cursorStaysInsideStaircase_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QString>("to");
        QTest::newRow("top left, up") << "0101" << int(Qt::Key_Up) << "0101";
        QTest::newRow("top left, left") << "0101" << int(Qt::Key_Left) << "0101";
        QTest::newRow("middle band foot") << "0610" << int(Qt::Key_Down) << "0610";
        QTest::newRow("top band foot") << "1105" << int(Qt::Key_Down) << "1105";
        QTest::newRow("right edge") << "1505" << int(Qt::Key_Right) << "1505";
        QTest::newRow("bottom band edge") << "0515" << int(Qt::Key_Right) << "0515";
        QTest::newRow("into middle band") << "0510" << int(Qt::Key_Right) << "0610";
        QTest::newRow("bottom") << "0114" << int(Qt::Key_Down) << "0115";
    }
    void cursorStaysInsideStaircase() {
        QFETCH(QString, from);
        QFETCH(int, arrow);
        QFETCH(QString, to);
        openBoard(1);
        key(Qt::Key_Tab);
        goTo(*cellIndexFromName(("Img" + from).toStdString()));
        key(arrow);
        QCOMPARE(QString::fromStdString(cellName(grid()->cursor())), "Img" + to);
    }

    void screenReaderNamesAndStates() {
        openBoard(1);
        QCOMPARE(nameOf(board().cell(0)), QStringLiteral("1st Floor and California: blank"));
        QCOMPARE(nameOf(board().cell(cellIndex(15, 5))),
                 QStringLiteral("5th Floor and 10:00 a.m.: blank"));
        QCOMPARE(chosenTools(), QStringLiteral("100"));
        QCOMPARE(reader(board().image(QStringLiteral("ImgErase")))->role(),
                 QAccessible::RadioButton);
        QVERIFY(nameOf(board().image(QStringLiteral("ImgTop")))
                    .endsWith(QStringLiteral(
                        "Texas, Nurses, Teachers, Writers, Bus Drivers, Chefs, 8:00 a.m., "
                        "8:30 a.m., 9:00 a.m., 9:30 a.m., 10:00 a.m.")));
        auto* clues = board().control<QLabel>(QStringLiteral("LblClues"));
        QCOMPARE(nameOf(clues), clues->text());
        auto* intro = FrmLogicIntro::get().control<QLabel>(QStringLiteral("Label1"));
        QVERIFY(intro->text().contains(QStringLiteral("lakeside hotel")));
        QCOMPARE(nameOf(intro), intro->text());
        FrmLogicIntro::release();
        QCOMPARE(nameOf(FrmMain::get().control<QWidget>(QStringLiteral("CmdPuz01"))),
                 QStringLiteral("#1 - Conferences"));

        // Keys and the reader's own press action both mark through the click operations.
        key(Qt::Key_Tab);
        key(Qt::Key_O);
        QCOMPARE(chosenTools(), QStringLiteral("010"));
        key(Qt::Key_Down);
        key(Qt::Key_Space);
        QCOMPARE(nameOf(board().cell(1)), QStringLiteral("2nd Floor and California: O"));
        QCOMPARE(nameOf(grid()), nameOf(board().cell(1)));
        reader(board().image(QStringLiteral("ImgErase")))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        reader(board().cell(1))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(board().board.state(1), kStateBlank);
        QCOMPARE(chosenTools(), QStringLiteral("100"));
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "test_keyboard_play.moc"
