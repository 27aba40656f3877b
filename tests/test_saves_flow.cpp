// Saving and reopening through the real windows: the main menu, the board and
// the chooser nested as the player meets them.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "modal_driver.h"
#include "saves/board_file.h"
#include "saves/frm_files.h"
#include "saves_driver.h"
#include "ui/controls.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zlp;
using namespace zlp::test;

namespace {
using States = std::array<Int16, kCellCount>;

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void click(QWidget* window, const QString& name) {
    QWidget* c = window->findChild<QWidget*>(name);
    QVERIFY2(c, qPrintable(name));
    QTest::mouseClick(c, Qt::LeftButton);
}

void clickCell(QWidget* board, int k) {
    click(board, QString::fromStdString(cellName(k)));
}

// What every cell shows must follow its state: X, O or blank.
void expectPicturesFollowStates() {
    FrmLogic& board = FrmLogic::get();
    for (int k = 0; k < kCellCount; ++k) {
        const Int16 s = board.board.state(k);
        const Picture want = s == kStateX ? Picture::X : s == kStateO ? Picture::O : Picture::Blank;
        QCOMPARE(board.cellShows(k), want);
    }
}

// Marks cells with tools on the shown board: tool name -> cells, in order.
void mark(QWidget* board, const std::vector<std::pair<const char*, std::vector<int>>>& steps) {
    for (const auto& [tool, cells] : steps) {
        for (int k : cells) {
            click(board, QString::fromLatin1(tool));
            clickCell(board, k);
        }
    }
}
} // namespace

class TestSavesFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void markSaveLeaveReopen();
    void boardSavedWithAnswersKeepsThePlayersMarks();
    void handWrittenFileReopensAndSavesAgain();

private:
    // Saves the shown board under a typed name in the temporary directory.
    void saveAs(QWidget* board, const QString& typed);
    // Opens a saved board from the main menu and runs onBoard on the board.
    void reopen(const QString& fileName, std::function<void(QWidget*)> onBoard);

    std::unique_ptr<QTemporaryDir> dir_;
    QString at(const QString& name) const { return dir_->filePath(name); }
    QWidget* menu() { return FrmMain::get().window(); }
};

void TestSavesFlow::initTestCase() {
    prepareApplication();
}

void TestSavesFlow::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    FrmMain::get().show();
}

void TestSavesFlow::cleanup() {
    for (const QString& name : FrmMain::exitOrder()) ui::FormBase::releaseByName(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(missedModals(), 0);
    dir_.reset();
}

void TestSavesFlow::saveAs(QWidget* board, const QString& typed) {
    onWindow(QStringLiteral("FrmFiles"), [&](QWidget* w) {
        QCOMPARE(FrmFiles::get().FileMode, Int16(2));
        QVERIFY(openDirectory(w, dir_->path()));
        typeName(w, typed);
        pressButton(w, QStringLiteral("OKButton"));
    });
    click(board, QStringLiteral("CmdSave"));
    QVERIFY(!FrmFiles::get().isLoaded());
}

void TestSavesFlow::reopen(const QString& fileName, std::function<void(QWidget*)> onBoard) {
    onWindow(QStringLiteral("FrmFiles"), [this, fileName, onBoard](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        QVERIFY(pickFile(w, fileName));
        onWindow(QStringLiteral("FrmLogic"), onBoard);
        pressButton(w, QStringLiteral("OKButton"));
    });
    click(menu(), QStringLiteral("CmdOpenSaved"));
}

void TestSavesFlow::markSaveLeaveReopen() {
    States marked{};
    onWindow(QStringLiteral("FrmLogic"), [&](QWidget* board) {
        // O's, X's, and an X erased again.
        mark(board, {{"ImgO", {0, 16, 77}}, {"ImgX", {1, 2, 140, 149}}, {"ImgErase", {2}}});
        marked = FrmLogic::get().board.CellState;
        QCOMPARE(marked[0], kStateO);
        QCOMPARE(marked[2], kStateBlank);
        saveAs(board, QStringLiteral("puzzle5"));
        // Saving changes nothing on the board.
        QCOMPARE(FrmLogic::get().board.CellState, marked);
        expectPicturesFollowStates();
        click(board, QStringLiteral("CmdExit"));
    });
    click(menu(), QStringLiteral("CmdPuz05"));
    QCOMPARE(fileBytes(at("puzzle5.txt")), QByteArray::fromStdString(formatBoard(5, marked)));

    // Recognised by its content, not its name: a copy under another ending reopens too.
    QVERIFY(QFile::copy(at("puzzle5.txt"), at("puzzle5.txt.old")));
    FrmMain::get().PuzzleNumber = 1; // the file must bring its own number back
    reopen(QStringLiteral("puzzle5.txt.old"), [&](QWidget* board) {
        FrmLogic& logic = FrmLogic::get();
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(5));
        QCOMPARE(logic.board.CellState, marked);
        expectPicturesFollowStates();
        QCOMPARE(logic.board.CurrentTool, kToolX);
        QCOMPARE(logic.board.borders, (ToolBorders{1, 0, 0}));
        QCOMPARE(FrmFiles::get().FileMode, Int16(0));
        QVERIFY(!FrmFiles::get().isLoaded());

        // The replay is over: a click marks with the tool.
        clickCell(board, 30);
        QCOMPARE(logic.board.state(30), kStateX);

        click(board, QStringLiteral("CmdNext"));
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(6));
        for (int k = 0; k < kCellCount; ++k) QCOMPARE(logic.board.state(k), kStateBlank);
        expectPicturesFollowStates();
        click(board, QStringLiteral("CmdExit"));
    });
    QVERIFY(!FrmFiles::get().isLoaded());
    QVERIFY(!FrmLogic::get().isLoaded());
    QCOMPARE(FrmFiles::get().FileMode, Int16(0));

    // The main menu goes on working: a puzzle from it comes up blank.
    onWindow(QStringLiteral("FrmLogic"), [&](QWidget* board) {
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(3));
        for (int k = 0; k < kCellCount; ++k) QCOMPARE(FrmLogic::get().board.state(k), kStateBlank);
        expectPicturesFollowStates();
        click(board, QStringLiteral("CmdExit"));
    });
    click(menu(), QStringLiteral("CmdPuz03"));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestSavesFlow::boardSavedWithAnswersKeepsThePlayersMarks() {
    States marked{};
    onWindow(QStringLiteral("FrmLogic"), [&](QWidget* board) {
        mark(board, {{"ImgO", {3, 4, 90}}, {"ImgX", {60}}});
        marked = FrmLogic::get().board.CellState;
        click(board, QStringLiteral("CmdAnswer"));
        int shownAsAnswer = 0;
        for (int k = 0; k < kCellCount; ++k)
            shownAsAnswer += FrmLogic::get().cellShows(k) == Picture::RedO;
        QVERIFY(shownAsAnswer > 0); // the answers are on the grid
        saveAs(board, QStringLiteral("answered"));
        click(board, QStringLiteral("CmdExit"));
    });
    click(menu(), QStringLiteral("CmdPuz01"));
    const QByteArray saved = fileBytes(at("answered.txt"));
    QCOMPARE(saved.size(), 303);
    QCOMPARE(saved, QByteArray::fromStdString(formatBoard(1, marked)));
    QCOMPARE(saved.count(",1"), 3);

    reopen(QStringLiteral("answered.txt"), [&](QWidget* board) {
        QCOMPARE(FrmLogic::get().board.CellState, marked);
        expectPicturesFollowStates(); // no red or purple O comes back
        click(board, QStringLiteral("CmdExit"));
    });
}

void TestSavesFlow::handWrittenFileReopensAndSavesAgain() {
    // Puzzle 12 typed in an editor that ends lines with LF: O's down the first
    // column, X's along the top band's first row, the rest blank.
    QByteArray text = "12";
    States expected{};
    for (int k = 0; k < kCellCount; ++k) {
        const CellPos p = cellAt(k);
        const Int16 s = p.col == 1 ? kStateO : p.row == 1 ? kStateX : kStateBlank;
        expected[std::size_t(k)] = s;
        text += ',' + QByteArray::number(s);
    }
    text += '\n';
    QFile f(at("typed.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    f.close();
    QVERIFY(QFile::copy(at("typed.txt"), at("empty.txt")));
    QVERIFY(QFile::resize(at("empty.txt"), 0));

    States changed{};
    reopen(QStringLiteral("typed.txt"), [&](QWidget* board) {
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(12));
        QCOMPARE(FrmLogic::get().board.CellState, expected);
        for (int k = 0; k < kCellCount; ++k)
            QCOMPARE(FrmFiles::get().SavedCell[std::size_t(k)],
                     (long long)expected[std::size_t(k)]);
        expectPicturesFollowStates();

        // Changes after reopening go into the next save, made while the first
        // chooser's OK handler still waits underneath.
        mark(board, {{"ImgErase", {0}}, {"ImgO", {149}}});
        changed = FrmLogic::get().board.CellState;
        saveAs(board, QStringLiteral("again"));
        click(board, QStringLiteral("CmdExit"));
    });
    QCOMPARE(changed[0], kStateBlank);
    QCOMPARE(fileBytes(at("again.txt")), QByteArray::fromStdString(formatBoard(12, changed)));
    QCOMPARE(fileBytes(at("typed.txt")), text);

    // An empty file right after a good one is refused, and nothing moves.
    const auto savedCells = FrmFiles::get().SavedCell;
    onWindow(QStringLiteral("FrmFiles"), [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        QVERIFY(pickFile(w, QStringLiteral("empty.txt")));
        bool refused = false;
        onMessageBox([&](QMessageBox* box) {
            refused = box->windowTitle() == QStringLiteral("Zentara's Logic Problems - File Error");
            box->button(QMessageBox::Ok)->click();
        });
        pressButton(w, QStringLiteral("OKButton"));
        QVERIFY(refused);
        QVERIFY(!FrmLogic::get().isLoaded());
        pressButton(w, QStringLiteral("CancelButton"));
    });
    click(menu(), QStringLiteral("CmdOpenSaved"));
    QCOMPARE(FrmMain::get().PuzzleNumber, Int16(12));
    QCOMPARE(FrmFiles::get().SavedCell, savedCells);
    QCOMPARE(FrmFiles::get().FileMode, Int16(0));

    // After that Cancel a puzzle from the menu comes up blank, with no replay.
    onWindow(QStringLiteral("FrmLogic"), [&](QWidget* board) {
        for (int k = 0; k < kCellCount; ++k) QCOMPARE(FrmLogic::get().board.state(k), kStateBlank);
        expectPicturesFollowStates();
        click(board, QStringLiteral("CmdExit"));
    });
    click(menu(), QStringLiteral("CmdPuz02"));

    // The board saved from the reopened one reopens with its changes.
    reopen(QStringLiteral("again.txt"), [&](QWidget* board) {
        QCOMPARE(FrmLogic::get().board.CellState, changed);
        click(board, QStringLiteral("CmdExit"));
    });
}

QTEST_MAIN(TestSavesFlow)
#include "test_saves_flow.moc"
