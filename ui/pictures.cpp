// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

// The stored pictures are compiled into this static library, and a static
// library's resources are only linked in when code refers to them.
static void registerStoredPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace zlp::ui {

namespace {

// Where a screen has more than one device pixel to a pixel, a picture drawn
// at twice the size ("x@2x.gif" beside "x.gif") is shown in its place.
bool wantsDoubleSize() {
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

QString doubleSizeName(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype folder =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return dot > folder ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot)
                        : path + QStringLiteral("@2x");
}

std::optional<QPixmap> readPicture(const QString& path, int ratio) {
    // Naming the format spares the reader from sniffing the file through every plugin.
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

// The window icon, decoded when first asked for: the offscreen platform
// never asks, and on a desktop the icon goes with the mapped window, so the
// menu is not kept waiting for the decoder to be found and run.
class StoredIconEngine final : public QIconEngine {
public:
    explicit StoredIconEngine(QString path) : path_(std::move(path)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new StoredIconEngine(path_); }
    QString key() const override { return QStringLiteral("zlp-stored"); }
    bool isNull() override { return false; } // stored with the program, and checked by its tests

private:
    const QIcon& icon() {
        if (!decoded_) decoded_.emplace(path_);
        return *decoded_;
    }
    QString path_;
    std::optional<QIcon> decoded_;
};

} // namespace

QIcon windowIcon() {
    registerStoredPictures();
    static const QIcon icon(new StoredIconEngine(QStringLiteral(":/pictures/zlp.ico")));
    return icon;
}

QPixmap storedPicture(const QString& fileName) {
    registerStoredPictures();
    const QString path = QStringLiteral(":/pictures/") + fileName;
    if (wantsDoubleSize() && QFileInfo::exists(doubleSizeName(path)))
        if (std::optional<QPixmap> sharp = readPicture(doubleSizeName(path), 2)) return *sharp;
    return QPixmap(path);
}

QString resolvePicturePath(const QString& windowsPath) {
    const QStringList parts = windowsPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    const QString plain = QDir::toNativeSeparators(parts.join(QLatin1Char('/')));
    if (QFileInfo::exists(plain)) return plain;

    // Walk the path one name at a time, matching each name without regard to case.
    QDir dir = QDir::current();
    QString found;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        const auto filter = last ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot;
        QString match;
        for (const QString& entry : dir.entryList(filter | QDir::Hidden)) {
            if (entry.compare(parts[i], Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty()) return plain;
        found = found.isEmpty() ? match : found + QLatin1Char('/') + match;
        if (!last && !dir.cd(match)) return plain;
    }
    return QDir::toNativeSeparators(found);
}

std::optional<QPixmap> loadPictureFile(const QString& windowsPath) {
    if (wantsDoubleSize()) {
        const QString sharp = resolvePicturePath(doubleSizeName(windowsPath));
        if (QFileInfo::exists(sharp))
            if (std::optional<QPixmap> picture = readPicture(sharp, 2)) return picture;
    }
    return readPicture(resolvePicturePath(windowsPath), 1);
}

} // namespace zlp::ui
