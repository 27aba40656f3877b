// SPDX-License-Identifier: GPL-3.0-or-later
// Saves in a child run onto a full disk, into what is not the player's, over a FIFO or device,
// under the longest name, cut or killed at each step; hostile names; big files read from the end.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "saves/board_file.h"
#include "saves/file_store.h"
#include "saves_driver.h"

#include <QComboBox>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zlp;
using namespace zlp::test;

namespace {
int killAt = 0; // the step of the save that ends the child; 0: none

// Child run: puzzle 5, blank, saved to path by the chooser, OK to replace; exit: windows missed.
int saveBoard(const QString& path) {
    std::signal(SIGXFSZ, SIG_IGN); // a size limit then fails the write, not the run
    afterSaveStep = [](const char*) {
        if (--killAt == 0) ::kill(::getpid(), SIGKILL);
    };
    prepareApplication();
    FrmMain::get().PuzzleNumber = 5;
    FrmLogic::get().show();
    // A name shown as markup could hide itself: such a question is not answered.
    if (FrmFiles::FileExists(path))
        onMessageBox([](QMessageBox* box) {
            if (box->textFormat() == Qt::PlainText) box->button(QMessageBox::Ok)->click();
        });
    onWindow(QStringLiteral("FrmFiles"), [&](QWidget* w) {
        typeName(w, path);
        pressButton(w, QStringLiteral("OKButton"));
    });
    FrmLogic::get().CmdSave_Click();
    return releaseAll();
}

// In a private mount namespace: a full 64 KiB tmpfs over $1/disk holding $1/seed;
// the command ("$@"); then the disk, less its filler, copied to $1/after.
const char* const kFullDisk = R"(d=$1; shift
mount -t tmpfs -o size=64k zlp "$d/disk" || exit 77
cp -a "$d/seed/." "$d/disk/" && { cat /dev/zero >"$d/disk/filler"; } 2>/dev/null
"$@"; rc=$?
rm -f "$d/disk/filler"; cp -a "$d/disk/." "$d/after/"; exit $rc)";

struct Case {
    bool fullDisk;
    QByteArray old; // empty: no file of that name
    int folderMode, fileMode;
    QStringList limit; // what the save runs under
    bool replaced;
    // f: a file; p: a FIFO; z: a link to /dev/zero; l: a link to ../ro/board.txt,
    // a file in a folder nobody may write to; n: a file of the longest name, with markup.
    char kind = 'f';
};

bool setMode(const QString& path, int mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

// Exit code of a run; -1 for a crash or a kill, -2 when it still ran after 20 s.
int run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return -2;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

const QStringList kAsNobody{"--reuid=nobody", "--regid=nogroup", "--clear-groups"};

// What the child saves: puzzle 5, blank, 303 bytes; the boards it replaces are longer.
bool holdsNewBoard(const QByteArray& bytes) {
    std::istringstream in(bytes.toStdString());
    const ReadResult r = readSavedBoard(in);
    return r.outcome == ReadOutcome::Board && r.board.puzzleNumber == 5 &&
           std::ranges::count(r.board.cells, kStateBlank) == kCellCount;
}

// Bytes this process has read so far (/proc/self/io's first line); -1: not known.
qint64 bytesRead() {
    QFile io(QStringLiteral("/proc/self/io"));
    return io.open(QIODevice::ReadOnly) ? io.readLine().mid(7).trimmed().toLongLong() : -1;
}
} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void saveLeavesTheOldFileWhole_data();
    void saveLeavesTheOldFileWhole();
    void killedSaveLeavesOldOrNew();
    void bigFileIsRejectedFromItsEnd();
    void readerOpensOnlyFiles();
    void chooserReachesEveryName();
    void hugeFolderListsWhole();
};

void TestSaveFaults::saveLeavesTheOldFileWhole_data() {
    const QByteArray board = QByteArray::fromStdString(formatBoard(15, {})); // all X
    QTest::addColumn<Case>("c");
    QTest::newRow("disk full, replacing a board") << Case{true, board, 0755, 0644, {}, false};
    QTest::newRow("disk full, new name") << Case{true, {}, 0755, 0644, {}, false};
    QTest::newRow("read-only folder, writable board") << Case{false, board, 0555, 0666, {}, true};
    const QByteArray kept(1 << 20, 'x'); // the most a save in place keeps to put back
    QTest::newRow("read-only folder, 1 MiB kept") << Case{false, kept, 0555, 0666, {}, true};
    QTest::newRow("read-only folder, 1 MiB + 1") << Case{false, kept + 'x', 0555, 0666, {}, false};
    QTest::newRow("read-only board") << Case{false, board, 0777, 0444, {}, false};
    // Written in place, the write stops at 200 bytes: the old bytes go back.
    QTest::newRow("read-only folder, write cut short")
        << Case{false, "notes\r\n", 0555, 0666, {"prlimit", "--fsize=200"}, false};
    QTest::newRow("read-only folder, FIFO") << Case{false, {}, 0555, 0666, {}, false, 'p'};
    QTest::newRow("read-only folder, device link") << Case{false, {}, 0555, 0666, {}, false, 'z'};
    QTest::newRow("link into a read-only folder") << Case{false, board, 0777, 0666, {}, true, 'l'};
    QTest::newRow("255-byte name with markup") << Case{false, board, 0777, 0666, {}, true, 'n'};
}

void TestSaveFaults::saveLeavesTheOldFileWhole() {
    QFETCH(Case, c);
    QTemporaryDir dir;
    const QString self = QCoreApplication::applicationFilePath();
    const QString board =
        c.kind == 'n' ? "<b><!--" + QString(244, 'b') + ".txt" : QStringLiteral("board.txt");
    const QString name = dir.filePath("disk/" + board);
    for (const char* sub : {"disk", "seed", "after", "ro"}) QVERIFY(QDir(dir.path()).mkdir(sub));
    // The save runs on a full tmpfs in a mount namespace of its own, or as nobody.
    const QStringList run =
        c.fullDisk ? QStringList{"-m", "sh", "-c", kFullDisk, "sh", dir.path()} : kAsNobody;
    const QString tool = QLatin1String(c.fullDisk ? "unshare" : "setpriv");
    const int probe = QProcess::execute(
        tool, run + QStringList{"test", "-x", self, "-a", "-r", "ZLP-Images/blank.gif"});
    if (probe == 77) QSKIP("a tmpfs cannot be mounted here");
    if (probe != 0)
        QSKIP(c.fullDisk ? "no private mount namespace here: unshare -m is refused"
                         : "setpriv cannot run this program as nobody here");

    const QString held = c.kind == 'l' ? dir.filePath("ro/board.txt") : name;
    QFile old(c.fullDisk ? dir.filePath(QStringLiteral("seed/board.txt")) : held);
    if (!c.old.isEmpty())
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(c.old) == c.old.size() && old.flush() &&
                setMode(old.fileName(), c.fileMode));
    const QByteArray at = QFile::encodeName(name);
    if (c.kind == 'p') QVERIFY(::mkfifo(at, 0666) == 0);
    if (c.kind == 'z' || c.kind == 'l')
        QVERIFY(::symlink(c.kind == 'z' ? "/dev/zero" : "../ro/board.txt", at) == 0);
    QVERIFY(setMode(dir.path(), 0755) && setMode(dir.filePath("disk"), c.folderMode) &&
            setMode(dir.filePath("ro"), 0555));
    QCOMPARE(::run(tool, run + c.limit + QStringList{self, "--save", name}), 0);

    // Only the board's own name is left, holding the old or the new board.
    const QDir looked(dir.filePath(QLatin1String(c.fullDisk ? "after" : "disk")));
    QCOMPARE(
        looked.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        c.old.isEmpty() && c.kind == 'f' ? QStringList() : QStringList{board});
    const QFileInfo left(looked.filePath(board));
    QCOMPARE(left.isSymLink(), c.kind == 'z' || c.kind == 'l');
    if (c.kind == 'p') QVERIFY(left.isFile() == false && left.exists());
    if (c.old.isEmpty()) return;
    const QByteArray now = savedBytes(left.filePath());
    if (c.replaced)
        QVERIFY2(holdsNewBoard(now), now.left(400).constData());
    else
        QCOMPARE(now, c.old);
}

// The child is ended at each step of the save in turn, over a longer board, one as long, or long
// notes (beside only): the folder lists the board's name only, holding the old bytes or the new
// board. In place, a longer board is cut to the new one in a second step, and between the two it
// holds the new board and the old one's last byte: the format has no padding to spare that.
void TestSaveFaults::killedSaveLeavesOldOrNew() {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("board.txt"));
    const QString self = QCoreApplication::applicationFilePath();
    if (QProcess::execute("setpriv", kAsNobody + QStringList{"test", "-x", self}) != 0)
        QSKIP("setpriv cannot run this program as nobody here");
    std::array<Int16, kCellCount> marked{};
    marked.fill(kStateO);
    const QByteArray longer = QByteArray::fromStdString(formatBoard(15, {})),
                     same = QByteArray::fromStdString(formatBoard(6, marked));
    // Steps: beside it written, synced, renamed, the folder synced; in place
    // written, cut if longer, synced.
    for (const auto& [folder, old, steps] : {std::tuple{0777, longer, 4},
                                             {0777, same, 4},
                                             {0777, QByteArray(2000, 'n'), 4},
                                             {0555, longer, 3},
                                             {0555, same, 2}}) {
        int step = 1;
        for (int rc = -1; rc == -1 && step < 20; ++step) {
            for (const QString& temp : QDir(dir.path()).entryList(QDir::Hidden | QDir::Files))
                QVERIFY(QFile::remove(dir.filePath(temp)));
            QVERIFY(putBytes(name, old) && setMode(name, 0666) && setMode(dir.path(), folder));
            rc = run("setpriv",
                     kAsNobody + QStringList{self, "--save", name, QString::number(step)});
            QVERIFY(setMode(dir.path(), 0777));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"board.txt"});
            const QByteArray now = savedBytes(name);
            const bool cutLater = folder == 0555 && now.size() == old.size() &&
                                  now.endsWith(old.back()) && holdsNewBoard(now.chopped(1));
            QVERIFY2(now == old || holdsNewBoard(now) || cutLater,
                     qPrintable(QString::number(step)));
        }
        QCOMPARE(step - 2, steps); // each step was reached, and then the whole save
        QVERIFY(holdsNewBoard(savedBytes(name)));
    }
}

// Many MiB of one byte value, NUL (sparse, one line) or line feeds, are
// rejected from the last few KiB.
void TestSaveFaults::bigFileIsRejectedFromItsEnd() {
    if (bytesRead() < 0) QSKIP("no /proc/self/io to count the bytes read");
    QTemporaryDir dir;
    for (const char c : {'\0', '\n'}) {
        QFile f(dir.filePath(QStringLiteral("big%1.txt").arg(int(c))));
        QVERIFY(f.open(QIODevice::WriteOnly) &&
                (c ? f.write(QByteArray(16 << 20, c)) > 0 : f.resize(qint64(1) << 30)) &&
                f.flush());
        const qint64 before = bytesRead();
        std::ifstream in(QFile::encodeName(f.fileName()).toStdString(), std::ios::binary);
        QCOMPARE(readSavedBoard(in).outcome, ReadOutcome::NotABoard);
        QCOMPARE_LT(bytesRead() - before, qint64(64 * 1024));
    }
}

// A FIFO with no writer, a device behind a link, a link to nowhere, a folder:
// refused at once, nothing waits and nothing is read without end.
void TestSaveFaults::readerOpensOnlyFiles() {
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo.txt"));
    const QByteArray zero = QFile::encodeName(dir.filePath("zero.txt"));
    const QByteArray nowhere = QFile::encodeName(dir.filePath("nowhere.txt")); // a link
    QVERIFY(::mkfifo(fifo, 0666) == 0 && ::symlink("/dev/zero", zero) == 0 &&
            ::symlink("gone/board.txt", nowhere) == 0);
    for (const QByteArray& path : {fifo, zero, nowhere, QFile::encodeName(dir.path())}) {
        QCOMPARE(readBoardFile(path.toStdString()).outcome, ReadOutcome::Unreadable);
        replaceFile(path.toStdString(), "1\r\n");
        QVERIFY(!QFileInfo(QFile::decodeName(path)).isFile()); // nor made into one
    }
    // A new board is a plain text file as the umask allows; a replaced one keeps its mode.
    const std::string board = QFile::encodeName(dir.filePath("board.txt")).toStdString();
    struct stat st {};
    ::umask(022); // as a desktop session has it
    for (const auto& [text, mode] : {std::pair{"1\r\n", 0644}, {"2\r\n", 0600}}) {
        QVERIFY(::chmod(board.c_str(), mode_t(mode)) == 0 || mode == 0644);
        replaceFile(board, text);
        QVERIFY(::stat(board.c_str(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, mode_t(mode));
    }
    // Started without standard input, the game's first file takes descriptor 0.
    const int input = ::dup(0);
    QVERIFY(input > 0 && ::close(0) == 0);
    replaceFile(board + ".new", "3\r\n"), replaceFile(board, "1\r\n");
    const bool done = savedBytes(QFile::decodeName((board + ".new").c_str())) == "3\r\n" &&
                      readBoardFile(board).outcome != ReadOutcome::Unreadable &&
                      ::fcntl(0, F_GETFD) < 0; // and none of their files is left open
    QVERIFY(::dup2(input, 0) == 0 && ::close(input) == 0 && done);
    QCOMPARE(listFolder(dir.path().toStdString()).size(), 5u); // nothing left behind
}

// With the working folder gone the chooser still shows one; a name that is not UTF-8 is listed and
// opens; a saved value outside 0 to 2 leaves its cell blank.
void TestSaveFaults::chooserReachesEveryName() {
    prepareApplication();
    const QString home = QDir::currentPath();
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("gone") && QDir::setCurrent(dir.filePath("gone")) &&
            QDir(dir.path()).rmdir("gone"));
    const QString shown = FrmFiles::get().shownDirectory();
    QVERIFY(QDir::setCurrent(home));
    QVERIFY2(QFileInfo(shown).isDir(), qPrintable(shown));
    FrmFiles::get().unload();

    std::string text = formatBoard(9, {});
    text[2] = '3';
    text.replace(4, 1, "-1");
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/caf\xe9.txt";
    QVERIFY(std::ofstream(latin1.constData(), std::ios::binary) << text);
    FrmLogic::get().board.CellState.fill(kStateX); // the previous board's marks
    FrmFiles::get().FileMode = 1;
    onWindow(QStringLiteral("FrmFiles"), [&](QWidget* w) {
        QVERIFY(openDirectory(w, dir.path()) && pickFile(w, QString::fromUtf8("caf\xe9.txt")));
        onWindow(QStringLiteral("FrmLogic"), [&](QWidget*) {
            FrmLogic& logic = FrmLogic::get();
            QCOMPARE(FrmMain::get().PuzzleNumber, Int16(9));
            for (int k : {0, 1}) {
                QCOMPARE(logic.board.state(k), kStateBlank);
                QCOMPARE(logic.cellShows(k), Picture::Blank);
            }
            QCOMPARE(logic.board.state(2), kStateX);
            logic.unload();
        });
        pressButton(w, "OKButton");
    });
    FrmFiles::get().showModal();

    QCOMPARE(missedModals(), 0);
}

// 100,000 subfolders, made in memory, are listed whole under the busy cursor.
void TestSaveFaults::hugeFolderListsWhole() {
    if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable()) QSKIP("no /dev/shm to fill here");
    QTemporaryDir dir(QStringLiteral("/dev/shm/zlp-XXXXXX"));
    for (int i = 0; i < 100000; ++i)
        QVERIFY(::mkdir(QFile::encodeName(dir.filePath(QString::number(i))), 0755) == 0);
    FrmFiles::get().FileMode = 1;
    onWindow(QStringLiteral("FrmFiles"), [&](QWidget* w) {
        auto* dirs = w->findChild<QListWidget*>("dirList");
        int busy = 0;
        QObject::connect(dirs->model(), &QAbstractItemModel::rowsInserted, [&] {
            busy += QApplication::overrideCursor() &&
                    QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        });
        QVERIFY(openDirectory(w, dir.path())); // how long it takes is in bench/
        QCOMPARE(dirs->count(), 100000 + int(QDir(dir.path()).absolutePath().count('/')) + 1);
        QVERIFY(busy > 0 && !QApplication::overrideCursor());
        // Its drive shows; the root drive, picked by key, shows the working folder if on it.
        auto* drives = w->findChild<QComboBox*>("drvList");
        const int count = drives->count();
        QCOMPARE(drives->currentText(), QStringLiteral("/dev/shm"));
        QTest::keyClick(drives, Qt::Key_Home);
        const QString home = QDir::currentPath(), top = QStorageInfo(home).rootPath();
        QCOMPARE(FrmFiles::get().shownDirectory(), top == "/" ? home : QStringLiteral("/"));
        QCOMPARE(drives->count(), count);
        pressButton(w, "CancelButton");
    });
    FrmFiles::get().showModal();
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--save") == 0) {
        ::alarm(60); // a child its test no longer waits for must not write on for ever
        killAt = argc > 3 ? std::atoi(argv[3]) : 0;
        return saveBoard(QString::fromLocal8Bit(argv[2]));
    }
    TestSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_save_faults.moc"
