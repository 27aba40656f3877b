// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pictures/indexed_image.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gif_lib.h>

#include <limits>

namespace zlp::pictures {

namespace {

int distance2(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

QRgb overWhite(QRgb premultiplied) {
    const int a = qAlpha(premultiplied);
    return qRgb(qRed(premultiplied) + 255 - a, qGreen(premultiplied) + 255 - a,
                qBlue(premultiplied) + 255 - a);
}

QString gifError(int code) {
    const char* text = GifErrorString(code);
    return QString::fromLatin1(text ? text : "unknown giflib error");
}

} // namespace

IndexedImage quantise(const QImage& drawn, const QList<QRgb>& palette, int transparentIndex) {
    const QImage src = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    IndexedImage out;
    out.width = src.width();
    out.height = src.height();
    out.palette = palette;
    out.transparentIndex = transparentIndex;
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb p = line[x];
            if (transparentIndex >= 0 && qAlpha(p) < 128) {
                out.at(x, y) = static_cast<std::uint8_t>(transparentIndex);
                continue;
            }
            // Semi-transparent edge pixels keep their own colour when there is
            // transparency; otherwise the picture stands on white.
            const QRgb colour = transparentIndex >= 0 ? qUnpremultiply(p) : overWhite(p);
            int best = -1;
            int bestDistance = std::numeric_limits<int>::max();
            for (int i = 0; i < palette.size(); ++i) {
                if (i == transparentIndex) continue;
                const int d = distance2(colour, palette[i]);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            out.at(x, y) = static_cast<std::uint8_t>(best);
        }
    }
    return out;
}

QList<QRgb> blend(QRgb a, QRgb b, int n) {
    QList<QRgb> out;
    for (int i = 0; i < n; ++i) {
        const auto mix = [&](int ca, int cb) {
            return (ca * (n - 1 - i) + cb * i + (n - 1) / 2) / (n - 1);
        };
        out.append(qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b))));
    }
    return out;
}

QString writeGif(const QString& path, const IndexedImage& image) {
    if (image.palette.isEmpty() || image.palette.size() > 256) return QStringLiteral("bad palette");
    int bits = 1;
    while ((1 << bits) < image.palette.size()) ++bits;
    const int size = 1 << bits;

    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (int i = 0; i < image.palette.size(); ++i) {
        const QRgb c = image.palette[i];
        colours[static_cast<std::size_t>(i)] =
            GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                         static_cast<GifByteType>(qBlue(c))};
    }

    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif) return path + QStringLiteral(": ") + gifError(error);
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    QString message;
    const auto fail = [&](const char* step) {
        if (message.isEmpty())
            message = path + QStringLiteral(": ") + QLatin1String(step) + QStringLiteral(": ") +
                      gifError(gif->Error);
    };

    EGifSetGifVersion(gif, image.transparentIndex >= 0);
    if (EGifPutScreenDesc(gif, image.width, image.height, bits, 0, map) == GIF_ERROR)
        fail("screen");
    if (message.isEmpty() && image.transparentIndex >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = image.transparentIndex;
        GifByteType extension[4];
        const auto length = EGifGCBToExtension(&gcb, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
            GIF_ERROR)
            fail("transparency");
    }
    if (message.isEmpty() &&
        EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR)
        fail("image");
    std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
    for (int y = 0; message.isEmpty() && y < image.height; ++y) {
        const auto* begin = image.pixels.data() + static_cast<std::size_t>(y) * row.size();
        std::copy(begin, begin + row.size(), row.begin());
        if (EGifPutLine(gif, row.data(), image.width) == GIF_ERROR) fail("pixels");
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR && message.isEmpty())
        message = path + QStringLiteral(": close: ") + gifError(error);
    GifFreeMapObject(map);
    return message;
}

QString writeIco(const QString& path, const std::vector<IndexedImage>& images,
                 const QString& workDir) {
    QStringList arguments;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IndexedImage& image = images[i];
        if (image.palette.size() > 16) return path + QStringLiteral(": more than 16 colours");
        QImage png(image.width, image.height, QImage::Format_Indexed8);
        QList<QRgb> table = image.palette;
        if (image.transparentIndex >= 0) table[image.transparentIndex] = qRgba(0, 0, 0, 0);
        png.setColorTable(table);
        for (int y = 0; y < image.height; ++y)
            std::copy_n(image.pixels.data() +
                            static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width),
                        image.width, png.scanLine(y));
        const QString file = QDir(workDir).filePath(QStringLiteral("icon-part-%1.png").arg(i));
        if (!png.save(file, "PNG")) return file + QStringLiteral(": cannot write");
        arguments << file;
    }
    // -strip keeps dates and other metadata out. "+dither -colors 16" makes
    // convert store every image in the 4-bit form; our palettes already fit,
    // so no colour changes (and without +dither it dithers, slowly, for
    // nothing).
    arguments << QStringLiteral("-strip") << QStringLiteral("+dither") << QStringLiteral("-colors")
              << QStringLiteral("16") << QStringLiteral("ICO:") + path;
    QProcess convert;
    convert.start(QStringLiteral("convert"), arguments);
    if (!convert.waitForFinished(60000) || convert.exitStatus() != QProcess::NormalExit ||
        convert.exitCode() != 0)
        return path + QStringLiteral(": convert failed: ") +
               QString::fromLocal8Bit(convert.readAllStandardError()).trimmed();
    return {};
}

} // namespace zlp::pictures
