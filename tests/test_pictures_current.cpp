// The committed pictures are those zlp-pictures draws now, and the tool's
// check mode notices a picture that is changed or missing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run runCheck(const QString& root) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(ZLP_PICTURES_TOOL), {QStringLiteral("--check"), root});
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit) return {};
    return {tool.exitCode(), QString::fromLocal8Bit(tool.readAll())};
}

// Copies what the check mode compares (and the file that marks the source
// root) into dir.
bool copyPictures(const QString& dir) {
    const QDir source = QDir::current();
    if (!QFile::copy(source.filePath(QStringLiteral("CMakeLists.txt")),
                     QDir(dir).filePath(QStringLiteral("CMakeLists.txt"))))
        return false;
    for (const QString& sub : {QStringLiteral("ui/pictures"), QStringLiteral("ZLP-Images")}) {
        QDir(dir).mkpath(sub);
        const QDir from(source.filePath(sub));
        for (const QString& name : from.entryList(QDir::Files))
            if (!QFile::copy(from.filePath(name),
                             QDir(dir).filePath(sub + QLatin1Char('/') + name)))
                return false;
    }
    return true;
}

} // namespace

class PicturesCurrentTest : public QObject {
    Q_OBJECT

private slots:
    void committedPicturesAreCurrent() {
        const Run run = runCheck(QDir::currentPath());
        QVERIFY2(run.exitCode == 0,
                 qPrintable(QStringLiteral("run tools/zlp-pictures to bring these up to date:\n") +
                            run.output));
    }

    void checkNoticesChangedAndMissingPictures() {
        QTemporaryDir copy;
        QVERIFY(copy.isValid());
        QVERIFY(copyPictures(copy.path()));
        QCOMPARE(runCheck(copy.path()).exitCode, 0);

        // One byte of a palette changed, one picture gone.
        QFile changed(QDir(copy.path()).filePath(QStringLiteral("ui/pictures/o.gif")));
        QVERIFY(changed.open(QIODevice::ReadWrite));
        QByteArray bytes = changed.readAll();
        bytes[13] = static_cast<char>(bytes[13] ^ 0x01);
        QVERIFY(changed.seek(0));
        QCOMPARE(changed.write(bytes), bytes.size());
        changed.close();
        QVERIFY(QFile::remove(QDir(copy.path()).filePath(QStringLiteral("ZLP-Images/Puz07.gif"))));

        const Run run = runCheck(copy.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(QStringLiteral("ui/pictures/o.gif: differs")),
                 qPrintable(run.output));
        QVERIFY2(run.output.contains(QStringLiteral("ZLP-Images/Puz07.gif: missing")),
                 qPrintable(run.output));
        QVERIFY2(!run.output.contains(QStringLiteral("x.gif")), qPrintable(run.output));
    }
};

QTEST_MAIN(PicturesCurrentTest)
#include "test_pictures_current.moc"
