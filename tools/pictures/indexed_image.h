// SPDX-License-Identifier: GPL-3.0-or-later
// Palette images: quantising drawn pictures to a fixed palette and writing
// them as GIF (giflib) or ICO (ImageMagick's convert).
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace zlp::pictures {

struct IndexedImage {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;       // at most 256 entries
    int transparentIndex = -1; // palette entry that stands for "no pixel", or -1
    std::vector<std::uint8_t> pixels;

    std::uint8_t& at(int x, int y) {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// Maps every pixel of a drawn picture to the nearest palette colour. Pixels
// that are less than half opaque become transparentIndex when there is one;
// otherwise every pixel is first laid over white.
IndexedImage quantise(const QImage& drawn, const QList<QRgb>& palette, int transparentIndex = -1);

// Palette helpers: n evenly spaced blends from a to b, both ends included.
QList<QRgb> blend(QRgb a, QRgb b, int n);

// Writes a GIF (GIF89a when there is a transparent colour). The palette is
// padded with black to the next power of two, as the format requires.
// Returns an error message, empty on success.
QString writeGif(const QString& path, const IndexedImage& image);

// Writes an icon file holding the given images as 4-bit (16-colour) images,
// by way of palette PNGs in workDir and ImageMagick's convert. Every image
// must have at most 16 palette entries. Returns an error message, empty on
// success.
QString writeIco(const QString& path, const std::vector<IndexedImage>& images,
                 const QString& workDir);

} // namespace zlp::pictures
