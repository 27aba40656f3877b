// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser: modes, the three lists, save names, the replace question, opening.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "saves/board_file.h"
#include "saves_driver.h"
#include "ui/controls.h"

#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>

using namespace zlp;
using namespace zlp::test;

namespace {
// Shows the chooser in that mode and runs act on it once it is up.
void runChooser(Int16 mode, std::function<void(QWidget*)> act) {
    FrmFiles::get().FileMode = mode;
    onWindow(QStringLiteral("FrmFiles"), std::move(act));
    FrmFiles::get().showModal();
}

// The board to be saved, without showing it: the writer reads public variables only.
QByteArray prepareBoard(Int16 puzzle) {
    FrmMain::get().PuzzleNumber = puzzle;
    auto& states = FrmLogic::get().board.CellState;
    for (int k = 0; k < kCellCount; ++k) states[std::size_t(k)] = Int16((k + puzzle) % 3);
    return QByteArray::fromStdString(formatBoard(puzzle, states));
}

// The next message box must say text under title, with OK only; OK closes it.
void expectRefusal(const QString& text, const QString& title) {
    onMessageBox([=](QMessageBox* box) {
        QCOMPARE(QAccessible::queryAccessibleInterface(box->findChild<QLabel*>("qt_msgbox_label"))
                     ->text(QAccessible::Name),
                 text); // as read, markup and all
        QCOMPARE(box->windowTitle(), title);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        box->button(QMessageBox::Ok)->click();
    });
}
} // namespace

class TestFileChooser : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString at(const QString& name) const { return dir_->filePath(name); }
    QStringList entries() const {
        return QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase() { prepareApplication(); }
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }
    void cleanup() { QCOMPARE(test::releaseAll(), 0); }

    // Each mode: a fixed-size window at the top left; Cancel and the close box leave files alone.
    void modes() {
        QVERIFY(putBytes(at("game.txt"), "x"));
        for (const int run : {0, 1, 2, 3}) {
            const bool save = run >= 2;
            runChooser(save ? 2 : 1, [&](QWidget* w) {
                QVERIFY(w->minimumSize() == w->maximumSize() && w->pos() == QPoint(20, 20));
                for (const char* name : {"OKButton", "CancelButton"})
                    QVERIFY(!w->findChild<QPushButton*>(name)->autoDefault());
                QVERIFY(openDirectory(w, dir_->path()) && pickFile(w, "game.txt"));
                run % 2 ? void(w->close()) : pressButton(w, "CancelButton");
            });
            QVERIFY(FrmFiles::get().FileMode == 0 && !FrmFiles::get().isLoaded());
            QCOMPARE(savedBytes(at("game.txt")), QByteArray("x"));
        }
    }

    void listsShowTheDirectoryAndMatchingFiles() {
        for (const char* name :
             {"a.txt", "b.TXT", "c.txt.old", "d.doc", ".hidden.txt", "locked.txt"})
            QVERIFY(putBytes(at(name), "x"));
        QVERIFY(QFile::setPermissions(at("locked.txt"), QFileDevice::ReadOwner));
        for (const char* name : {"sub", "Zed", "sub.txt", "alpha", ".secret", "B"})
            QVERIFY(QDir(dir_->path()).mkdir(name));
        // Links count as what they lead to; one that leads nowhere is left out.
        for (const auto& [to, link] :
             {std::pair{"a.txt", "e.txt"}, {"alpha", "linked"}, {"-", "f.txt"}})
            QVERIFY(QFile::link(at(to), at(link)));
        runChooser(1, [&](QWidget* w) {
            QVERIFY(openDirectory(w, dir_->path()));
            auto* files = w->findChild<QListWidget*>("filList");
            auto* dirs = w->findChild<QListWidget*>("dirList");
            QStringList listed, shown,
                expected{at("alpha"), at("B"), at("linked"), at("sub"), at("sub.txt"), at("Zed")};
            for (int i = 0; i < files->count(); ++i) listed << files->item(i)->text();
            QCOMPARE(listed, QStringList({"a.txt", "b.TXT", "c.txt.old", "e.txt", "locked.txt"}));
            // The path down from the root, then the subdirectories, case aside.
            for (int i = 0; i < dirs->count(); ++i)
                shown << dirs->item(i)->data(Qt::UserRole).toString();
            QDir d(dir_->path());
            do expected.prepend(d.absolutePath());
            while (d.cdUp());
            QCOMPARE(shown, expected); // the drive list as shown is in test_golden
            pressButton(w, "CancelButton");
        });
        QVERIFY(FrmFiles::FileExists(at("locked.txt")));
        for (const char* name : {"sub.txt", ".hidden.txt", "none.txt"})
            QVERIFY(!FrmFiles::FileExists(at(name)));
    }

    void okOnHighlightedDirectoryOnlyOpensIt() {
        QVERIFY(QDir(dir_->path()).mkdir("sub"));
        const QByteArray board = prepareBoard(4);
        runChooser(2, [&](QWidget* w) {
            QVERIFY(openDirectory(w, dir_->path()));
            typeName(w, "game");
            auto* dirs = w->findChild<QListWidget*>("dirList");
            clickEntry(dirs, entry(dirs, at("sub"), Qt::UserRole));
            QCOMPARE(FrmFiles::get().shownDirectory(),
                     dir_->path()); // a single click only highlights
            pressButton(w, "OKButton");
            QCOMPARE(FrmFiles::get().shownDirectory(), at("sub"));
            QCOMPARE(entries(), QStringList{"sub"});
            pressButton(w, "OKButton"); // now it saves, in the directory moved to
        });
        QCOMPARE(savedBytes(at("sub/game.txt")), board);
    }

    // A typed name gets the ending unless it has it; a picked name that is edited is taken as it
    // stands; an existing name brings the question, and only OK replaces the file.
    void savesUnderTheChosenName() {
        const struct {
            const char *pick, *typed, *written;
            QMessageBox::StandardButton answer;
        } cases[] = {{"", "game", "game.txt", QMessageBox::NoButton},
                     {"", "game.txt", "game.txt", QMessageBox::NoButton},
                     {"", "game.TXT", "game.TXT.txt", QMessageBox::NoButton},
                     {"", "", ".txt", QMessageBox::NoButton},
                     {"old.txt", "new", "new", QMessageBox::NoButton},
                     {"", "old", "old.txt", QMessageBox::Ok},
                     {"old.txt", nullptr, "old.txt", QMessageBox::Cancel}};
        for (const auto& c : cases) {
            init();
            QVERIFY(putBytes(at("old.txt"), "old"));
            const QByteArray board = prepareBoard(9);
            runChooser(2, [&](QWidget* w) {
                QVERIFY(openDirectory(w, dir_->path()));
                if (*c.pick) // the ending is not shown for a picked name
                    QVERIFY(pickFile(w, c.pick) && w->findChild<QLabel*>("LblEnding")->isHidden());
                if (c.typed) typeName(w, c.typed);
                if (c.answer != QMessageBox::NoButton)
                    onMessageBox([&](QMessageBox* box) { // its words are in test_golden
                        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
                        box->button(c.answer)->click();
                    });
                pressButton(w, "OKButton");
            });
            QVERIFY(!FrmFiles::get().isLoaded());
            QCOMPARE(savedBytes(at(c.written)),
                     c.answer == QMessageBox::Cancel ? QByteArray("old") : board);
            QCOMPARE(entries().size(), QLatin1String(c.written) == "old.txt" ? 1 : 2);
        }
    }

    // A save that cannot be made leaves everything as it was, without a message.
    void failedSaveIsSilent() {
        QVERIFY(QDir(dir_->path()).mkdir("taken.txt"));
        prepareBoard(3);
        MessageBoxes boxes;
        for (const QString& typed : {at("missing/game"), QStringLiteral("taken")}) {
            runChooser(2, [&](QWidget* w) {
                QVERIFY(openDirectory(w, dir_->path()));
                typeName(w, typed);
                pressButton(w, "OKButton");
            });
            QVERIFY(!FrmFiles::get().isLoaded());
        }
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(entries(), QStringList{"taken.txt"});
        QVERIFY(QFileInfo(at("taken.txt")).isDir());
    }

    // A file typed by hand with LF line ends, under a name that is not the
    // written one, opens by its content: the board comes up with its number
    // and marks, the chooser gone, and the tools mark again.
    void openReplaysTheFileOnTheBoard() {
        std::array<Int16, kCellCount> states{};
        QByteArray text = "12";
        for (int k = 0; k < kCellCount; ++k) {
            states[std::size_t(k)] = Int16(cellAt(k).col == 1 ? kStateO : k % 3);
            text += ',' + QByteArray::number(states[std::size_t(k)]);
        }
        QVERIFY(putBytes(at("typed.txt.old"), text + '\n'));
        runChooser(1, [&](QWidget* w) {
            QVERIFY(openDirectory(w, dir_->path()) && pickFile(w, "typed.txt.old"));
            onWindow(QStringLiteral("FrmLogic"), [&](QWidget*) {
                FrmLogic& board = FrmLogic::get();
                QCOMPARE(FrmMain::get().PuzzleNumber, Int16(12));
                QCOMPARE(board.board.CellState, states);
                QCOMPARE(board.cellShows(0), Picture::O);
                QVERIFY(!FrmFiles::get().isLoaded());
                QTest::mouseClick(board.cell(0), Qt::LeftButton);
                QCOMPARE(board.cellShows(0), Picture::X);
                board.unload();
            });
            pressButton(w, "OKButton");
        });
    }

    // Nothing picked, not a board, gone since the pick: each told, nothing opened.
    void openRefusals() {
        QVERIFY(putBytes(at("empty.txt"), ""));
        QVERIFY(putBytes(at("puzzle26.txt"),
                         QByteArray::fromStdString("26" + formatBoard(3, {}).substr(1))));
        QVERIFY(putBytes(at("<b>gone.txt"), QByteArray::fromStdString(formatBoard(2, {}))));
        FrmMain::get().PuzzleNumber = 7;
        FrmFiles::get().SavedCell.fill(5);
        const QString notChosen = QStringLiteral("You did not choose a file to open.");
        const QString openTitle = QStringLiteral("Zentara's Logic Problems - Open a Saved File");
        const QString errorTitle = QStringLiteral("Zentara's Logic Problems - File Error");
        runChooser(1, [&](QWidget* w) {
            QVERIFY(openDirectory(w, dir_->path()));
            for (const char* name : {"empty.txt", "puzzle26.txt"}) {
                QVERIFY(pickFile(w, name));
                expectRefusal(QStringLiteral("This file is not a Zentara's Logic Problems file.  "
                                             "Please choose another file."),
                              errorTitle);
                pressButton(w, "OKButton");
            }
            expectRefusal(notChosen, openTitle); // the pick is used up
            pressButton(w, "OKButton");
            QVERIFY(pickFile(w, "<b>gone.txt") && QFile::remove(at("<b>gone.txt")));
            expectRefusal(
                QStringLiteral("The file <b>gone.txt cannot be read.  Please choose another file."),
                errorTitle);
            pressButton(w, "OKButton");
            QVERIFY(FrmFiles::get().isLoaded());
            pressButton(w, "CancelButton");
        });
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(7));
        for (const long long v : FrmFiles::get().SavedCell) QCOMPARE(v, 5LL);
        QVERIFY(!FrmLogic::get().isLoaded());
    }
};

QTEST_MAIN(TestFileChooser)
#include "test_file_chooser.moc"
