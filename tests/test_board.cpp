// SPDX-License-Identifier: GPL-3.0-or-later
// The board through its controls: tools, cells, set-up, answers, commands, layout, pictures.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "saves_driver.h"
#include "ui/controls.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zlp;
using zlp::test::click;
using zlp::test::MessageBoxes;

namespace {

FrmLogic& board() {
    return FrmLogic::get();
}

int indexOf(const QString& name) {
    return *cellIndexFromName(QStringLiteral("Img%1").arg(name).toStdString());
}

// Shows the board for puzzle n without blocking, as a test can look at it.
void openBoard(int n) {
    FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
    board().show();
}

// Plays a run of clicks: "X", "O", "E" for the tools, "0101" and so on for the cells.
void play(const QString& clicks) {
    static const QMap<QString, QString> tools{{"X", "ImgX"}, {"O", "ImgO"}, {"E", "ImgErase"}};
    for (const QString& c : clicks.split(QLatin1Char(','), Qt::SkipEmptyParts))
        QTest::mouseClick(tools.contains(c) ? board().image(tools[c]) : board().cell(indexOf(c)),
                          Qt::LeftButton);
}

Picture pictureFor(Int16 state) {
    return state == kStateX ? Picture::X : state == kStateO ? Picture::O : Picture::Blank;
}

// Tool borders as shown: appearance of ImgX, ImgO and ImgErase.
QString shownBorders() {
    QString out;
    for (const char* tool : {"ImgX", "ImgO", "ImgErase"})
        out += QString::number(board().image(QLatin1String(tool))->appearance());
    return out;
}

// Blank board with the X tool, as every set-up leaves it.
void expectFreshBoard() {
    for (int k = 0; k < kCellCount; ++k) QCOMPARE(board().board.state(k), kStateBlank);
    QCOMPARE(board().board.CurrentTool, kToolX);
    QCOMPARE(shownBorders(), QStringLiteral("100"));
    QCOMPARE(FrmFiles::get().FileMode, Int16(0));
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT

    QString home_;

private slots:
    void initTestCase() {
        prepareApplication();
        home_ = QDir::currentPath();
    }

    void cleanup() {
        QDir::setCurrent(home_);
        QCOMPARE(test::releaseAll(), 0);
    }

    // A board left marked, with the O tool, comes back blank with the X tool.
    void setUpLaysPuzzleOne() {
        openBoard(1);
        play("0101,O,0305,1505");
        board().window()->move(200, 100);
        FrmFiles::get().FileMode = 2;
        board().SetUpPuzzle();
        expectFreshBoard();
        QCOMPARE(board().window()->pos(), QPoint(0, 0));
    }

    void toolsAndCells_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("expected"); // cell=state pairs
        QTest::addColumn<QString>("toolAndBorders");
        const char* rows[][4] = {
            {"O stays on", "O,0101,0105,1505", "0101=1,0105=1,1505=1", "2010"},
            {"erase then X", "O,0101,0102,X,E,0101,0102", "0101=2,0102=0", "1100"},
            {"eraser twice, one erase", "O,0101,0102,E,E,0101,0102", "0101=2,0102=0", "1100"},
            {"eraser, O, eraser", "0101,E,O,E", "0101=0", "3001"},
            {"eraser, O, eraser, cell", "0101,E,O,E,0101", "0101=2", "1100"},
            {"O over X, X over O", "0101,0709,O,0101,0709,X,0709", "0101=1,0709=0", "1100"},
            {"erasing a blank cell", "E,1505,0101", "1505=2,0101=0", "1100"}};
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3];
    }
    void toolsAndCells() {
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        QFETCH(QString, toolAndBorders);
        openBoard(1);
        play(clicks);
        std::array<Int16, kCellCount> want{};
        want.fill(kStateBlank);
        for (const QString& pair : expected.split(QLatin1Char(',')))
            want[std::size_t(indexOf(pair.section('=', 0, 0)))] =
                Int16(pair.section('=', 1).toInt());
        for (int k = 0; k < kCellCount; ++k) {
            QCOMPARE(board().board.state(k), want[std::size_t(k)]);
            QCOMPARE(board().cellShows(k), pictureFor(want[std::size_t(k)]));
        }
        QCOMPARE(QString::number(board().board.CurrentTool) + shownBorders(), toolAndBorders);
    }

    // The commands show their windows modally over the board; Exit ends the chooser's mode.
    // With no room below the board or beside it, the side windows stand at the screen's edge.
    void commands() {
        openBoard(1);
        const QRect screen = board().window()->screen()->availableGeometry();
        board().window()->move(0, screen.bottom() + 1 - board().window()->frameGeometry().height());
        for (const auto& [button, window] : {std::pair{"CmdIntro", "FrmLogicIntro"},
                                             {"CmdShowFillIn", "FrmFillIn"},
                                             {"CmdSave", "FrmFiles"}}) {
            int modeSeen = -1, right = -1;
            test::whenModal(QLatin1String(window), [&](QWidget* w) {
                modeSeen =
                    w->isModal() && board().window()->isVisible() ? FrmFiles::get().FileMode : -2;
                right = w->frameGeometry().right();
                ui::FormBase::byName(QLatin1String(window))->unload();
            });
            click(board(), QLatin1String(button));
            QCOMPARE(modeSeen, QLatin1String(button) == "CmdSave" ? 2 : 0);
            QCOMPARE(right == screen.right(), QLatin1String(button) != "CmdSave");
        }
        play("O,0101"); // the chooser's save mode does not replay: the tool marks
        QCOMPARE(board().board.state(0), kStateO);
        click(board(), "CmdExit");
        QVERIFY(!board().isLoaded());
        QCOMPARE(FrmFiles::get().FileMode, Int16(0));
    }

    // Next up to 25 starts afresh; on 25, Next closes the board with the menu at 1, Exit at 25.
    void nextAndExitAtTheEnds() {
        for (const auto& [from, button, after] :
             {std::tuple{24, "CmdNext", 25}, {25, "CmdNext", -1}, {25, "CmdExit", -25}}) {
            board().unload();
            openBoard(from);
            play("O,0101");
            click(board(), QLatin1String(button));
            QCOMPARE(board().isLoaded(), after > 0);
            QCOMPARE(int(FrmMain::get().PuzzleNumber), std::abs(after));
            if (after > 0) expectFreshBoard();
        }
    }

    // Red O's on the 30 solution cells, the player's wrong O's purple, nothing else changes;
    // with an O on every cell, every block column turns purple but for its answer.
    void answersOnPuzzleOne_data() {
        QTest::addColumn<QString>("clicks");
        QTest::newRow("mixed") << "0101,0115,1505,O,0102,0104,0110,0909,0301,E";
        QStringList every{"O"};
        for (int k = 0; k < kCellCount; ++k) every << QString::fromStdString(cellName(k)).mid(3);
        QTest::newRow("every cell O") << (every << "E").join(',');
    }
    void answersOnPuzzleOne() {
        QFETCH(QString, clicks);
        const QStringList solution{"0105", "0110", "0115", "0204", "0207", "0213", "0301", "0308",
                                   "0312", "0402", "0406", "0414", "0503", "0509", "0511", "0603",
                                   "0609", "0701", "0708", "0804", "0807", "0902", "0906", "1005",
                                   "1010", "1102", "1204", "1301", "1403", "1505"};
        openBoard(1);
        play(clicks);
        const auto states = board().board.CellState;
        click(board(), "CmdAnswer");
        QVERIFY(board().board.CellState == states);
        QCOMPARE(shownBorders(), QStringLiteral("001"));
        for (int k = 0; k < kCellCount; ++k) {
            const QString name = QString::fromStdString(cellName(k)).mid(3);
            const Int16 s = board().board.state(k);
            const Picture want = solution.contains(name) ? Picture::RedO
                                 : s == kStateO          ? Picture::PurpleO
                                                         : pictureFor(s);
            QVERIFY2(board().cellShows(k) == want, qPrintable(name));
        }
    }

    // The lines lie over the cells (as test_golden shows), but a click on one reaches the cell.
    void clicksReachTheCellsUnderTheLines() {
        openBoard(1);
        QWidget* frame = board().control<QWidget>("Frame1");
        QCOMPARE(frame->childAt(72, 80), board().cell(0));
        QCOMPARE(frame->childAt(96, 90), board().cell(indexOf("0201")));
    }

    // Reopening: the board loads with FileMode 1 and replays the saved values (those
    // outside 0 to 2 in test_save_faults); the next set-up blanks the grid again.
    void replayWhenTheBoardLoads() {
        FrmFiles& files = FrmFiles::get();
        files.SavedCell.fill(0);
        files.SavedCell[1] = 2;
        files.SavedCell[75] = 1;
        files.FileMode = 1;
        openBoard(5);
        for (int k = 0; k < kCellCount; ++k) {
            const Int16 want = k == 1 ? kStateBlank : k == 75 ? kStateO : kStateX;
            QCOMPARE(board().board.state(k), want);
            QCOMPARE(board().cellShows(k), pictureFor(want));
        }
        click(board(), "CmdNext");
        expectFreshBoard();
    }

    // Without the pictures every step still runs; once per set-up, after it, all missing are told.
    void missingPictures() {
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        MessageBoxes boxes;
        FrmFiles::get().SavedCell.fill(2);
        FrmFiles::get().FileMode = 1; // reopening a blank board reads the blank file 150 times
        openBoard(1);
        QCOMPARE(boxes.texts.size(), 1); // which files it names is in test_golden
        QVERIFY(board().image("ImgTop")->picture().isNull());
        expectFreshBoard();
        QCOMPARE(board().cellShows(0), Picture::None);
        play("0101,E,0101,0102"); // already told
        QTest::qWait(30);
        QCOMPARE(boxes.texts.size(), 1);
        click(board(), "CmdNext");
        QCOMPARE(boxes.texts.size(), 2);
        QCOMPARE(boxes.texts[1], // the others were told already in this run
                 "Zentara's Logic Problems - Picture Missing\nThis picture file is missing or "
                 "cannot be read:\n\nZLP-Images\\Puz02.gif");
    }

    void pictureNamesDifferingInCase() {
        QTemporaryDir dir;
        const QString images = dir.filePath(QStringLiteral("zlp-images"));
        QVERIFY(QDir().mkpath(images));
        for (const auto& [from, to] : {std::pair{"Puz01.gif", "puz01.GIF"},
                                       {"blank.gif", "Blank.gif"},
                                       {"magglass.gif", "MAGGLASS.GIF"}})
            QVERIFY(QFile::copy(home_ + "/ZLP-Images/" + from, images + '/' + to));
        QVERIFY(QDir::setCurrent(dir.path()));
        MessageBoxes boxes;
        openBoard(1);
        QVERIFY(boxes.texts.isEmpty() && !board().image("ImgTop")->picture().isNull());
        QCOMPARE(board().cellShows(0), Picture::Blank);
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
