// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures are those zlp-pictures draws now, and the headings fit the board.
#include "catalogue/catalogue.h"
#include "ui/pictures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
int runCheck(const QString& root, QString* output = nullptr) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(ZLP_PICTURES_TOOL), {QStringLiteral("--check"), root});
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit) return -1;
    if (output) *output = QString::fromLocal8Bit(tool.readAll());
    return tool.exitCode();
}

// True when every pixel of the area is opaque white.
bool blankArea(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}
} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void committedPicturesAreCurrent() {
        QString output;
        QVERIFY2(runCheck(QDir::currentPath(), &output) == 0,
                 qPrintable("run tools/zlp-pictures to redraw:\n" + output));
    }

    // A copy with one palette byte changed and one picture gone fails the check.
    void checkNoticesChangedAndMissingPictures() {
        QTemporaryDir copy;
        const QDir to(copy.path()), from = QDir::current();
        QVERIFY(QFile::copy(from.filePath("CMakeLists.txt"), to.filePath("CMakeLists.txt")));
        for (const QString& sub : {QStringLiteral("ui/pictures"), QStringLiteral("ZLP-Images")}) {
            to.mkpath(sub);
            for (const QString& name : QDir(from.filePath(sub)).entryList(QDir::Files))
                if (name != QStringLiteral("Puz07.gif"))
                    QFile::copy(from.filePath(sub + '/' + name), to.filePath(sub + '/' + name));
        }
        QFile changed(to.filePath("ui/pictures/o.gif")); // one byte of its palette
        QVERIFY(changed.open(QIODevice::ReadWrite) && changed.seek(13));
        const char byte = changed.read(1).at(0);
        QVERIFY(changed.seek(13) && changed.write(QByteArray(1, char(byte ^ 1))) == 1);
        changed.close();
        QString output;
        QCOMPARE(runCheck(copy.path(), &output), 1);
        QVERIFY2(output.contains("ui/pictures/o.gif: differs") &&
                     output.contains("ZLP-Images/Puz07.gif: missing"),
                 qPrintable(output));
    }

    // Each heading stands in its own column, clear of the grid lines; a column
    // has writing exactly when its item has a name.
    void headingsStandOverTheirColumns() {
        for (const zlp::PuzzleRecord& record : zlp::PuzzleCatalogue::instance().all()) {
            const QString file = QString::fromStdString(record.HeadingPicture);
            const auto picture = zlp::ui::loadPictureFile(QStringLiteral("ZLP-Images\\") + file);
            QVERIFY2(picture && picture->size() == QSize(358, 81), qPrintable(file));
            const QImage image = picture->toImage();
            for (int column = 0; column < 15; ++column) {
                QVERIFY2(blankArea(image, QRect(column * 24, 0, 1, 81)), qPrintable(file));
                const std::string& item =
                    record.Items[std::size_t(1 + column / 5)][std::size_t(column % 5)];
                const QRect room = QRect(column * 24 + 1, 0, 23, 81).intersected(image.rect());
                QVERIFY2(blankArea(image, room) == item.empty(), qPrintable(file));
            }
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures_current.moc"
