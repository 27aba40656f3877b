// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pictures/drawings.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace zlp::pictures {

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kPurple = qRgb(128, 0, 128);
constexpr QRgb kHeadingInk = qRgb(0, 0, 160);

const char* const kFontDir = "/usr/share/fonts/truetype/liberation/";
QString gMonoFamily;
QString gNarrowFamily;

QString addFont(const char* file, QString& family) {
    const QString path = QString::fromLatin1(kFontDir) + QLatin1String(file);
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) return path + QStringLiteral(": cannot load font");
    family = families.first();
    return {};
}

// A picture of w x h pixels (times ratio) drawn at `scale` times its size and
// reduced smoothly; draw() works in the picture's own pixel coordinates.
QImage supersampled(int w, int h, int scale, int ratio,
                    const std::function<void(QPainter&)>& draw) {
    QImage big(w * ratio * scale, h * ratio * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale * ratio, scale * ratio);
        draw(p);
    }
    return big.scaled(w * ratio, h * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Like supersampled(), but drawn without smoothing and reduced by taking the
// commonest colour of each block: small icons keep their drawn colours
// instead of blends that a 16-colour palette cannot show.
QImage majorityReduced(int w, int h, int scale, const std::function<void(QPainter&)>& draw) {
    QImage big(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.scale(scale, scale);
        draw(p);
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QList<QPair<QRgb, int>> counts;
            for (int j = 0; j < scale; ++j) {
                const auto* line = reinterpret_cast<const QRgb*>(big.constScanLine(y * scale + j));
                for (int i = 0; i < scale; ++i) {
                    const QRgb c = line[x * scale + i];
                    auto it = std::find_if(counts.begin(), counts.end(),
                                           [c](const auto& e) { return e.first == c; });
                    if (it == counts.end())
                        counts.append({c, 1});
                    else
                        ++it->second;
                }
            }
            // Ties go to the colour met first, so the result does not depend
            // on anything but the drawing.
            auto best = counts.cbegin();
            for (auto it = counts.cbegin(); it != counts.cend(); ++it)
                if (it->second > best->second) best = it;
            out.setPixel(x, y, best->first);
        }
    return out;
}

// A picture given pixel by pixel, one character per pixel ('.' for none):
// at 16 x 16 a drawing reduced from a larger one loses its shapes, so the
// small icons are set down by hand.
QImage pixelMap(const std::array<const char*, 16>& rows, const std::map<char, QRgb>& colours) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const char c = rows[static_cast<std::size_t>(y)][x];
            if (c != '.') image.setPixel(x, y, colours.at(c));
        }
    return image;
}

// Coverage (0 to 1) of device pixel x, y by a shape given as a test on
// points in picture pixels, sampled on a 5 x 5 grid inside the device pixel.
double coverage(int x, int y, int ratio, const std::function<bool(double, double)>& inside) {
    int hits = 0;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            if (inside((x + (i + 0.5) / 5.0) / ratio, (y + (j + 0.5) / 5.0) / ratio)) ++hits;
    return hits / 25.0;
}

// The O of the cell pictures: a ring around the cell's centre.
bool onRing(double x, double y) {
    const double c = kCellPicture / 2.0;
    const double r = std::hypot(x - c, y - c);
    return r >= 6.6 && r <= 8.9;
}

// The X of the cell pictures: two bars corner to corner, inside a margin.
bool onCross(double x, double y) {
    const double c = kCellPicture / 2.0;
    const double dx = x - c, dy = y - c;
    if (std::abs(dx) > 7.0 || std::abs(dy) > 7.0) return false;
    return std::abs(dx - dy) <= 1.9 || std::abs(dx + dy) <= 1.9;
}

// A 23 x 23 picture (times ratio) of ink on white, from a coverage test per
// device pixel.
QImage cellDrawing(int ratio, const std::function<QRgb(int, int)>& colourAt) {
    const int side = kCellPicture * ratio;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) image.setPixel(x, y, colourAt(x, y));
    return image;
}

QRgb mix(QRgb under, QRgb over, double amount) {
    const auto m = [&](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * amount));
    };
    return qRgb(m(qRed(under), qRed(over)), m(qGreen(under), qGreen(over)),
                m(qBlue(under), qBlue(over)));
}

// Joins palettes, leaving out colours already present.
QList<QRgb> joined(std::initializer_list<QList<QRgb>> parts) {
    QList<QRgb> out;
    for (const auto& part : parts)
        for (QRgb c : part)
            if (!out.contains(c)) out.append(c);
    return out;
}

QPen outline(QColor colour, double width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A pencil lying along the x axis of the painter, eraser end at x = 0 and
// point at x = length, `width` across, outlined `line` wide.
void drawPencil(QPainter& p, double length, double width, double line) {
    const double h = width / 2;
    const double cone = width * 1.5;
    const double body = length - cone;
    const QPen edge = outline(QColor(60, 40, 20), line);
    // Eraser, then the metal band that holds it.
    const double rubber = width * 1.1, band = width * 0.8;
    QPainterPath eraser;
    eraser.addRoundedRect(QRectF(0, -h, rubber + h, width), h * 0.8, h * 0.8);
    p.setPen(edge);
    p.setBrush(QColor(240, 120, 140));
    p.drawPath(eraser);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(rubber, -h, band, width));
    p.setPen(outline(QColor(120, 120, 120), line * 0.6));
    p.drawLine(QPointF(rubber + band / 2, -h + line), QPointF(rubber + band / 2, h - line));
    const double start = rubber + band;
    p.setPen(edge);
    p.setBrush(QColor(255, 204, 0));
    p.drawRect(QRectF(start, -h, body - start, width));
    p.setPen(outline(QColor(200, 130, 0), line * 0.6));
    p.drawLine(QPointF(start + line, h * 0.3), QPointF(body - line, h * 0.3));
    QPainterPath wood;
    wood.moveTo(body, -h);
    wood.lineTo(length, 0);
    wood.lineTo(body, h);
    wood.closeSubpath();
    p.setPen(edge);
    p.setBrush(QColor(235, 190, 130));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(length - cone * 0.35, -h * 0.35);
    lead.lineTo(length, 0);
    lead.lineTo(length - cone * 0.35, h * 0.35);
    lead.closeSubpath();
    p.setBrush(QColor(40, 40, 40));
    p.drawPath(lead);
}

// Mono-spaced text as a typewriter would write it: no smoothing, so the
// black-and-white pictures stay crisp.
QFont typewriter(int pixelSize, bool bold = false) {
    QFont font(gMonoFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

IndexedImage blackAndWhite(const QImage& drawn) {
    return quantise(drawn, {kWhite, kBlack});
}

// The window icon's colours; the last entry is transparent.
const QList<QRgb>& windowIconPalette() {
    static const QList<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(192, 192, 192),
        qRgb(200, 0, 0),     qRgb(90, 140, 255),  qRgb(40, 60, 200),   qRgb(30, 30, 110),
        qRgb(255, 200, 150), qRgb(200, 130, 90),  qRgb(120, 60, 20),   qRgb(255, 204, 0),
        qRgb(200, 130, 0),   qRgb(240, 120, 140), qRgb(235, 190, 130), qRgba(0, 0, 0, 0)};
    return palette;
}

// The window icon drawn on a 32 x 32 square, whatever size the painter maps it to.
void drawWindowIcon(QPainter& p) {
    const QList<QRgb>& palette = windowIconPalette();
    // The note pad: ruled paper under a red binding.
    p.setPen(outline(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 5.5, 20, 25));
    p.setPen(QPen(QColor(palette[5]), 1));
    for (double y = 13; y < 29; y += 4) p.drawLine(QPointF(3.5, y), QPointF(19.5, y));
    p.setPen(outline(Qt::black, 1));
    p.setBrush(QColor(palette[4]));
    p.drawRect(QRectF(1.5, 3.5, 20, 4));
    // What the hand has written so far, ending at the pencil's point.
    QPainterPath scribble;
    scribble.moveTo(4, 22);
    for (int i = 0; i < 3; ++i) {
        const double x = 4 + i * 3.0;
        scribble.cubicTo(x + 0.6, 16.5, x + 2.1, 16.5, x + 1.5, 21);
        scribble.cubicTo(x + 1.5, 23, x + 2.7, 23, x + 3, 21);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(scribble);
    // The sleeve and the hand, coming in from the lower right.
    p.setPen(outline(QColor(palette[7]), 1));
    p.setBrush(QColor(palette[6]));
    QPainterPath sleeve;
    sleeve.moveTo(23, 34);
    sleeve.lineTo(34, 21);
    sleeve.lineTo(34, 34);
    sleeve.closeSubpath();
    p.drawPath(sleeve);
    const QPen skinEdge = outline(QColor(palette[10]), 1);
    const QColor skin(palette[8]);
    p.setPen(skinEdge);
    p.setBrush(skin);
    QPainterPath hand;
    hand.moveTo(19, 21);
    hand.cubicTo(19, 16, 24, 14, 28, 16);
    hand.cubicTo(32, 18, 32, 24, 30, 27);
    hand.cubicTo(28, 30, 23, 30, 21, 27);
    hand.closeSubpath();
    p.drawPath(hand);
    // The pencil, point on the paper, eraser end over the back of the hand.
    p.save();
    p.translate(13, 22);
    p.rotate(-45);
    p.scale(-1, 1);
    p.translate(-25, 0);
    drawPencil(p, 25, 4, 1);
    p.restore();
    // Finger and thumb over the pencil.
    p.setPen(skinEdge);
    p.setBrush(skin);
    p.drawEllipse(QRectF(16, 17, 7, 5));
    p.drawEllipse(QRectF(19.5, 21.5, 6, 5));
}

} // namespace

QString loadFonts() {
    if (QString e = addFont("LiberationMono-Regular.ttf", gMonoFamily); !e.isEmpty()) return e;
    if (QString e = addFont("LiberationMono-Bold.ttf", gMonoFamily); !e.isEmpty()) return e;
    return addFont("LiberationSansNarrow-Regular.ttf", gNarrowFamily);
}

IndexedImage xPicture(int ratio) {
    const QImage image = cellDrawing(ratio, [ratio](int x, int y) {
        return coverage(x, y, ratio, onCross) >= 0.5 ? kBlack : kWhite;
    });
    return blackAndWhite(image);
}

IndexedImage oPicture(int ratio) {
    const QImage image = cellDrawing(ratio, [ratio](int x, int y) {
        return coverage(x, y, ratio, onRing) >= 0.5 ? kBlack : kWhite;
    });
    return blackAndWhite(image);
}

IndexedImage redOPicture(int ratio) {
    const QImage image = cellDrawing(
        ratio, [ratio](int x, int y) { return mix(kWhite, kRed, coverage(x, y, ratio, onRing)); });
    // White, red, a pale red for the ring's soft edge, and the transparent entry.
    const int transparent = 3;
    IndexedImage out =
        quantise(image, {kWhite, kRed, qRgb(255, 150, 150), qRgb(0, 0, 0)}, transparent);
    // The outermost columns let the board show through, as the cell's left and
    // right neighbours are one pixel apart.
    for (int y = 0; y < out.height; ++y)
        for (int i = 0; i < ratio; ++i) {
            out.at(i, y) = transparent;
            out.at(out.width - 1 - i, y) = transparent;
        }
    return out;
}

IndexedImage purpleOPicture(int ratio) {
    const QImage image = cellDrawing(ratio, [ratio](int x, int y) {
        const QRgb ring = mix(kWhite, kPurple, coverage(x, y, ratio, onRing));
        return mix(ring, kRed, coverage(x, y, ratio, onCross));
    });
    // Blends between white, purple and red: at most 64 entries.
    const QList<QRgb> palette =
        joined({blend(kWhite, kPurple, 21), blend(kWhite, kRed, 21), blend(kPurple, kRed, 21)});
    return quantise(image, palette);
}

IndexedImage blankPicture(int ratio) {
    QImage image(kCellPicture * ratio, kCellPicture * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return blackAndWhite(image);
}

// The window icon at 16 x 16: note pad, writing, pencil in hand.
constexpr std::array<const char*, 16> kSmallWindowIcon = {
    "..............pp", "kkkkkkkkk....pp.", "krrrrrrrk...gg..", "krrrrrrrk..yY...",
    "kwwwwwwwk.yY....", "kwwwwwwwkyYss...", "kbbbbbbbyYssssS.", "kwwwwwwttsssssS.",
    "kwkwkwttssssssS.", "kwwkwkwssssssS..", "kbbbbbbbkSsssS..", "kwwwwwwwk.SssNnn",
    "kwwwwwwwk..SNnnn", "kbbbbbbbk...Nnnn", "kwwwwwwwk....Nnn", "kkkkkkkkk.....Nn"};

// The eraser at 16 x 16: the pencil's end rubbing out a scribble.
constexpr std::array<const char*, 16> kSmallEraser = {
    "..............By", ".............Byy", "............ByyY", "...........ByyYB",
    "..........ByyYB.", ".........ByyYB..", "........BGgGB...", ".......BggGB....",
    "......BppPB.....", ".....BppPB......", "....BppPB.......", "...BppPB........",
    "....BBB.........", ".d.d.l.l.l.d.d.d", "d.d.l.l.l.d.d.d.", ".......p..p....."};

IndexedImage windowIcon(int size) {
    const QList<QRgb>& palette = windowIconPalette();
    constexpr int transparent = 15;
    if (size == 16)
        return quantise(pixelMap(kSmallWindowIcon, {{'k', palette[0]},
                                                    {'w', palette[1]},
                                                    {'g', palette[3]},
                                                    {'r', palette[4]},
                                                    {'b', palette[5]},
                                                    {'n', palette[6]},
                                                    {'N', palette[7]},
                                                    {'s', palette[8]},
                                                    {'S', palette[9]},
                                                    {'y', palette[11]},
                                                    {'Y', palette[12]},
                                                    {'p', palette[13]},
                                                    {'t', palette[14]}}),
                        palette, transparent);

    const QImage image = majorityReduced(size, size, 16, [&](QPainter& p) {
        p.scale(size / 32.0, size / 32.0);
        drawWindowIcon(p);
    });
    return quantise(image, palette, transparent);
}

QImage desktopIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawWindowIcon(p);
    p.end();
    return image;
}

IndexedImage eraserIcon(int size) {
    const QList<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(60, 60, 60),    qRgb(120, 120, 120),
        qRgb(190, 190, 190), qRgb(60, 40, 20),    qRgb(240, 120, 140), qRgb(190, 80, 100),
        qRgb(255, 204, 0),   qRgb(200, 130, 0),   qRgb(235, 190, 130), qRgb(150, 100, 60),
        qRgb(225, 225, 225), qRgb(255, 180, 190), qRgb(150, 150, 150), qRgba(0, 0, 0, 0)};
    constexpr int transparent = 15;
    if (size == 16)
        return quantise(pixelMap(kSmallEraser, {{'d', palette[2]},
                                                {'G', palette[3]},
                                                {'g', palette[4]},
                                                {'l', palette[4]},
                                                {'B', palette[5]},
                                                {'p', palette[6]},
                                                {'P', palette[7]},
                                                {'y', palette[8]},
                                                {'Y', palette[9]}}),
                        palette, transparent);

    const QImage image = majorityReduced(size, size, 16, [&](QPainter& p) {
        p.scale(size / 32.0, size / 32.0);
        // A pencil scribble with a gap rubbed out of it...
        p.setBrush(Qt::NoBrush);
        p.setPen(outline(QColor(palette[2]), 1.2));
        QPainterPath left, right;
        left.moveTo(1, 27);
        left.cubicTo(3, 21, 5, 21, 6, 26);
        left.cubicTo(7, 30, 9, 29, 10, 25);
        right.moveTo(20, 27);
        right.cubicTo(21, 22, 24, 22, 25, 27);
        right.cubicTo(26, 30, 28, 29, 30, 24);
        p.drawPath(left);
        p.drawPath(right);
        // ...where only a faint trace and the crumbs are left.
        p.setPen(outline(QColor(palette[4]), 1));
        QPainterPath trace;
        trace.moveTo(10, 25);
        trace.cubicTo(12, 20, 15, 21, 16, 26);
        trace.lineTo(20, 27);
        p.drawPath(trace);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(palette[6]));
        for (const QPointF c : {QPointF(12, 29.5), QPointF(17, 30), QPointF(21.5, 30.5)})
            p.drawEllipse(c, 0.9, 0.9);
        // The pencil's end, eraser down on the rubbed-out gap.
        p.save();
        p.translate(12, 24);
        p.rotate(-52);
        drawPencil(p, 34, 8, 1);
        p.restore();
    });
    return quantise(image, palette, transparent);
}

IndexedImage magnifierPicture(int ratio) {
    const QRgb rim = qRgb(70, 70, 80);
    const QRgb glass = qRgb(200, 230, 255);
    const QRgb handle = qRgb(90, 45, 20);
    const QImage image =
        supersampled(kMagnifierWidth, kMagnifierHeight, 8, ratio, [&](QPainter& p) {
            const QPointF centre(40, 40);
            const double radius = 32;
            // Handle first, so the rim covers its inner end.
            p.save();
            p.translate(centre);
            p.rotate(47);
            p.setPen(outline(Qt::black, 1.5));
            p.setBrush(QColor(160, 160, 170));
            p.drawRect(QRectF(radius - 2, -6, 14, 12));
            p.setBrush(QColor(handle));
            p.drawRoundedRect(QRectF(radius + 12, -7.5, 36, 15), 7, 7);
            p.setPen(outline(QColor(150, 90, 50), 2));
            p.drawLine(QPointF(radius + 16, -3.5), QPointF(radius + 44, -3.5));
            p.restore();
            // The lens, with a glint on the glass.
            p.setPen(outline(QColor(rim), 7));
            p.setBrush(QColor(glass));
            p.drawEllipse(centre, radius, radius);
            p.setPen(outline(Qt::black, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, radius + 3.5, radius + 3.5);
            p.drawEllipse(centre, radius - 3.5, radius - 3.5);
            p.setPen(outline(Qt::white, 4));
            p.drawArc(QRectF(centre.x() - 22, centre.y() - 22, 44, 44), 100 * 16, 60 * 16);
        });
    const QList<QRgb> palette =
        joined({blend(kWhite, kBlack, 16), blend(kWhite, glass, 6), blend(glass, rim, 8),
                blend(kBlack, handle, 6), blend(handle, qRgb(150, 90, 50), 4),
                blend(kWhite, rim, 6), blend(qRgb(160, 160, 170), kBlack, 4)});
    return quantise(image, palette);
}

IndexedImage headingPicture(const std::array<std::string, 15>& items, int ratio) {
    // The text runs upwards from just above the grid; the top rows of the
    // picture are hidden on the board, so the text stays below them.
    constexpr double bottom = kHeadingHeight - 3;
    constexpr double room = bottom - kHeadingHidden - 2;
    constexpr double across = kHeadingPitch - 5; // clear of the grid lines

    QImage image(kHeadingWidth * ratio, kHeadingHeight * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    // Painted in the picture's own pixels; the letters are set at the device size.
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(kHeadingInk));
    QStringList texts;
    for (const std::string& item : items)
        texts << QString::fromStdString(item).replace(QStringLiteral("&&"), QStringLiteral("&"));
    const auto fits = [&](const QString& text, int pixelSize) {
        QFont font(gNarrowFamily);
        font.setPixelSize(pixelSize);
        return QFontMetricsF(font).horizontalAdvance(text) <= room;
    };
    // One size for the whole picture, as large as the longest name allows;
    // a name too long even then gets smaller letters of its own.
    int common = 14;
    while (common > 12 && !std::all_of(texts.cbegin(), texts.cend(),
                                       [&](const QString& t) { return fits(t, common); }))
        --common;

    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString& text = texts[i];
        if (text.isEmpty()) continue;
        int size = common;
        while (size > 9 && !fits(text, size)) --size;
        QFont font(gNarrowFamily);
        font.setPixelSize(size);
        // Squeeze what still does not fit rather than cut it off.
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        if (width > room) font.setStretch(static_cast<int>(100 * room / width));
        p.setFont(font);
        p.save();
        p.translate(static_cast<double>(i) * kHeadingPitch + kHeadingPitch / 2.0, bottom);
        p.rotate(-90);
        // Rotated: x runs up the picture, y to the right, centred on the column.
        p.drawText(QRectF(0, -across / 2, room, across), Qt::AlignLeft | Qt::AlignVCenter, text);
        p.restore();
    }
    p.end();
    return quantise(image, blend(kWhite, kHeadingInk, 16));
}

IndexedImage examplePicture(int n, int ratio) {
    static const char* const kNames[] = {"Sally", "John", "Mary", "Fred"};
    QImage image((n == 3 ? 325 : 380) * ratio, (n == 3 ? 114 : 180) * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);

    if (n == 3) {
        // The fill-in chart, as typed on paper. Its lower right corner stays
        // empty: the window puts the picture's label there.
        p.setFont(typewriter(13));
        const int columns[] = {8, 80, 180, 258};
        const char* const headings[] = {"Names", "Method", "Amount", "City"};
        for (int c = 0; c < 4; ++c) p.drawText(columns[c], 17, QString::fromLatin1(headings[c]));
        p.drawText(8, 31, QString(39, QLatin1Char('-')));
        for (int r = 0; r < 4; ++r)
            p.drawText(columns[0], 50 + r * 18, QString::fromLatin1(kNames[r]));
        p.drawText(columns[1], 50, QStringLiteral("Inherited"));
        p.drawText(columns[1], 50 + 2 * 18, QStringLiteral("Won Lotto"));
        p.end();
        return blackAndWhite(image);
    }

    // The grid of examples 1 and 2: names down the left, ways of coming into
    // money across the top. The empty corner above the names holds the
    // picture's label in the window.
    constexpr int left = 64, top = 76, cellW = 77, cellH = 24;
    const QStringList headings[] = {{QStringLiteral("Found"), QStringLiteral("Document")},
                                    {QStringLiteral("Inherited")},
                                    {QStringLiteral("Sold"), QStringLiteral("Company")},
                                    {QStringLiteral("Won"), QStringLiteral("Lotto")}};
    p.setFont(typewriter(13));
    for (int c = 0; c < 4; ++c) {
        const QStringList& lines = headings[c];
        for (qsizetype l = 0; l < lines.size(); ++l) {
            const int y = top - 6 - static_cast<int>(lines.size() - 1 - l) * 15;
            p.drawText(QRect(left + c * cellW, y - 15, cellW, 16),
                       Qt::AlignHCenter | Qt::AlignBottom, lines[l]);
        }
    }
    for (int r = 0; r < 4; ++r)
        p.drawText(QRect(10, top + r * cellH, left - 10, cellH), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(kNames[r]));
    for (int c = 0; c <= 4; ++c)
        p.drawLine(left + c * cellW, top, left + c * cellW, top + 4 * cellH);
    for (int r = 0; r <= 4; ++r)
        p.drawLine(left, top + r * cellH, left + 4 * cellW, top + r * cellH);

    // Rows: Sally, John, Mary, Fred. Columns: Found Document, Inherited, Sold
    // Company, Won Lotto.
    char marks[4][5] = {"   X", " X X", "XXXO", " X X"};
    if (n == 2) std::copy_n("XOXX", 4, marks[0]);
    p.setFont(typewriter(17, true));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (marks[r][c] != ' ')
                p.drawText(QRect(left + c * cellW, top + r * cellH, cellW, cellH), Qt::AlignCenter,
                           QString(QLatin1Char(marks[r][c])));
    p.end();
    return blackAndWhite(image);
}

} // namespace zlp::pictures
