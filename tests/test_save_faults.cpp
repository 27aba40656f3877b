// Saving through the real windows, in a child run of this program, while a tmpfs
// is full, a folder or file is not the player's to write, or a size limit cuts
// the write; cases this machine cannot set up are skipped. Reading: a big file
// is rejected from its end.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "saves/board_file.h"
#include "saves_driver.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fstream>

#include <sys/stat.h>

using namespace zlp;
using namespace zlp::test;

namespace {
// Child run: puzzle 12 on a blank board, saved under path through the
// chooser, OK to the replace question. Exit status: windows that never came.
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

// In a private mount namespace: a 64 KiB tmpfs over $1/disk holding what
// $1/seed holds, filled up; then the save ("$@"); then what the disk holds,
// the filler left out, copied to $1/after.
const char* const kFullDisk = R"(d=$1; shift
mount -t tmpfs -o size=64k zlp "$d/disk" || exit 77
cp -a "$d/seed/." "$d/disk/" && { cat /dev/zero >"$d/disk/filler"; } 2>/dev/null
"$@"; rc=$?
rm -f "$d/disk/filler"; cp -a "$d/disk/." "$d/after/"; exit $rc)";

const QStringList kNobody{"--reuid=nobody", "--regid=nogroup", "--clear-groups"};

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool setMode(const QString& path, int mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

// Bytes this process has read through system calls so far.
qint64 bytesRead() {
    QFile io(QStringLiteral("/proc/self/io"));
    const QByteArray text = io.open(QIODevice::ReadOnly) ? io.readAll() : QByteArray();
    const qsizetype at = text.indexOf("rchar:");
    return at < 0 ? -1 : text.mid(at + 6, text.indexOf('\n', at) - at - 6).trimmed().toLongLong();
}
} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void saveLeavesTheOldFileWhole_data();
    void saveLeavesTheOldFileWhole();
    void bigFileIsRejectedFromItsEnd_data();
    void bigFileIsRejectedFromItsEnd();
};

void TestSaveFaults::saveLeavesTheOldFileWhole_data() {
    const QByteArray board = QByteArray::fromStdString(formatBoard(5, {})); // all X
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QByteArray>("old"); // empty: no file of that name
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("disk full, replacing a board") << true << board << 0755 << 0644 << 0 << false;
    QTest::newRow("disk full, new name") << true << QByteArray() << 0755 << 0644 << 0 << false;
    QTest::newRow("read-only folder, writable board")
        << false << board << 0555 << 0666 << 0 << true;
    QTest::newRow("read-only board") << false << board << 0777 << 0444 << 0 << false;
    // Written in place, the write stops at 200 bytes: the old bytes go back.
    QTest::newRow("read-only folder, write cut short")
        << false << QByteArray("notes\r\n") << 0555 << 0666 << 200 << false;
}

void TestSaveFaults::saveLeavesTheOldFileWhole() {
    QFETCH(bool, fullDisk);
    QFETCH(QByteArray, old);
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(int, sizeLimit);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString self = QCoreApplication::applicationFilePath();
    const QString disk = dir.filePath(QStringLiteral("disk"));
    const QString name = disk + QStringLiteral("/board.txt");
    for (const char* sub : {"disk", "seed", "after"}) QVERIFY(QDir(dir.path()).mkdir(sub));
    QVERIFY(setMode(dir.path(), 0755));

    QProcess save;
    QString looked = disk;
    if (fullDisk) {
        if (QProcess::execute(QStringLiteral("unshare"), {"-m", "true"}) != 0)
            QSKIP("no private mount namespace here: unshare -m is refused");
        if (!old.isEmpty()) QVERIFY(write(dir.filePath(QStringLiteral("seed/board.txt")), old));
        save.start(QStringLiteral("unshare"),
                   {"-m", "sh", "-c", kFullDisk, "sh", dir.path(), self, "--save", name});
        looked = dir.filePath(QStringLiteral("after"));
    } else {
        if (QProcess::execute(
                QStringLiteral("setpriv"),
                kNobody + QStringList{"test", "-x", self, "-a", "-r", "ZLP-Images/blank.gif"}) != 0)
            QSKIP("setpriv cannot run this program as nobody here");
        if (!old.isEmpty()) QVERIFY(write(name, old) && setMode(name, fileMode));
        QVERIFY(setMode(disk, folderMode));
        QStringList args = kNobody;
        if (sizeLimit > 0) args << "prlimit" << QStringLiteral("--fsize=%1").arg(sizeLimit);
        save.start(QStringLiteral("setpriv"), args << self << "--save" << name);
    }
    QVERIFY(save.waitForFinished(60000));
    if (save.exitCode() == 77) QSKIP("a tmpfs cannot be mounted here");
    QCOMPARE(save.exitCode(), 0);

    // Nothing but the board's own name is left, holding the old or the new board.
    const QStringList left = QDir(looked).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                    QDir::NoDotAndDotDot);
    QCOMPARE(left, old.isEmpty() ? QStringList() : QStringList{"board.txt"});
    std::array<Int16, kCellCount> blank{};
    blank.fill(kStateBlank);
    QFile now(looked + QStringLiteral("/board.txt"));
    if (!old.isEmpty() && now.open(QIODevice::ReadOnly))
        QCOMPARE(now.readAll(), replaced ? QByteArray::fromStdString(formatBoard(12, blank)) : old);
}

void TestSaveFaults::bigFileIsRejectedFromItsEnd_data() {
    QTest::addColumn<char>("c"); // the file's only byte value; NUL makes it sparse
    QTest::newRow("one line") << '\0';
    QTest::newRow("bare line feeds") << '\n';
}

void TestSaveFaults::bigFileIsRejectedFromItsEnd() {
    QFETCH(char, c);
    if (bytesRead() < 0) QSKIP("no /proc/self/io to count the bytes read");
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("big.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(c == '\0' ? f.resize(qint64(1) << 30) : f.write(QByteArray(16 << 20, c)) > 0);
    f.close();
    const qint64 before = bytesRead();
    std::ifstream in(QFile::encodeName(f.fileName()).toStdString(), std::ios::binary);
    QCOMPARE(readSavedBoard(in).outcome, ReadOutcome::NotABoard);
    // The last few KiB, and nothing of the many MiB before them.
    QVERIFY2(bytesRead() - before < 64 * 1024, qPrintable(QString::number(bytesRead() - before)));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--save") == 0)
        return saveBoard(QString::fromLocal8Bit(argv[2]));
    TestSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_save_faults.moc"
