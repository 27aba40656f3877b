// Screens with two device pixels to a pixel: every picture has a twin drawn
// at twice the size, which the windows show in the same room; and the windows
// carry the names the installed desktop entry matches them by.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "ui/controls.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace zlp;

namespace {

QString twin(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@2x") +
           path.mid(path.lastIndexOf(QLatin1Char('.')));
}

// Mean difference per colour channel, 0 to 255, of two pictures laid on white.
double meanDifference(const QImage& a, const QImage& b) {
    QImage x(a.size(), QImage::Format_RGB32), y(a.size(), QImage::Format_RGB32);
    x.fill(Qt::white);
    y.fill(Qt::white);
    QPainter(&x).drawImage(0, 0, a);
    QPainter(&y).drawImage(0, 0, b);
    double sum = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        prepareApplication();
    }

    // A twin is the same drawing at twice the size: brought down to the
    // plain picture's size it differs only in how edges are smoothed.
    void twinsAreTheSameDrawingTwiceAsLarge_data() {
        QTest::addColumn<QString>("path");
        for (const char* name : {"x.gif", "o.gif", "redo.gif", "purpleo.gif", "example1.gif",
                                 "example2.gif", "example3.gif", "zlp.ico", "eraser.ico"})
            QTest::newRow(name) << QStringLiteral(":/pictures/") + QLatin1String(name);
        const QDir files(QStringLiteral("ZLP-Images"));
        for (const QString& name : files.entryList({QStringLiteral("*.gif")}, QDir::Files))
            if (!name.contains(QLatin1Char('@')))
                QTest::newRow(qPrintable(name)) << files.filePath(name);
    }
    void twinsAreTheSameDrawingTwiceAsLarge() {
        QFETCH(QString, path);
        QImage one(path);
        const QImage two(twin(path));
        QVERIFY2(!one.isNull() && !two.isNull(), qPrintable(path));
        QCOMPARE(two.size(), one.size() * 2);
        QImage reduced = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        reduced.setDevicePixelRatio(1);
        // Compared a little blurred, as a stroke may fall half a pixel apart.
        const QSize coarse = one.size() / 2;
        one = one.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        reduced = reduced.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Measured against the ink the picture has: closer to the picture than
        // a blank would be by a margin, thin writing counting as much as bold.
        QImage white(one.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        const double apart = meanDifference(one, reduced), ink = meanDifference(one, white);
        QVERIFY2(apart <= 0.8 * ink, qPrintable(QStringLiteral("%1 of %2").arg(apart).arg(ink)));
    }

    // Twins take the plain picture's room; a file without a twin still shows.
    void picturesKeepTheirSizeInPixels() {
        const QPixmap x = ui::storedPicture(QStringLiteral("x.gif"));
        QCOMPARE(x.devicePixelRatio(), 2.0);
        QCOMPARE(x.deviceIndependentSize(), QSizeF(23, 23));
        const auto heading = ui::loadPictureFile(QStringLiteral("ZLP-Images\\Puz01.gif"));
        QVERIFY(heading);
        QCOMPARE(heading->devicePixelRatio(), 2.0);
        QCOMPARE(heading->deviceIndependentSize(), QSizeF(358, 81));

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ZLP-Images")));
        QVERIFY(QFile::copy(QStringLiteral("ZLP-Images/blank.gif"),
                            dir.filePath(QStringLiteral("ZLP-Images/blank.gif"))));
        const QString home = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const auto blank = ui::loadPictureFile(QStringLiteral("ZLP-Images\\blank.gif"));
        QDir::setCurrent(home);
        QVERIFY(blank);
        QCOMPARE(blank->devicePixelRatio(), 1.0);
        QCOMPARE(blank->size(), QSize(23, 23));

        FrmMain::get().PuzzleNumber = 1;
        FrmLogic& board = FrmLogic::get();
        QCOMPARE(board.cell(0)->picture().devicePixelRatio(), 2.0);
        QCOMPARE(board.cell(0)->size(), QSize(23, 23));
        QCOMPARE(board.image(QStringLiteral("ImgX"))->size(), QSize(25, 25));
        QCOMPARE(board.image(QStringLiteral("ImgMag"))->picture().devicePixelRatio(), 2.0);
        FrmLogic::release();
        FrmMain::release();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The desktop matches windows to the installed entry by its file name
    // and, on X11, by the window class the entry names.
    void windowsCarryTheDesktopEntryNames() {
        const QString entry = QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
        QSettings desktop(QStringLiteral("app/") + entry, QSettings::IniFormat);
        desktop.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(desktop.value(QStringLiteral("StartupWMClass")).toString(),
                 QCoreApplication::applicationName());
        QCOMPARE(desktop.value(QStringLiteral("Icon")).toString(),
                 QGuiApplication::desktopFileName());
        QFile metainfo(QStringLiteral("packaging/org.zentaraslogicproblems.ZentarasLogicProblems."
                                      "metainfo.xml"));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QVERIFY(metainfo.readAll().contains(
            QStringLiteral("<launchable type=\"desktop-id\">%1</launchable>").arg(entry).toUtf8()));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
