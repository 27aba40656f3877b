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
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace zlp::pictures;

void say(FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", qPrintable(text));
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

    ico(QStringLiteral("ui/pictures/zlp.ico"), windowIcon(32), windowIcon(16));
    ico(QStringLiteral("ui/pictures/eraser.ico"), eraserIcon(32), eraserIcon(16));
    gif(QStringLiteral("ui/pictures/x.gif"), xPicture());
    gif(QStringLiteral("ui/pictures/o.gif"), oPicture());
    gif(QStringLiteral("ui/pictures/redo.gif"), redOPicture());
    gif(QStringLiteral("ui/pictures/purpleo.gif"), purpleOPicture());
    for (int n = 1; n <= 3; ++n)
        gif(QStringLiteral("ui/pictures/example%1.gif").arg(n), examplePicture(n));

    gif(QStringLiteral("ZLP-Images/blank.gif"), blankPicture());
    gif(QStringLiteral("ZLP-Images/magglass.gif"), magnifierPicture());
    for (const zlp::PuzzleRecord& record : zlp::PuzzleCatalogue::instance().all()) {
        // Column order: category 2, then 3, then 4.
        std::array<std::string, 15> columns;
        for (std::size_t c = 0; c < 3; ++c)
            for (std::size_t i = 0; i < 5; ++i) columns[c * 5 + i] = record.Items[c + 1][i];
        gif(QStringLiteral("ZLP-Images/") + QString::fromStdString(record.HeadingPicture),
            headingPicture(columns));
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
        } else if (contents(committed) != contents(QDir(fresh.path()).filePath(relative))) {
            say(stdout, relative + QStringLiteral(": differs"));
            ++differing;
        }
    }
    if (differing) say(stdout, QStringLiteral("%1 picture(s) out of date").arg(differing));
    return differing ? 1 : 0;
}
