// SPDX-License-Identifier: GPL-3.0-or-later
// At two device pixels to a pixel every picture has a twin twice the size (test_golden
// shows them in their room); and windows carry the names the desktop entry matches.
#include "app/app.h"

#include <QPainter>
#include <QtTest>

using namespace zlp;

namespace {
// Picture a brought to size, smoothed, and laid on white.
QImage onWhite(const QImage& a, QSize size) {
    QImage small = a.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
           x(size, QImage::Format_RGB32);
    small.setDevicePixelRatio(1);
    x.fill(Qt::white);
    QPainter(&x).drawImage(0, 0, small);
    return x;
}

// Mean difference per colour channel, 0 to 255, of two such pictures.
double meanDifference(const QImage& x, const QImage& y) {
    double sum = 0;
    for (qsizetype k = 0; k < x.sizeInBytes(); ++k)
        sum += std::abs(x.constBits()[k] - y.constBits()[k]);
    return sum / (3.0 * x.width() * x.height());
}
} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void twinsAreTheSameDrawingTwiceAsLarge_data() {
        QTest::addColumn<QString>("path");
        for (const QString folder : {":/pictures", "ZLP-Images"})
            for (const QString& name : QDir(folder).entryList(QDir::Files))
                if (!name.contains(QLatin1Char('@')))
                    QTest::newRow(qPrintable(name)) << folder + QLatin1Char('/') + name;
    }
    void twinsAreTheSameDrawingTwiceAsLarge() {
        QFETCH(QString, path);
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        const QImage one(path), two(path.left(dot) + QStringLiteral("@2x") + path.mid(dot));
        QVERIFY2(!one.isNull() && !two.isNull(), qPrintable(path));
        QCOMPARE(two.size(), one.size() * 2);
        // At half size (strokes may fall half a pixel apart) the twin is nearer it than blank is.
        const QImage a = onWhite(one, one.size() / 2), b = onWhite(two, a.size());
        QImage white = a;
        white.fill(Qt::white);
        const double apart = meanDifference(a, b), ink = meanDifference(a, white);
        QVERIFY2(apart <= 0.8 * ink, qPrintable(QStringLiteral("%1 of %2").arg(apart).arg(ink)));
    }

    // The desktop matches windows to its entry by file name and, on X11, by window class.
    void windowsCarryTheDesktopEntryNames() {
        const QString id = QGuiApplication::desktopFileName();
        QSettings entry(QStringLiteral("app/%1.desktop").arg(id), QSettings::IniFormat);
        QCOMPARE(entry.value(QStringLiteral("Desktop Entry/StartupWMClass")).toString(),
                 QCoreApplication::applicationName());
        QCOMPARE(entry.value(QStringLiteral("Desktop Entry/Icon")).toString(), id);
        QFile metainfo(QStringLiteral(
            "packaging/org.zentaraslogicproblems.ZentarasLogicProblems.metainfo.xml"));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QVERIFY(metainfo.readAll().contains(
            QStringLiteral("<launchable type=\"desktop-id\">%1.desktop<").arg(id).toUtf8()));
    }
};

// Set before the application starts: every window at a scale factor of 2.
static const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");
QTEST_MAIN(HiDpiTest)

#include "test_hidpi.moc"
