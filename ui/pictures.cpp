#include "ui/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

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

QIcon windowIcon() {
    registerStoredPictures();
    static const QIcon icon(QStringLiteral(":/pictures/zlp.ico"));
    return icon;
}

QPixmap storedPicture(const QString& fileName) {
    registerStoredPictures();
    return QPixmap(QStringLiteral(":/pictures/") + fileName);
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
    const QString path = resolvePicturePath(windowsPath);
    // Naming the format spares the reader from sniffing the file through every plugin.
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return QPixmap::fromImage(image);
}

} // namespace zlp::ui
