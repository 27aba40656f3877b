// SPDX-License-Identifier: GPL-3.0-or-later
// zlp-pictures: draws the game's pictures and writes them into the source tree.
//
//   zlp-pictures <repo-root>          write every picture
//   zlp-pictures --check <repo-root>  draw into a temporary folder and list the
//                                     files that differ from those in the tree
//
// The pictures are drawn, not hand-edited, so they can be made again whenever
// the catalogue's item names change.
#include "catalogue/catalogue.h"
#include "tools/pictures/drawings.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using namespace zlp::pictures;

void say(FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", qPrintable(text));
}

// A palette picture as a palette QImage, its transparent entry see-through.
QImage paletteImage(const IndexedImage& image) {
    QImage out(image.width, image.height, QImage::Format_Indexed8);
    QList<QRgb> colours = image.palette;
    if (image.transparentIndex >= 0) colours[image.transparentIndex] &= 0x00ffffff;
    out.setColorTable(colours);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            out.setPixel(x, y, image.pixels[static_cast<std::size_t>(y * image.width + x)]);
    return out;
}

// Writes every picture below root; returns the relative paths written, or
// an empty list after reporting an error.
QStringList writeAll(const QString& root, const QString& workDir) {
    const QDir dir(root);
    for (const char* sub : {"ui/pictures", "ZLP-Images"})
        if (!dir.mkpath(QLatin1String(sub))) {
            say(stderr, dir.filePath(QLatin1String(sub)) + QStringLiteral(": cannot create"));
            return {};
        }

    QStringList written;
    QString error;
    // Readable by everyone, whatever mode the encoder created the file with.
    const auto done = [&](const QString& relative) {
        if (error.isEmpty() &&
            !QFile::setPermissions(dir.filePath(relative), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ReadGroup | QFile::ReadOther))
            error = dir.filePath(relative) + QStringLiteral(": cannot set permissions");
        written << relative;
    };
    const auto gif = [&](const QString& relative, const IndexedImage& image) {
        if (error.isEmpty()) error = writeGif(dir.filePath(relative), image);
        done(relative);
    };
    const auto ico = [&](const QString& relative, const IndexedImage& big,
                         const IndexedImage& small) {
        if (error.isEmpty()) error = writeIco(dir.filePath(relative), {big, small}, workDir);
        done(relative);
    };

    // The icon as PNG files, for the desktop entry of an installed game.
    const auto png = [&](const QString& relative, const QImage& image) {
        if (error.isEmpty() && !image.save(dir.filePath(relative), "PNG"))
            error = dir.filePath(relative) + QStringLiteral(": cannot write");
        done(relative);
    };
    // Every picture also at twice its size, named as Qt names such pictures:
    // "x.gif" and "x@2x.gif".
    const auto twice = [](const QString& relative) {
        const qsizetype dot = relative.lastIndexOf(QLatin1Char('.'));
        return relative.left(dot) + QStringLiteral("@2x") + relative.mid(dot);
    };
    const auto gifs = [&](const QString& relative,
                          const std::function<IndexedImage(int ratio)>& draw) {
        gif(relative, draw(1));
        gif(twice(relative), draw(2));
    };
    const auto icos = [&](const QString& relative, const std::function<IndexedImage(int)>& draw) {
        ico(relative, draw(32), draw(16));
        ico(twice(relative), draw(64), draw(32));
    };

    icos(QStringLiteral("ui/pictures/zlp.ico"), windowIcon);
    icos(QStringLiteral("ui/pictures/eraser.ico"), eraserIcon);
    // Small sizes in the window icon's 16 colours, crisp; larger ones smoothed.
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        png(QStringLiteral("ui/pictures/icon%1.png").arg(size),
            size <= 32 ? paletteImage(windowIcon(size)) : desktopIcon(size));
    gifs(QStringLiteral("ui/pictures/x.gif"), xPicture);
    gifs(QStringLiteral("ui/pictures/o.gif"), oPicture);
    gifs(QStringLiteral("ui/pictures/redo.gif"), redOPicture);
    gifs(QStringLiteral("ui/pictures/purpleo.gif"), purpleOPicture);
    for (int n = 1; n <= 3; ++n)
        gifs(QStringLiteral("ui/pictures/example%1.gif").arg(n),
             [n](int ratio) { return examplePicture(n, ratio); });

    gifs(QStringLiteral("ZLP-Images/blank.gif"), blankPicture);
    gifs(QStringLiteral("ZLP-Images/magglass.gif"), magnifierPicture);
    for (const zlp::PuzzleRecord& record : zlp::PuzzleCatalogue::instance().all()) {
        // Column order: category 2, then 3, then 4.
        std::array<std::string, 15> columns;
        for (std::size_t c = 0; c < 3; ++c)
            for (std::size_t i = 0; i < 5; ++i) columns[c * 5 + i] = record.Items[c + 1][i];
        gifs(QStringLiteral("ZLP-Images/") + QString::fromStdString(record.HeadingPicture),
             [&columns](int ratio) { return headingPicture(columns, ratio); });
    }

    if (!error.isEmpty()) {
        say(stderr, error);
        return {};
    }
    return written;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Smoothed pictures are blended by code that Qt picks for the processor, and
// two processors may round an edge pixel one level apart. Such pictures are
// the same drawing when every channel of every pixel is within that rounding.
bool sameDrawing(const QString& a, const QString& b) {
    const QByteArray bytesA = contents(a);
    if (bytesA == contents(b)) return true;
    if (!a.endsWith(QStringLiteral(".png"))) return false;
    const QImage imageA = QImage(a).convertToFormat(QImage::Format_ARGB32);
    const QImage imageB = QImage(b).convertToFormat(QImage::Format_ARGB32);
    if (imageA.isNull() || imageA.size() != imageB.size()) return false;
    constexpr int kRounding = 2;
    for (int y = 0; y < imageA.height(); ++y)
        for (int x = 0; x < imageA.width(); ++x) {
            const QRgb pa = imageA.pixel(x, y), pb = imageB.pixel(x, y);
            if (std::abs(qRed(pa) - qRed(pb)) > kRounding ||
                std::abs(qGreen(pa) - qGreen(pb)) > kRounding ||
                std::abs(qBlue(pa) - qBlue(pb)) > kRounding ||
                std::abs(qAlpha(pa) - qAlpha(pb)) > kRounding)
                return false;
        }
    return true;
}

int usage() {
    say(stderr, QStringLiteral("usage: zlp-pictures [--check] <repo-root>"));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    const bool check = !args.isEmpty() && args.first() == QStringLiteral("--check");
    if (check) args.removeFirst();
    if (args.size() != 1) return usage();
    const QString root = args.first();
    if (!QDir(root).exists(QStringLiteral("CMakeLists.txt"))) {
        say(stderr, root + QStringLiteral(": not the game's source folder"));
        return 2;
    }

    if (const QString e = loadFonts(); !e.isEmpty()) {
        say(stderr, e);
        return 1;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        say(stderr, QStringLiteral("cannot create a temporary folder"));
        return 1;
    }

    if (!check) return writeAll(root, work.path()).isEmpty() ? 1 : 0;

    QTemporaryDir fresh;
    if (!fresh.isValid()) {
        say(stderr, QStringLiteral("cannot create a temporary folder"));
        return 1;
    }
    const QStringList written = writeAll(fresh.path(), work.path());
    if (written.isEmpty()) return 1;
    int differing = 0;
    for (const QString& relative : written) {
        const QString committed = QDir(root).filePath(relative);
        if (!QFile::exists(committed)) {
            say(stdout, relative + QStringLiteral(": missing"));
            ++differing;
        } else if (!sameDrawing(committed, QDir(fresh.path()).filePath(relative))) {
            say(stdout, relative + QStringLiteral(": differs"));
            ++differing;
        }
    }
    if (differing) say(stdout, QStringLiteral("%1 picture(s) out of date").arg(differing));
    return differing ? 1 : 0;
}
