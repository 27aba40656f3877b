// The stored window pictures and the picture files: sizes, image counts,
// palettes and transparency as the windows expect them.
#include "catalogue/catalogue.h"
#include "ui/pictures.h"

#include <QFile>
#include <QImageReader>
#include <QtTest>

namespace {

QImage readImage(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) qWarning("%s: %s", qPrintable(path), qPrintable(reader.errorString()));
    return image;
}

bool isWhite(QRgb c) {
    return qAlpha(c) == 255 && (c & 0xffffffu) == 0xffffffu;
}
bool isBlack(QRgb c) {
    return qAlpha(c) == 255 && (c & 0xffffffu) == 0;
}

// True when every pixel of the rectangle is white.
bool blankArea(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!isWhite(image.pixel(x, y))) return false;
    return true;
}

struct IconEntry {
    int width, height, colours, bits;
};

// The image directory of an icon file.
QList<IconEntry> iconDirectory(const QByteArray& data) {
    QList<IconEntry> entries;
    const auto u8 = [&](qsizetype at) { return static_cast<unsigned char>(data.at(at)); };
    const auto u16 = [&](qsizetype at) { return u8(at) | (u8(at + 1) << 8); };
    if (data.size() < 6 || u16(0) != 0 || u16(2) != 1) return entries;
    for (int i = 0; i < u16(4) && data.size() >= 6 + 16 * (i + 1); ++i) {
        const qsizetype at = 6 + 16 * i;
        entries.append(
            {u8(at) ? u8(at) : 256, u8(at + 1) ? u8(at + 1) : 256, u8(at + 2), u16(at + 6)});
    }
    return entries;
}

// What the GIF reader does not tell: the stored colour table and the
// transparent entry (the reader hands back 32-bit pixels).
struct GifPalette {
    QList<QRgb> colours;
    int transparent = -1;
};

GifPalette gifPalette(const QString& path) {
    GifPalette out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return out;
    const QByteArray data = file.readAll();
    const auto u8 = [&](qsizetype at) {
        return at < data.size() ? static_cast<unsigned char>(data.at(at)) : 0;
    };
    if (!data.startsWith("GIF8") || !(u8(10) & 0x80)) return out;
    const int entries = 2 << (u8(10) & 7);
    qsizetype at = 13;
    for (int i = 0; i < entries; ++i, at += 3) out.colours << qRgb(u8(at), u8(at + 1), u8(at + 2));
    // Extensions before the first image; a graphic control block may name
    // the transparent entry.
    while (u8(at) == 0x21) {
        if (u8(at + 1) == 0xf9 && u8(at + 2) == 4 && (u8(at + 3) & 1)) out.transparent = u8(at + 6);
        at += 2;
        while (u8(at) != 0 && at < data.size()) at += u8(at) + 1;
        ++at;
    }
    return out;
}

QSet<QRgb> coloursUsed(const QImage& image) {
    QSet<QRgb> used;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) used.insert(image.pixel(x, y));
    return used;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // The windows' own accessors make the stored pictures available; the
    // cases below then also read them directly.
    void initTestCase() { QVERIFY(!zlp::ui::windowIcon().isNull()); }

    void storedPicturesLoad_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        const QSize cell(23, 23);
        QTest::newRow("x") << "x.gif" << cell;
        QTest::newRow("o") << "o.gif" << cell;
        QTest::newRow("red O") << "redo.gif" << cell;
        QTest::newRow("purple O") << "purpleo.gif" << cell;
        QTest::newRow("example 1") << "example1.gif" << QSize(380, 180);
        QTest::newRow("example 2") << "example2.gif" << QSize(380, 180);
        QTest::newRow("example 3") << "example3.gif" << QSize(325, 114);
        QTest::newRow("window icon") << "zlp.ico" << QSize(32, 32);
        QTest::newRow("eraser") << "eraser.ico" << QSize(32, 32);
    }
    void storedPicturesLoad() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QPixmap picture = zlp::ui::storedPicture(file);
        QVERIFY2(!picture.isNull(), qPrintable(file));
        QCOMPARE(picture.size(), size);
    }

    void iconsHoldTwoSixteenColourImages_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("window icon") << "zlp.ico";
        QTest::newRow("eraser") << "eraser.ico";
    }
    void iconsHoldTwoSixteenColourImages() {
        QFETCH(QString, file);
        const QString path = QStringLiteral(":/pictures/") + file;
        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), 2);
        QList<QSize> sizes;
        do {
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            sizes << image.size();
            // The background shows through around the drawing.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        } while (reader.jumpToNextImage());
        QCOMPARE(sizes, (QList<QSize>{QSize(32, 32), QSize(16, 16)}));

        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QList<IconEntry> entries = iconDirectory(raw.readAll());
        QCOMPARE(entries.size(), 2);
        for (const IconEntry& e : entries) {
            QCOMPARE(e.colours, 16);
            QCOMPARE(e.bits, 4);
        }

        const QIcon icon(path);
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(!zlp::ui::windowIcon().isNull());
    }

    // X and O: two colours, black on white, and told apart at the centre.
    void crossAndRingAreBlackOnWhite() {
        for (const QString& file : {QStringLiteral("x.gif"), QStringLiteral("o.gif")}) {
            const QString path = QStringLiteral(":/pictures/") + file;
            const GifPalette palette = gifPalette(path);
            QCOMPARE(palette.colours.size(), 2);
            QCOMPARE(palette.transparent, -1);
            const QImage image = readImage(path);
            QCOMPARE(coloursUsed(image), (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
            for (const QPoint corner : {QPoint(0, 0), QPoint(22, 0), QPoint(0, 22), QPoint(22, 22)})
                QVERIFY(isWhite(image.pixel(corner)));
        }
        QVERIFY(isBlack(readImage(QStringLiteral(":/pictures/x.gif")).pixel(11, 11)));
        const QImage o = readImage(QStringLiteral(":/pictures/o.gif"));
        QVERIFY(isWhite(o.pixel(11, 11)));
        QVERIFY(isBlack(o.pixel(11, 3)));
        QVERIFY(isBlack(o.pixel(3, 11)));
    }

    void redOIsTransparentAtItsSides() {
        const QString path = QStringLiteral(":/pictures/redo.gif");
        const GifPalette palette = gifPalette(path);
        QCOMPARE(palette.colours.size(), 4);
        QVERIFY(palette.transparent >= 0 && palette.transparent < 4);
        const QImage image = readImage(path);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool side = x == 0 || x == image.width() - 1;
                QVERIFY2(qAlpha(image.pixel(x, y)) == (side ? 0 : 255),
                         qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            }
        QVERIFY(coloursUsed(image).contains(qRgb(255, 0, 0)));
        QVERIFY(isWhite(image.pixel(11, 11)));
    }

    void purpleOIsOpaqueWithinSixtyFourColours() {
        const QString path = QStringLiteral(":/pictures/purpleo.gif");
        const GifPalette palette = gifPalette(path);
        QVERIFY(!palette.colours.isEmpty() && palette.colours.size() <= 64);
        QCOMPARE(palette.transparent, -1);
        const QSet<QRgb> used = coloursUsed(readImage(path));
        for (QRgb c : used) QCOMPARE(qAlpha(c), 255);
        QVERIFY(used.contains(qRgb(128, 0, 128))); // the O
        QVERIFY(used.contains(qRgb(255, 0, 0)));   // the X across it
        QVERIFY(used.contains(qRgb(255, 255, 255)));
    }

    // Black and white only; the corner where the window puts each picture's
    // label stays empty.
    void examplesAreBlackAndWhite_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QRect>("labelArea");
        QTest::newRow("example 1") << "example1.gif" << QRect(8, 8, 65, 25);
        QTest::newRow("example 2") << "example2.gif" << QRect(8, 8, 65, 25);
        QTest::newRow("example 3") << "example3.gif" << QRect(256, 88, 65, 25);
    }
    void examplesAreBlackAndWhite() {
        QFETCH(QString, file);
        QFETCH(QRect, labelArea);
        const QString path = QStringLiteral(":/pictures/") + file;
        QCOMPARE(gifPalette(path).colours.size(), 2);
        const QImage image = readImage(path);
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                QVERIFY(isBlack(c) || isWhite(c));
                black += isBlack(c);
            }
        QVERIFY(black > 500);
        QVERIFY(blankArea(image, labelArea));
    }

    void secondExampleAddsToTheFirst() {
        const QImage one = readImage(QStringLiteral(":/pictures/example1.gif"));
        const QImage two = readImage(QStringLiteral(":/pictures/example2.gif"));
        QCOMPARE(one.size(), two.size());
        // Every mark of example 1 is still there in example 2, and more.
        int added = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) {
                if (isBlack(one.pixel(x, y))) QVERIFY(isBlack(two.pixel(x, y)));
                added += isBlack(two.pixel(x, y)) && !isBlack(one.pixel(x, y));
            }
        QVERIFY(added > 20);
    }

    void pictureFilesLoad() {
        const auto blank = zlp::ui::loadPictureFile(QStringLiteral("ZLP-Images\\blank.gif"));
        QVERIFY(blank);
        QCOMPARE(blank->size(), QSize(23, 23));
        QVERIFY(blankArea(blank->toImage(), QRect(0, 0, 23, 23)));

        const auto glass = zlp::ui::loadPictureFile(QStringLiteral("ZLP-Images\\magglass.gif"));
        QVERIFY(glass);
        QVERIFY(glass->width() <= 102 && glass->height() <= 106);
        QVERIFY(glass->width() >= 90 && glass->height() >= 90);
    }

    // Each heading stands in its own column, clear of the grid lines and of
    // the rows the board hides; a column has writing exactly when its item
    // has a name.
    void headingsStandOverTheirColumns() {
        for (const zlp::PuzzleRecord& record : zlp::PuzzleCatalogue::instance().all()) {
            const QString file = QString::fromStdString(record.HeadingPicture);
            const auto picture = zlp::ui::loadPictureFile(QStringLiteral("ZLP-Images\\") + file);
            QVERIFY2(picture, qPrintable(file));
            const QImage image = picture->toImage();
            QCOMPARE(image.size(), QSize(358, 81));
            QVERIFY2(blankArea(image, QRect(0, 0, 358, 8)), qPrintable(file));
            for (int column = 0; column < 15; ++column) {
                const int line = column * 24;
                QVERIFY2(blankArea(image, QRect(line, 0, 1, 81)), qPrintable(file));
                const std::string& item = record.Items[static_cast<std::size_t>(1 + column / 5)]
                                                      [static_cast<std::size_t>(column % 5)];
                const bool written =
                    !blankArea(image, QRect(line + 1, 0, 23, 81).intersected(image.rect()));
                QVERIFY2(written == !item.empty(),
                         qPrintable(file + QStringLiteral(" column %1").arg(column + 1)));
            }
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
