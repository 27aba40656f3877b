// SPDX-License-Identifier: GPL-3.0-or-later
// Saves through the real windows, in a child run, onto a full disk, into a
// folder or file not the player's, or cut short; a big file is read from its end.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "saves/board_file.h"
#include "saves_driver.h"

#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <fstream>

#include <sys/stat.h>

using namespace zlp;
using namespace zlp::test;

namespace {
// Child run: puzzle 12 on a blank board saved under path through the chooser,
// OK to the replace question. Exit status: windows that never came.
int saveBoard(const QString& path) {
    std::signal(SIGXFSZ, SIG_IGN); // a size limit then fails the write, not the run
    prepareApplication();
    FrmMain::get().PuzzleNumber = 12;
    FrmLogic::get().show();
    if (FrmFiles::FileExists(path))
        onMessageBox([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    onWindow(QStringLiteral("FrmFiles"), [&](QWidget* w) {
        typeName(w, path);
        pressButton(w, QStringLiteral("OKButton"));
    });
    FrmLogic::get().CmdSave_Click();
    for (const QString& name : FrmMain::exitOrder()) ui::FormBase::releaseByName(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return missedModals();
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
};

bool setMode(const QString& path, int mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
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
    void bigFileIsRejectedFromItsEnd();
};

void TestSaveFaults::saveLeavesTheOldFileWhole_data() {
    const QByteArray board = QByteArray::fromStdString(formatBoard(5, {})); // all X
    QTest::addColumn<Case>("c");
    QTest::newRow("disk full, replacing a board") << Case{true, board, 0755, 0644, {}, false};
    QTest::newRow("disk full, new name") << Case{true, {}, 0755, 0644, {}, false};
    QTest::newRow("read-only folder, writable board") << Case{false, board, 0555, 0666, {}, true};
    QTest::newRow("read-only board") << Case{false, board, 0777, 0444, {}, false};
    // Written in place, the write stops at 200 bytes: the old bytes go back.
    QTest::newRow("read-only folder, write cut short")
        << Case{false, "notes\r\n", 0555, 0666, {"prlimit", "--fsize=200"}, false};
}

void TestSaveFaults::saveLeavesTheOldFileWhole() {
    QFETCH(Case, c);
    QTemporaryDir dir;
    const QString self = QCoreApplication::applicationFilePath();
    const QString name = dir.filePath(QStringLiteral("disk/board.txt"));
    for (const char* sub : {"disk", "seed", "after"}) QVERIFY(QDir(dir.path()).mkdir(sub));
    // The save runs on a full tmpfs in a mount namespace of its own, or as nobody.
    const QStringList run =
        c.fullDisk ? QStringList{"-m", "sh", "-c", kFullDisk, "sh", dir.path()}
                   : QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    const QString tool = QLatin1String(c.fullDisk ? "unshare" : "setpriv");
    const int probe = QProcess::execute(
        tool, run + QStringList{"test", "-x", self, "-a", "-r", "ZLP-Images/blank.gif"});
    if (probe == 77) QSKIP("a tmpfs cannot be mounted here");
    if (probe != 0)
        QSKIP(c.fullDisk ? "no private mount namespace here: unshare -m is refused"
                         : "setpriv cannot run this program as nobody here");

    QFile old(c.fullDisk ? dir.filePath(QStringLiteral("seed/board.txt")) : name);
    if (!c.old.isEmpty())
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(c.old) == c.old.size() && old.flush() &&
                setMode(old.fileName(), c.fileMode));
    QVERIFY(setMode(dir.path(), 0755) && setMode(dir.filePath("disk"), c.folderMode));
    QCOMPARE(QProcess::execute(tool, run + c.limit + QStringList{self, "--save", name}), 0);

    // Only the board's own name is left, holding the old or the new board.
    const QDir looked(dir.filePath(QLatin1String(c.fullDisk ? "after" : "disk")));
    QCOMPARE(
        looked.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        c.old.isEmpty() ? QStringList() : QStringList{"board.txt"});
    if (c.old.isEmpty()) return;
    std::array<Int16, kCellCount> blank{};
    blank.fill(kStateBlank);
    QFile now(looked.filePath(QStringLiteral("board.txt")));
    QVERIFY(now.open(QIODevice::ReadOnly));
    QCOMPARE(now.readAll(), c.replaced ? QByteArray::fromStdString(formatBoard(12, blank)) : c.old);
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
        const qint64 read = bytesRead() - before;
        QVERIFY2(read < 64 * 1024, qPrintable(QString::number(read)));
    }
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--save") == 0)
        return saveBoard(QString::fromLocal8Bit(argv[2]));
    TestSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_save_faults.moc"
