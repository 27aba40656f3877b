// Saving through the real windows while the file system refuses: a full disk
// (a small tmpfs in a private mount namespace), a folder or a file the player
// may not write (the save run as an unprivileged user), a file size limit.
// The save runs in a child run of this program; a case this machine cannot
// set up is skipped, saying why.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "saves/board_file.h"
#include "saves_driver.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

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

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void saveLeavesTheOldFileWhole_data();
    void saveLeavesTheOldFileWhole();
};

void TestSaveFaults::saveLeavesTheOldFileWhole_data() {
    std::array<Int16, kCellCount> marks{};
    marks.fill(kStateX);
    const QByteArray board = QByteArray::fromStdString(formatBoard(5, marks));
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
    if (geteuid() != 0) QSKIP("needs root, to mount a tmpfs or to become another user");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString self = QCoreApplication::applicationFilePath();
    const QString disk = dir.filePath(QStringLiteral("disk"));
    const QString name = disk + QStringLiteral("/board.txt");
    for (const char* sub : {"disk", "seed", "after"}) QVERIFY(QDir(dir.path()).mkdir(sub));
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);

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
        if (!old.isEmpty()) {
            QVERIFY(write(name, old));
            QVERIFY(::chmod(QFile::encodeName(name).constData(), mode_t(fileMode)) == 0);
        }
        QVERIFY(::chmod(QFile::encodeName(disk).constData(), mode_t(folderMode)) == 0);
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
    if (!old.isEmpty())
        QCOMPARE(fileBytes(looked + QStringLiteral("/board.txt")),
                 replaced ? QByteArray::fromStdString(formatBoard(12, blank)) : old);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--save") == 0)
        return saveBoard(QString::fromLocal8Bit(argv[2]));
    TestSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_save_faults.moc"
