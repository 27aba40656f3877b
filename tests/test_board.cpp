// The puzzle board driven through its controls: tools and cell clicks, the
// puzzle set-up, the answers, the commands, the layout, and missing pictures.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "catalogue/catalogue.h"
#include "chart/frm_fill_in.h"
#include "help/frm_logic_intro.h"
#include "modal_driver.h"
#include "saves/frm_files.h"
#include "ui/controls.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace zlp;
using zlp::ui::ImageControl;

namespace {

FrmLogic& board() {
    return FrmLogic::get();
}

int indexOf(const QString& cellName) {
    const auto k = cellIndexFromName(cellName.toStdString());
    if (!k) qFatal("no cell %s", qPrintable(cellName));
    return *k;
}

template <class T = QWidget> T* ctl(const QString& name) {
    T* w = board().control<T>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}
void click(const QString& name) {
    click(ctl(name));
}

// Shows the board for puzzle n without blocking, as a test can look at it.
void openBoard(int n) {
    FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
    board().show();
}

// Plays a comma-separated run of clicks: "X", "O", "E" for the tool images,
// "0101" and so on for the cells.
void play(const QString& clicks) {
    for (const QString& c : clicks.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (c == QLatin1String("X"))
            click(QStringLiteral("ImgX"));
        else if (c == QLatin1String("O"))
            click(QStringLiteral("ImgO"));
        else if (c == QLatin1String("E"))
            click(QStringLiteral("ImgErase"));
        else
            click(board().cell(indexOf(QStringLiteral("Img") + c)));
    }
}

Picture pictureFor(Int16 state) {
    return state == kStateX ? Picture::X : state == kStateO ? Picture::O : Picture::Blank;
}

// Tool borders as shown: appearance of ImgX, ImgO and ImgErase.
QString shownBorders() {
    return QString::number(board().image(QStringLiteral("ImgX"))->appearance()) +
           QString::number(board().image(QStringLiteral("ImgO"))->appearance()) +
           QString::number(board().image(QStringLiteral("ImgErase"))->appearance());
}

struct Snapshot {
    std::array<Int16, kCellCount> states;
    std::array<qint64, kCellCount> pictures;
    Int16 tool, raised;
    QString borders;
};
Snapshot snapshot() {
    Snapshot s{board().board.CellState,
               {},
               board().board.CurrentTool,
               board().board.EraserRaised,
               shownBorders()};
    for (int k = 0; k < kCellCount; ++k)
        s.pictures[static_cast<std::size_t>(k)] = board().cell(k)->picture().cacheKey();
    return s;
}

// Answers every message box shown while it lives with OK, keeping what each said.
class MessageBoxes {
public:
    MessageBoxes() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!b || !b->isVisible()) return;
            titles << b->windowTitle();
            texts << b->text();
            icons << b->icon();
            buttons << b->standardButtons();
            b->button(QMessageBox::Ok)->click();
        });
        timer_.start(5);
    }
    qsizetype count() const { return texts.size(); }

    QStringList titles, texts;
    QList<QMessageBox::Icon> icons;
    QList<QMessageBox::StandardButtons> buttons;

private:
    QTimer timer_;
};

} // namespace

class TestBoard : public QObject {
    Q_OBJECT

    QString home_;

private slots:
    void initTestCase() {
        prepareApplication();
        home_ = QDir::currentPath();
        QVERIFY2(QFile::exists(QStringLiteral("ZLP-Images/blank.gif")),
                 "run from the folder that holds ZLP-Images");
    }

    void cleanup() {
        QDir::setCurrent(home_);
        FrmFillIn::release();
        FrmLogicIntro::release();
        FrmFiles::release();
        FrmLogic::release();
        FrmMain::release();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::missedModals(), 0);
    }

    void setUpLaysPuzzleOne() {
        // A board left marked, with the O tool, must come back blank with the X tool.
        MessageBoxes boxes;
        openBoard(1);
        play(QStringLiteral("0101,O,0305,1505"));
        board().window()->move(200, 100);
        FrmFiles::get().FileMode = 2;
        board().SetUpPuzzle();

        const PuzzleRecord& r = *PuzzleCatalogue::instance().find(1);
        QCOMPARE(board().caption(), QStringLiteral("Zentara's Logic Problems - #1 - Conferences"));
        QCOMPARE(ctl<QPushButton>(QStringLiteral("CmdIntro"))->text(),
                 QStringLiteral("Problem #1 &Intro"));
        const QStringList sides{"1st Floor", "2nd Floor", "3rd Floor", "4th Floor",   "5th Floor",
                                "8:00 a.m.", "8:30 a.m.", "9:00 a.m.", "9:30 a.m.",   "10:00 a.m.",
                                "Nurses",    "Teachers",  "Writers",   "Bus Drivers", "Chefs"};
        for (int i = 0; i < 15; ++i)
            QCOMPARE(
                ctl<QLabel>(QStringLiteral("LblS%1").arg(i + 1, 2, 10, QLatin1Char('0')))->text(),
                sides[i]);
        // The clues keep their own line breaks, and every line fits the label.
        auto* clues = ctl<QLabel>(QStringLiteral("LblClues"));
        QCOMPARE(clues->text(), ui::labelText(QString::fromStdString(r.ClueText))
                                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(!clues->wordWrap());
        const QFontMetrics fm(clues->font());
        for (const QString& line : clues->text().split(QLatin1Char('\n')))
            QVERIFY2(fm.horizontalAdvance(line) <= clues->contentsRect().width(), qPrintable(line));
        QVERIFY(fm.lineSpacing() * 27 <= clues->contentsRect().height());
        const QImage heading(QStringLiteral("ZLP-Images/Puz01.gif"));
        QCOMPARE(board()
                     .image(QStringLiteral("ImgTop"))
                     ->picture()
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32),
                 heading.convertToFormat(QImage::Format_ARGB32));
        QVERIFY(!board().image(QStringLiteral("ImgMag"))->picture().isNull());

        // One blank picture, read once and shared by all 150 cells.
        const qint64 blank = board().cell(0)->picture().cacheKey();
        for (int k = 0; k < kCellCount; ++k) {
            QCOMPARE(board().board.state(k), kStateBlank);
            QCOMPARE(board().cell(k)->picture().cacheKey(), blank);
            QCOMPARE(board().cellShows(k), Picture::Blank);
            QCOMPARE(board().cell(k)->size(), QSize(23, 23));
        }
        QCOMPARE(board().board.CurrentTool, kToolX);
        QCOMPARE(board().board.EraserRaised, Int16(0));
        QCOMPARE(shownBorders(), QStringLiteral("100"));
        QCOMPARE(FrmFiles::get().FileMode, Int16(0));
        QCOMPARE(board().window()->pos(), QPoint(0, 0));
        QCOMPARE(boxes.count(), 0);
    }

    void toolsAndCells_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("expected"); // cell=state pairs
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("raised");
        QTest::addColumn<QString>("borders");

        QTest::newRow("erase then X") << "O,0101,0102,X,E,0101,0102"
                                      << "0101=2,0102=0" << 1 << 0 << "100";
        QTest::newRow("eraser twice, one erase") << "O,0101,0102,E,E,0101,0102"
                                                 << "0101=2,0102=0" << 1 << 0 << "100";
        QTest::newRow("eraser, O, eraser: next click erases") << "0101,E,O,E"
                                                              << "0101=0" << 3 << 1 << "001";
        QTest::newRow("eraser, O, eraser, cell") << "0101,E,O,E,0101"
                                                 << "0101=2" << 1 << 0 << "100";
        QTest::newRow("O over X, X over O") << "0101,0709,O,0101,0709,X,0709"
                                            << "0101=1,0709=0" << 1 << 0 << "100";
        QTest::newRow("erasing a blank cell") << "E,1505,0101"
                                              << "1505=2,0101=0" << 1 << 0 << "100";
    }
    void toolsAndCells() {
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        QFETCH(int, tool);
        QFETCH(int, raised);
        QFETCH(QString, borders);
        openBoard(1);
        const Snapshot before = snapshot();
        play(clicks);

        std::array<Int16, kCellCount> want = before.states;
        for (const QString& pair : expected.split(QLatin1Char(','))) {
            const QStringList kv = pair.split(QLatin1Char('='));
            want[static_cast<std::size_t>(indexOf(QStringLiteral("Img") + kv[0]))] =
                static_cast<Int16>(kv[1].toInt());
        }
        for (int k = 0; k < kCellCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            QCOMPARE(board().board.state(k), want[i]);
            QCOMPARE(board().cellShows(k), pictureFor(want[i]));
            // Cells the run never touched keep the very picture they had.
            if (!clicks.contains(QString::fromStdString(cellName(k)).mid(3)))
                QCOMPARE(board().cell(k)->picture().cacheKey(), before.pictures[i]);
        }
        QCOMPARE(int(board().board.CurrentTool), tool);
        QCOMPARE(int(board().board.EraserRaised), raised);
        QCOMPARE(shownBorders(), borders);
    }

    void oToolStaysOnTenCells() {
        openBoard(1);
        const Snapshot before = snapshot();
        const QStringList ten{"0101", "0105", "0111", "0303", "0508",
                              "0601", "0710", "1002", "1103", "1505"};
        play(QStringLiteral("O,") + ten.join(QLatin1Char(',')));
        for (int k = 0; k < kCellCount; ++k) {
            const bool marked = ten.contains(QString::fromStdString(cellName(k)).mid(3));
            QCOMPARE(board().board.state(k), marked ? kStateO : kStateBlank);
            QCOMPARE(board().cellShows(k), marked ? Picture::O : Picture::Blank);
            if (!marked)
                QCOMPARE(board().cell(k)->picture().cacheKey(),
                         before.pictures[static_cast<std::size_t>(k)]);
        }
        QCOMPARE(board().board.CurrentTool, kToolO);
        QCOMPARE(shownBorders(), QStringLiteral("010"));
    }

    void nextThroughTheLastPuzzle() {
        FrmFillIn::get().load();
        QPointer<QWidget> first;
        QString captionOn25, introOn25;
        bool blankOn25 = false, fillInGone = false, sameWindow = false;
        test::whenModal(QStringLiteral("FrmLogic"), [&](QWidget* w) {
            first = w;
            play(QStringLiteral("0101,O,0202"));
            click(QStringLiteral("CmdNext"));
            sameWindow = board().isLoaded() && board().window() == first && w->isVisible();
            fillInGone = !FrmFillIn::get().isLoaded();
            captionOn25 = board().caption();
            introOn25 = ctl<QPushButton>(QStringLiteral("CmdIntro"))->text();
            blankOn25 =
                board().board.state(0) == kStateBlank && board().board.state(16) == kStateBlank &&
                board().board.CurrentTool == kToolX && board().cellShows(0) == Picture::Blank;
            click(QStringLiteral("CmdNext"));
        });
        FrmMain::get().CmdPuz_Click(24);
        QVERIFY(first);
        QVERIFY(sameWindow);
        QVERIFY(fillInGone);
        QCOMPARE(captionOn25,
                 QStringLiteral("Zentara's Logic Problems - #25 - Affluent Neighbors"));
        QCOMPARE(introOn25, QStringLiteral("Problem #25 &Intro"));
        QVERIFY(blankOn25);
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(1));
        QVERIFY(!board().isLoaded());
    }

    void leavingTheBoard_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit button") << false;
        QTest::newRow("window close box") << true;
    }
    void leavingTheBoard() {
        QFETCH(bool, closeBox);
        test::whenModal(QStringLiteral("FrmLogic"), [closeBox](QWidget* w) {
            FrmFillIn::get().load();
            FrmFiles::get().FileMode = 2; // the chooser was left in save mode
            if (closeBox)
                w->close();
            else
                click(QStringLiteral("CmdExit"));
        });
        FrmMain::get().CmdPuz_Click(3);
        QCOMPARE(FrmFiles::get().FileMode, Int16(0));
        QVERIFY(!FrmFillIn::get().isLoaded());
        QVERIFY(!board().isLoaded());
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(3));
    }

    void commandsOpenTheirWindows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("fileMode");
        QTest::newRow("intro") << "CmdIntro"
                               << "FrmLogicIntro" << 0;
        QTest::newRow("fill-in chart") << "CmdShowFillIn"
                                       << "FrmFillIn" << 0;
        QTest::newRow("save") << "CmdSave"
                              << "FrmFiles" << 2;
    }
    void commandsOpenTheirWindows() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(int, fileMode);
        openBoard(1);
        int modeSeen = -1;
        bool overBoard = false;
        test::whenModal(window, [&](QWidget* w) {
            modeSeen = FrmFiles::get().FileMode;
            overBoard = w->isModal() && board().isLoaded() && board().window()->isVisible();
            ui::FormBase::byName(window)->unload();
        });
        click(button);
        QCOMPARE(test::missedModals(), 0);
        QVERIFY(overBoard);
        QCOMPARE(modeSeen, fileMode);
    }

    void numberOutsideTheCatalogue_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0;
        QTest::newRow("26") << 26;
        QTest::newRow("-1") << -1;
    }
    void numberOutsideTheCatalogue() {
        QFETCH(int, number);
        openBoard(2);
        play(QStringLiteral("0101,O,0202,E"));
        const QString caption = board().caption();
        const qint64 heading = board().image(QStringLiteral("ImgTop"))->picture().cacheKey();
        QStringList texts;
        for (QLabel* l : board().window()->findChildren<QLabel*>()) texts << l->text();
        const QString intro = ctl<QPushButton>(QStringLiteral("CmdIntro"))->text();

        FrmMain::get().PuzzleNumber = static_cast<Int16>(number);
        const Snapshot marked = snapshot();
        click(QStringLiteral("CmdAnswer")); // nothing to show for this number
        const Snapshot afterAnswers = snapshot();
        QVERIFY(afterAnswers.states == marked.states);
        QVERIFY(afterAnswers.pictures == marked.pictures);

        FrmFiles::get().FileMode = 2;
        board().SetUpPuzzle();
        for (int k = 0; k < kCellCount; ++k) QCOMPARE(board().cellShows(k), Picture::Blank);
        QCOMPARE(board().board.state(0), kStateBlank);
        QCOMPARE(board().board.state(16), kStateBlank);
        QCOMPARE(board().board.CurrentTool, kToolX);
        QCOMPARE(shownBorders(), QStringLiteral("100"));
        QCOMPARE(FrmFiles::get().FileMode, Int16(0));
        QCOMPARE(board().caption(), caption);
        QCOMPARE(board().caption(), QStringLiteral("Zentara's Logic Problems - #2 - Babysitting"));
        QCOMPARE(board().image(QStringLiteral("ImgTop"))->picture().cacheKey(), heading);
        QCOMPARE(ctl<QPushButton>(QStringLiteral("CmdIntro"))->text(), intro);
        QStringList textsAfter;
        for (QLabel* l : board().window()->findChildren<QLabel*>()) textsAfter << l->text();
        QCOMPARE(textsAfter, texts);
    }

    void answersOnPuzzleOne() {
        const QStringList solution{
            "Img0105", "Img0110", "Img0115", "Img0204", "Img0207", "Img0213", "Img0301", "Img0308",
            "Img0312", "Img0402", "Img0406", "Img0414", "Img0503", "Img0509", "Img0511", "Img0603",
            "Img0609", "Img0701", "Img0708", "Img0804", "Img0807", "Img0902", "Img0906", "Img1005",
            "Img1010", "Img1102", "Img1204", "Img1301", "Img1403", "Img1505"};
        openBoard(1);

        // An empty grid: exactly the 30 red O's, nothing else changes.
        Snapshot before = snapshot();
        click(QStringLiteral("CmdAnswer"));
        for (int k = 0; k < kCellCount; ++k) {
            const bool red = solution.contains(QString::fromStdString(cellName(k)));
            QCOMPARE(board().cellShows(k), red ? Picture::RedO : Picture::Blank);
            if (!red)
                QCOMPARE(board().cell(k)->picture().cacheKey(),
                         before.pictures[static_cast<std::size_t>(k)]);
        }
        QVERIFY(board().board.CellState == before.states);

        // The player's marks: wrong O's turn purple, right O's and X's on
        // solution cells show red, and no state, tool or border changes.
        board().SetUpPuzzle();
        play(QStringLiteral("0101,0115,1505,O,0102,0104,0110,0909,0301,E"));
        before = snapshot();
        click(QStringLiteral("CmdAnswer"));
        const Snapshot after = snapshot();
        QVERIFY(after.states == before.states);
        QCOMPARE(after.tool, before.tool);
        QCOMPARE(after.raised, before.raised);
        QCOMPARE(after.borders, before.borders);
        QCOMPARE(board().board.state(indexOf(QStringLiteral("Img0115"))), kStateX);
        for (int k = 0; k < kCellCount; ++k) {
            const QString name = QString::fromStdString(cellName(k));
            const Int16 s = board().board.state(k);
            const Picture want = solution.contains(name) ? Picture::RedO
                                 : s == kStateO          ? Picture::PurpleO
                                                         : pictureFor(s);
            QVERIFY2(board().cellShows(k) == want, qPrintable(name));
        }
        QCOMPARE(board().cellShows(indexOf(QStringLiteral("Img0102"))), Picture::PurpleO);
        QCOMPARE(board().cellShows(indexOf(QStringLiteral("Img0105"))), Picture::RedO);

        // Red and purple cells take the tool's picture like any other.
        play(QStringLiteral("X,0102,0105"));
        QCOMPARE(board().cellShows(indexOf(QStringLiteral("Img0102"))), Picture::X);
        QCOMPARE(board().cellShows(indexOf(QStringLiteral("Img0105"))), Picture::X);
    }

    void layout() {
        openBoard(1);
        QWidget* w = board().window();
        QCOMPARE(w->size(), QSize(632, 443));
        QCOMPARE(ctl(QStringLiteral("Frame1"))->geometry(), QRect(184, -8, 441, 441));
        QCOMPARE(ctl(QStringLiteral("Frame2"))->geometry(), QRect(0, 24, 73, 41));
        QCOMPARE(board().cell(indexOf(QStringLiteral("Img0101")))->geometry(),
                 QRect(72, 80, 23, 23));
        QCOMPARE(board().cell(indexOf(QStringLiteral("Img1505")))->pos(), QPoint(408, 176));
        QCOMPARE(board().cell(indexOf(QStringLiteral("Img0515")))->pos(), QPoint(168, 416));
        QCOMPARE(ctl(QStringLiteral("LblS05"))->geometry(), QRect(0, 184, 73, 17));
        QCOMPARE(ctl(QStringLiteral("CmdExit"))->geometry(), QRect(560, 376, 57, 33));
        QCOMPARE(ctl(QStringLiteral("ImgX"))->geometry(), QRect(8, 8, 25, 25));
        QCOMPARE(ctl(QStringLiteral("ImgErase"))->geometry(), QRect(328, 384, 34, 34));

        // Grid lines: block edges 2 pixels, others 1; extents by band.
        QCOMPARE(ctl(QStringLiteral("LineV00"))->geometry(), QRect(72, 8, 2, 433));
        QCOMPARE(ctl(QStringLiteral("LineV01"))->geometry(), QRect(96, 8, 1, 433));
        QCOMPARE(ctl(QStringLiteral("LineV10"))->geometry(), QRect(312, 8, 2, 313));
        QCOMPARE(ctl(QStringLiteral("LineV14"))->geometry(), QRect(408, 8, 1, 193));
        QCOMPARE(ctl(QStringLiteral("LineH05"))->geometry(), QRect(0, 200, 433, 2));
        QCOMPARE(ctl(QStringLiteral("LineH06"))->geometry(), QRect(0, 224, 313, 1));
        QCOMPARE(ctl(QStringLiteral("LineH13"))->geometry(), QRect(0, 392, 193, 1));

        // A click on a line's pixel reaches the cell beneath it.
        QWidget* frame = ctl(QStringLiteral("Frame1"));
        QCOMPARE(frame->childAt(72, 80), board().cell(0));
        QCOMPARE(frame->childAt(96, 90), board().cell(indexOf(QStringLiteral("Img0201"))));
        // The window's buttons are drawn above Frame1.
        QCOMPARE(w->childAt(QRect(560, 376, 57, 33).center()), ctl(QStringLiteral("CmdExit")));
        QCOMPARE(w->childAt(QRect(512, 200, 105, 41).center()), ctl(QStringLiteral("CmdNext")));

        // Exactly the 150 cells of the staircase.
        const QRegularExpression cellNames(QStringLiteral("^Img\\d{4}$"));
        QCOMPARE(w->findChildren<ImageControl*>(cellNames).size(), kCellCount);
        for (const char* absent : {"Img0611", "Img1106", "Img0712", "Img1515", "Img0000"})
            QVERIFY2(!w->findChild<QWidget*>(QLatin1String(absent)), absent);

        // Tab order over the six buttons.
        const QStringList order{"CmdIntro", "CmdShowFillIn", "CmdNext",
                                "CmdSave",  "CmdAnswer",     "CmdExit"};
        QWidget* at = ctl(order.first());
        for (qsizetype i = 1; i < order.size(); ++i) {
            do at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus));
            QCOMPARE(at->objectName(), order[i]);
        }

        // The lines are drawn over the cells, whatever the cells show.
        play(QStringLiteral("0101,O,0602"));
        const QImage shot = w->grab().toImage();
        const QPoint frameAt = ctl(QStringLiteral("Frame1"))->pos();
        for (const QPoint& p : {QPoint(72, 90), QPoint(73, 90), QPoint(80, 80), QPoint(80, 81),
                                QPoint(192, 110), QPoint(200, 104)}) {
            const QColor c = shot.pixelColor(frameAt + p);
            QVERIFY2(c == ui::colours::blue, qPrintable(c.name()));
        }

        QVERIFY(board().image(QStringLiteral("ImgRedO"))->isHidden());
        QVERIFY(board().image(QStringLiteral("ImgPurpleO"))->isHidden());
        QCOMPARE(board().image(QStringLiteral("ImgErase"))->cursor().shape(), Qt::BitmapCursor);
    }

    void restoreMode() {
        openBoard(1);
        play(QStringLiteral("O,0101,0102,0103"));
        FrmFiles& files = FrmFiles::get();
        files.SavedCell.fill(0);
        files.SavedCell[0] = 7;  // leaves the O as it was
        files.SavedCell[1] = 2;  // blank
        files.SavedCell[2] = 1;  // O stays O
        files.SavedCell[75] = 1; // Img0601
        files.SavedCell[149] = -4;
        files.FileMode = 1;
        const qint64 keptPicture = board().cell(0)->picture().cacheKey();
        board().SetUpPuzzle();

        QCOMPARE(files.FileMode, Int16(0));
        QCOMPARE(board().board.state(0), kStateO);
        QCOMPARE(board().cell(0)->picture().cacheKey(), keptPicture);
        QCOMPARE(board().board.state(1), kStateBlank);
        QCOMPARE(board().cellShows(1), Picture::Blank);
        QCOMPARE(board().board.state(2), kStateO);
        QCOMPARE(board().board.state(75), kStateO);
        QCOMPARE(board().cellShows(75), Picture::O);
        QCOMPARE(board().board.state(149), kStateBlank); // from the set-up of the opened board
        for (int k = 3; k < 149; ++k) {
            if (k == 75) continue;
            QCOMPARE(board().board.state(k), kStateX);
            QCOMPARE(board().cellShows(k), Picture::X);
        }
        QCOMPARE(board().caption(), QStringLiteral("Zentara's Logic Problems - #1 - Conferences"));

        // A saved 2 hands the tool back to X; in restore mode the tool is ignored.
        click(QStringLiteral("ImgO"));
        files.FileMode = 1;
        files.SavedCell[5] = 0;
        board().ImgCell_Click(5);
        QCOMPARE(board().board.state(5), kStateX);
        QCOMPARE(board().board.CurrentTool, kToolO);
        files.SavedCell[6] = 2;
        board().ImgCell_Click(6);
        QCOMPARE(board().board.state(6), kStateBlank);
        QCOMPARE(board().board.CurrentTool, kToolX);
        QCOMPARE(shownBorders(), QStringLiteral("100"));
    }

    void restoreWhenTheBoardLoads() {
        // Reopening: the board loads with FileMode 1 and replays before the texts.
        FrmFiles& files = FrmFiles::get();
        files.SavedCell.fill(1);
        files.SavedCell[10] = 0;
        files.FileMode = 1;
        openBoard(5);
        QCOMPARE(files.FileMode, Int16(0));
        QCOMPARE(board().board.state(10), kStateX);
        QCOMPARE(board().cellShows(10), Picture::X);
        QCOMPARE(board().board.state(11), kStateO);
        QCOMPARE(board().cellShows(149), Picture::O);
        QCOMPARE(board().caption(), QStringLiteral("Zentara's Logic Problems - #5 - Criminals"));
        // The next set-up blanks the grid again.
        click(QStringLiteral("CmdNext"));
        QCOMPARE(board().board.state(11), kStateBlank);
        QCOMPARE(board().cellShows(11), Picture::Blank);
    }

    void missingPicturesAtSetUp() {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        QVERIFY(QDir::setCurrent(empty.path()));
        // Reopening a board whose cells are all blank reads the blank file 150 times.
        MessageBoxes boxes;
        FrmFiles::get().SavedCell.fill(2);
        FrmFiles::get().FileMode = 1;
        openBoard(1);
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.titles[0].startsWith(QStringLiteral("Zentara's Logic Problems - ")));
        QCOMPARE(boxes.icons[0], QMessageBox::Warning);
        QCOMPARE(boxes.buttons[0], QMessageBox::StandardButtons(QMessageBox::Ok));
        for (const char* file :
             {"ZLP-Images\\blank.gif", "ZLP-Images\\magglass.gif", "ZLP-Images\\Puz01.gif"})
            QVERIFY2(boxes.texts[0].contains(QLatin1String(file)), file);

        // Every step ran, and the controls are left without pictures.
        QCOMPARE(FrmFiles::get().FileMode, Int16(0));
        QCOMPARE(board().caption(), QStringLiteral("Zentara's Logic Problems - #1 - Conferences"));
        QCOMPARE(ctl<QLabel>(QStringLiteral("LblS01"))->text(), QStringLiteral("1st Floor"));
        QVERIFY(board().image(QStringLiteral("ImgTop"))->picture().isNull());
        QVERIFY(board().image(QStringLiteral("ImgMag"))->picture().isNull());
        for (int k = 0; k < kCellCount; ++k) {
            QCOMPARE(board().board.state(k), kStateBlank);
            QCOMPARE(board().cellShows(k), Picture::None);
        }

        // Erasing after that set-up has told: no further message.
        play(QStringLiteral("0101,E,0101,0102"));
        QTest::qWait(30);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(board().board.state(0), kStateBlank);
        QCOMPARE(board().cellShows(0), Picture::None);
        QCOMPARE(board().board.state(1), kStateX);

        // The next set-up tells only the file not told yet in this run.
        click(QStringLiteral("CmdNext"));
        QCOMPARE(boxes.count(), 2);
        QVERIFY(!boxes.texts[1].contains(QLatin1String("ZLP-Images\\blank.gif")));
        QVERIFY(boxes.texts[1].contains(QLatin1String("ZLP-Images\\Puz02.gif")));
        QCOMPARE(board().board.state(1), kStateBlank);
        QCOMPARE(board().cellShows(1), Picture::None);
    }

    void blankPictureGoneBeforeAnErase() {
        openBoard(1);
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        MessageBoxes boxes;
        play(QStringLiteral("0101,0102,E,0101"));
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.texts[0].contains(QLatin1String("ZLP-Images\\blank.gif")));
        QVERIFY(!boxes.texts[0].contains(QLatin1String("magglass")));
        QCOMPARE(board().board.state(0), kStateBlank);
        QCOMPARE(board().cellShows(0), Picture::None);
        QCOMPARE(board().board.CurrentTool, kToolX);
        // Told once: the next erase is silent.
        play(QStringLiteral("E,0102"));
        QTest::qWait(30);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(board().board.state(1), kStateBlank);
    }

    void pictureNamesDifferingInCase() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString images = dir.filePath(QStringLiteral("zlp-images"));
        QVERIFY(QDir().mkpath(images));
        QVERIFY(QFile::copy(home_ + QStringLiteral("/ZLP-Images/Puz01.gif"),
                            images + QStringLiteral("/puz01.GIF")));
        QVERIFY(QFile::copy(home_ + QStringLiteral("/ZLP-Images/blank.gif"),
                            images + QStringLiteral("/Blank.gif")));
        QVERIFY(QFile::copy(home_ + QStringLiteral("/ZLP-Images/magglass.gif"),
                            images + QStringLiteral("/MAGGLASS.GIF")));
        QVERIFY(QDir::setCurrent(dir.path()));
        MessageBoxes boxes;
        openBoard(1);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(board().image(QStringLiteral("ImgTop"))->picture().size(),
                 QImage(images + QStringLiteral("/puz01.GIF")).size());
        QVERIFY(!board().image(QStringLiteral("ImgMag"))->picture().isNull());
        QCOMPARE(board().cellShows(0), Picture::Blank);
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
