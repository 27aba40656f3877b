// The file chooser on its own: layout and modes, the three lists, the save
// names and the replace question, the open path's refusals, Cancel.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "modal_driver.h"
#include "saves/board_file.h"
#include "saves/frm_files.h"
#include "saves_driver.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace zlp;
using namespace zlp::test;

namespace {

// The drive of a directory as the mount table tells it; the root where it
// cannot (inside a container or a changed root).
QString driveOf(const QString& dir) {
    const QStorageInfo info(dir);
    return info.isValid() && !info.rootPath().isEmpty() ? info.rootPath() : QStringLiteral("/");
}
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

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
} // namespace

class TestFileChooser : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layoutInBothModes();
    void listsShowTheDirectoryAndMatchingFiles();
    void okOnHighlightedDirectoryOnlyOpensIt();
    void drivesFallBackSilently();
    void typedNamesGetTheEnding_data();
    void typedNamesGetTheEnding();
    void pickedThenEditedNameIsTakenAsItStands();
    void replaceQuestion_data();
    void replaceQuestion();
    void failedSaveIsSilent();
    void cancelAndCloseBoxEndTheMode();
    void openRefusals();
    void fileRemovedBetweenPickAndOk();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString at(const QString& name) const { return dir_->filePath(name); }
};

void TestFileChooser::initTestCase() {
    prepareApplication();
}

void TestFileChooser::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestFileChooser::cleanup() {
    for (const char* name : {"FrmFiles", "FrmLogic", "FrmFillIn", "FrmMain"})
        ui::FormBase::releaseByName(QString::fromLatin1(name));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(missedModals(), 0);
    dir_.reset();
}

void TestFileChooser::layoutInBothModes() {
    const QString workingDir = QDir::currentPath();
    struct Place {
        const char* name;
        int l, t, w, h;
    };
    const Place places[] = {
        {"Label1", 120, 120, 5295, 480},       {"drvList", 240, 720, 2175, 315},
        {"dirList", 240, 1080, 2175, 1215},    {"filList", 2520, 720, 1575, 1650},
        {"OKButton", 4320, 2280, 1215, 375},   {"CancelButton", 4320, 2760, 1215, 375},
        {"TxtFileName", 960, 2640, 2415, 375}, {"LblEnding", 3480, 2760, 390, 300}};

    for (const Int16 mode : {Int16(1), Int16(2)}) {
        runChooser(mode, [&](QWidget* w) {
            const bool save = mode == 2;
            QCOMPARE(w->windowTitle(),
                     save ? QStringLiteral("Zentara's Logic Problems - Save a Logic Problem")
                          : QStringLiteral("Zentara's Logic Problems - Open Saved File"));
            QCOMPARE(
                w->findChild<QLabel*>("Label1")->text(),
                save ? QStringLiteral(
                           "What do you want to name your file and where do you want to save it?")
                     : QStringLiteral("Select the saved file you wish to open:"));
            QCOMPARE(w->findChild<QLineEdit*>("TxtFileName")->isVisible(), save);
            QCOMPARE(w->findChild<QLabel*>("LblEnding")->isVisible(), save);
            QCOMPARE(w->findChild<QLabel*>("LblEnding")->text(), QStringLiteral(".txt"));
            QCOMPARE(w->findChild<QPushButton*>("OKButton")->text(), QStringLiteral("OK"));
            QCOMPARE(w->findChild<QPushButton*>("CancelButton")->text(), QStringLiteral("Cancel"));

            QCOMPARE(w->size(), QSize(ui::px(5580), ui::px(3300)));
            QCOMPARE(w->minimumSize(), w->maximumSize());
            QCOMPARE(w->pos(), QPoint(ui::px(300), ui::px(300)));
            QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 255, 0));
            for (const Place& p : places) {
                const QWidget* c = w->findChild<QWidget*>(QString::fromLatin1(p.name));
                QVERIFY2(c, p.name);
                QCOMPARE(c->geometry(), ui::twipRect(p.l, p.t, p.w, p.h));
            }
            for (const char* name : {"Label1", "LblEnding"}) {
                const auto* label = w->findChild<QLabel*>(name);
                QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
                QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
                QVERIFY(label->font().bold());
            }
            QCOMPARE(w->findChild<QLabel*>("Label1")->font().pointSizeF(), 9.75);
            QCOMPARE(w->findChild<QLabel*>("LblEnding")->font().pointSizeF(), 12.0);
            QCOMPARE(w->findChild<QLineEdit*>("TxtFileName")->font().pointSizeF(), 12.0);
            for (const char* name : {"OKButton", "CancelButton"}) {
                const auto* b = w->findChild<QPushButton*>(name);
                QVERIFY(!b->isDefault() && !b->autoDefault());
            }

            // Tab order, starting from the name box.
            const QStringList wanted{"TxtFileName", "OKButton", "CancelButton",
                                     "filList",     "dirList",  "drvList"};
            QStringList order;
            QWidget* first = w->findChild<QWidget*>("TxtFileName");
            for (QWidget* f = first; order.size() < wanted.size();) {
                if (wanted.contains(f->objectName()) && !order.contains(f->objectName()))
                    order << f->objectName();
                f = f->nextInFocusChain();
                if (f == first) break;
            }
            QCOMPARE(order, wanted);

            // The lists start on the working directory.
            QCOMPARE(FrmFiles::get().shownDirectory(), workingDir);
            w->grab().save(save ? "/tmp/zlp_frmfiles_save.png" : "/tmp/zlp_frmfiles_open.png");
            pressButton(w, "CancelButton");
        });
    }
    QCOMPARE(QDir::currentPath(), workingDir);
}

void TestFileChooser::listsShowTheDirectoryAndMatchingFiles() {
    for (const char* name : {"a.txt", "b.TXT", "c.txt.old", "d.doc", ".hidden.txt", "locked.txt"})
        QVERIFY(writeBytes(at(name), "x"));
    QVERIFY(QFile::setPermissions(at("locked.txt"), QFileDevice::ReadOwner));
    for (const char* name : {"sub", "sub.txt", ".secret"}) QVERIFY(QDir(dir_->path()).mkdir(name));
    const QString workingDir = QDir::currentPath();

    runChooser(1, [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        auto* files = w->findChild<QListWidget*>("filList");
        QStringList listed;
        for (int i = 0; i < files->count(); ++i) listed << files->item(i)->text();
        // Any case of the ending, read-only files too; no hidden files, no directories.
        QCOMPARE(listed, QStringList({"a.txt", "b.TXT", "c.txt.old", "locked.txt"}));

        auto* dirs = w->findChild<QListWidget*>("dirList");
        QStringList shown;
        for (int i = 0; i < dirs->count(); ++i)
            shown << dirs->item(i)->data(Qt::UserRole).toString();
        QStringList expected;
        for (QDir d(dir_->path());;) {
            expected.prepend(d.absolutePath());
            if (!d.cdUp()) break;
        }
        expected << at("sub") << at("sub.txt");
        QCOMPARE(shown, expected);
        QCOMPARE(dirs->currentItem()->data(Qt::UserRole).toString(), dir_->path());

        // The drive list shows the volume of the directory shown.
        auto* drives = w->findChild<QComboBox*>("drvList");
        QCOMPARE(drives->currentData().toString(), driveOf(dir_->path()));
        QCOMPARE(drives->itemData(0).toString(), QStringLiteral("/"));

        QVERIFY(FrmFiles::FileExists(at("a.txt")));
        QVERIFY(FrmFiles::FileExists(at("locked.txt")));
        QVERIFY(!FrmFiles::FileExists(at("sub.txt")));
        QVERIFY(!FrmFiles::FileExists(at(".hidden.txt")));
        QVERIFY(!FrmFiles::FileExists(at("none.txt")));
        w->grab().save("/tmp/zlp_frmfiles_lists.png");
        pressButton(w, "CancelButton");
    });
    QCOMPARE(QDir::currentPath(), workingDir);
}

void TestFileChooser::okOnHighlightedDirectoryOnlyOpensIt() {
    QVERIFY(QDir(dir_->path()).mkdir("sub"));
    const QByteArray board = prepareBoard(4);
    runChooser(2, [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        typeName(w, "game");
        auto* dirs = w->findChild<QListWidget*>("dirList");
        clickEntry(dirs, dirEntry(dirs, at("sub")));
        QCOMPARE(FrmFiles::get().shownDirectory(), dir_->path()); // a single click only highlights
        pressButton(w, "OKButton");
        QCOMPARE(FrmFiles::get().shownDirectory(), at("sub"));
        QVERIFY(FrmFiles::get().isLoaded());
        QVERIFY(!QFile::exists(at("game.txt")) && !QFile::exists(at("sub/game.txt")));
        pressButton(w, "OKButton"); // now it saves, in the directory moved to
    });
    QVERIFY(!FrmFiles::get().isLoaded());
    QCOMPARE(fileBytes(at("sub/game.txt")), board);
}

void TestFileChooser::drivesFallBackSilently() {
    runChooser(1, [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        auto* drives = w->findChild<QComboBox*>("drvList");
        const int before = drives->currentIndex();
        // A drive that went away after the list was made.
        drives->addItem("/zlp-no-such-drive", "/zlp-no-such-drive");
        drives->setCurrentIndex(drives->count() - 1);
        emit drives->activated(drives->count() - 1);
        QCOMPARE(drives->currentIndex(), before);
        QCOMPARE(FrmFiles::get().shownDirectory(), dir_->path());
        QCOMPARE(QApplication::activeModalWidget(), w); // no message came up

        // The root drive opens: where the program runs when it lies there, else the top.
        drives->setCurrentIndex(0);
        emit drives->activated(0);
        const QString wd = QDir::currentPath();
        QCOMPARE(FrmFiles::get().shownDirectory(), driveOf(wd) == "/" ? wd : QStringLiteral("/"));
        pressButton(w, "CancelButton");
    });
}

void TestFileChooser::typedNamesGetTheEnding_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("game") << "game"
                          << "game.txt";
    QTest::newRow("game.txt") << "game.txt"
                              << "game.txt";
    QTest::newRow("game.TXT") << "game.TXT"
                              << "game.TXT.txt";
    QTest::newRow("ab") << "ab"
                        << "ab.txt";
    QTest::newRow("empty") << ""
                           << ".txt";
}

void TestFileChooser::typedNamesGetTheEnding() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    // One- and two-digit puzzle numbers: 303 and 304 bytes.
    for (const Int16 puzzle : {Int16(9), Int16(10)}) {
        const QByteArray board = prepareBoard(puzzle);
        runChooser(2, [&](QWidget* w) {
            QVERIFY(openDirectory(w, dir_->path()));
            typeName(w, typed);
            pressButton(w, "OKButton");
        });
        QVERIFY(!FrmFiles::get().isLoaded());
        QCOMPARE(FrmFiles::get().FileMode, Int16(2));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
        const QByteArray bytes = fileBytes(at(written));
        QCOMPARE(bytes.size(), puzzle == 9 ? 303 : 304);
        QCOMPARE(bytes, board); // the second save replaced the first without a question:
                                // hidden names do not count as existing
        if (!written.startsWith('.')) QVERIFY(QFile::remove(at(written)));
    }
}

void TestFileChooser::pickedThenEditedNameIsTakenAsItStands() {
    QVERIFY(writeBytes(at("old.txt"), "old"));
    const QByteArray board = prepareBoard(17);
    runChooser(2, [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        QVERIFY(pickFile(w, "old.txt"));
        auto* box = w->findChild<QLineEdit*>("TxtFileName");
        QCOMPARE(box->text(), QStringLiteral("old.txt"));
        QVERIFY(!w->findChild<QLabel*>("LblEnding")->isVisible());
        typeName(w, "new");
        pressButton(w, "OKButton");
    });
    QCOMPARE(fileBytes(at("new")), board);
    QCOMPARE(fileBytes(at("old.txt")), QByteArray("old"));
    QVERIFY(!QFile::exists(at("new.txt")));
}

void TestFileChooser::replaceQuestion_data() {
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("picked");
    QTest::newRow("typed, OK") << true << false;
    QTest::newRow("typed, Cancel") << false << false;
    QTest::newRow("picked, OK") << true << true;
    QTest::newRow("picked, Cancel") << false << true;
}

void TestFileChooser::replaceQuestion() {
    QFETCH(bool, replace);
    QFETCH(bool, picked);
    QVERIFY(writeBytes(at("game.txt"),
                       "an older file, longer than any board would be: " + QByteArray(400, '#')));
    const QByteArray before = fileBytes(at("game.txt"));
    const QByteArray board = prepareBoard(12);
    bool asked = false;
    runChooser(2, [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        if (picked)
            QVERIFY(pickFile(w, "game.txt"));
        else
            typeName(w, "game");
        onMessageBox([&](QMessageBox* box) {
            asked = true;
            QCOMPARE(box->text(), QStringLiteral("The file game.txt already exists.  Choose OK to "
                                                 "replace file, Cancel to stop."));
            QCOMPARE(box->windowTitle(), QStringLiteral("Zentara's Logic Problems - File Message"));
            QCOMPARE(box->icon(), QMessageBox::Information);
            QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
            box->button(replace ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        pressButton(w, "OKButton");
    });
    QVERIFY(asked);
    QVERIFY(!FrmFiles::get().isLoaded());
    QCOMPARE(fileBytes(at("game.txt")), replace ? board : before);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"game.txt"});
}

void TestFileChooser::failedSaveIsSilent() {
    QVERIFY(QDir(dir_->path()).mkdir("taken.txt"));
    prepareBoard(3);
    for (const QString& typed : {at("missing/game"), QStringLiteral("taken")}) {
        runChooser(2, [&](QWidget* w) {
            QVERIFY(openDirectory(w, dir_->path()));
            typeName(w, typed);
            const auto boxes = countMessageBoxes(w);
            pressButton(w, "OKButton");
            QCOMPARE(*boxes, 0);
        });
        QVERIFY(!FrmFiles::get().isLoaded());
    }
    QVERIFY(!QFile::exists(at("missing")));
    QVERIFY(QFileInfo(at("taken.txt")).isDir());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"taken.txt"});
}

void TestFileChooser::cancelAndCloseBoxEndTheMode() {
    QVERIFY(writeBytes(at("game.txt"), "x"));
    for (const Int16 mode : {Int16(1), Int16(2)}) {
        for (const bool closeBox : {false, true}) {
            runChooser(mode, [&](QWidget* w) {
                QVERIFY(openDirectory(w, dir_->path()));
                QVERIFY(pickFile(w, "game.txt"));
                if (closeBox)
                    w->close();
                else
                    pressButton(w, "CancelButton");
            });
            QCOMPARE(FrmFiles::get().FileMode, Int16(0));
            QVERIFY(!FrmFiles::get().isLoaded());
            QCOMPARE(fileBytes(at("game.txt")), QByteArray("x"));
        }
    }
}

void TestFileChooser::openRefusals() {
    const std::string board3 = formatBoard(3, {});
    QVERIFY(writeBytes(at("empty.txt"), ""));
    QVERIFY(writeBytes(at("letters.txt"), QByteArray(301, 'x')));
    QVERIFY(writeBytes(at("puzzle0.txt"), QByteArray::fromStdString("0" + board3.substr(1))));
    QVERIFY(writeBytes(at("puzzle26.txt"), QByteArray::fromStdString("26" + board3.substr(1))));
    QVERIFY(writeBytes(at("appended.txt"), QByteArray::fromStdString(board3 + "\r\n")));
    FrmMain::get().PuzzleNumber = 7;
    FrmFiles::get().SavedCell.fill(5);

    auto expectMessage = [](const QString& text, const QString& title) {
        onMessageBox([=](QMessageBox* box) {
            QCOMPARE(box->text(), text);
            QCOMPARE(box->windowTitle(), title);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            box->button(QMessageBox::Ok)->click();
        });
    };
    const QString notChosen = QStringLiteral("You did not choose a file to open.");
    const QString openTitle = QStringLiteral("Zentara's Logic Problems - Open a Saved File");
    const QString notABoard = QStringLiteral(
        "This file is not a Zentara's Logic Problems file.  Please choose another file.");
    const QString errorTitle = QStringLiteral("Zentara's Logic Problems - File Error");

    runChooser(1, [&](QWidget* w) {
        expectMessage(notChosen, openTitle);
        pressButton(w, "OKButton");
        QVERIFY(openDirectory(w, dir_->path()));
        for (const char* name :
             {"empty.txt", "letters.txt", "puzzle0.txt", "puzzle26.txt", "appended.txt"}) {
            QVERIFY(pickFile(w, name));
            expectMessage(notABoard, errorTitle);
            pressButton(w, "OKButton");
            // The pick is used up: OK again asks for one.
            expectMessage(notChosen, openTitle);
            pressButton(w, "OKButton");
        }
        QVERIFY(FrmFiles::get().isLoaded());
        pressButton(w, "CancelButton");
    });
    QCOMPARE(FrmMain::get().PuzzleNumber, Int16(7));
    for (const long long v : FrmFiles::get().SavedCell) QCOMPARE(v, 5LL);
    QVERIFY(!FrmLogic::get().isLoaded());
}

void TestFileChooser::fileRemovedBetweenPickAndOk() {
    QVERIFY(writeBytes(at("gone.txt"), QByteArray::fromStdString(formatBoard(2, {}))));
    FrmMain::get().PuzzleNumber = 8;
    runChooser(1, [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir_->path()));
        QVERIFY(pickFile(w, "gone.txt"));
        QVERIFY(QFile::remove(at("gone.txt")));
        onMessageBox([](QMessageBox* box) {
            QCOMPARE(
                box->text(),
                QStringLiteral("The file gone.txt cannot be read.  Please choose another file."));
            QCOMPARE(box->windowTitle(), QStringLiteral("Zentara's Logic Problems - File Error"));
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->button(QMessageBox::Ok)->click();
        });
        pressButton(w, "OKButton");
        QVERIFY(FrmFiles::get().isLoaded());
        pressButton(w, "CancelButton");
    });
    QCOMPARE(FrmMain::get().PuzzleNumber, Int16(8));
}

QTEST_MAIN(TestFileChooser)
#include "test_file_chooser.moc"
