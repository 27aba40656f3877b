// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as the player sees it and as a screen reader is given it, against tests/golden:
// a reference per window and scale (CTest runs scale 1 and 2). ZLP_GOLDEN_WRITE=1 writes those
// that differ anew and names them (tools/golden.sh); a failing comparison leaves the shot, a
// difference picture (differing pixels red) and the text read in the build tree.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_instructions.h"
#include "help/frm_logic_intro.h"
#include "modal_driver.h"
#include "saves/frm_files.h"

#include <QAccessible>
#include <QtTest>

#include <bit>
#include <filesystem>

using namespace zlp;

using zlp::test::click;

namespace {
// Actual, faded, with the pixels that differ from expected in red; null when there are
// none. A channel may be 2 levels off: blending code differs between processors.
QImage differences(const QImage& actual, const QImage& expected) {
    QImage diff(actual.size(), QImage::Format_RGB32);
    bool any = actual.size() != expected.size();
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.valid(x, y) ? expected.pixel(x, y) : ~a;
            bool off = false;
            for (int at : {0, 8, 16}) off |= std::abs(int(a >> at & 255) - int(e >> at & 255)) > 2;
            any |= off;
            diff.setPixel(x, y, off ? qRgb(255, 0, 0) : (a & 0xfefefe) / 2 + 0x7f7f7f);
        }
    return any ? diff : QImage();
}

// What a screen reader is given of the window, its children indented below it. A hidden
// object has no place, and what it holds (a combo box's list) is not read.
QString heard;
void readOut(QAccessibleInterface* a, QPoint origin, int depth = 0) {
    const QAccessible::State s = a->state();
    heard += QString(depth * 2, QLatin1Char(' '));
    QDebug(&heard) << a->role() << (s.invisible ? QRect() : a->rect().translated(-origin))
                   << a->text(QAccessible::Name) << a->text(QAccessible::Description)
                   << a->text(QAccessible::Value) << Qt::hex << std::bit_cast<quint64>(s);
    heard.back() = QLatin1Char('\n'); // for the blank QDebug leaves
    for (int i = 0; !s.invisible && i < a->childCount(); ++i)
        readOut(a->child(i), origin, depth + 1);
}
void readOut(QWidget* w) {
    QCoreApplication::processEvents(); // for words spoken once the window is up
    heard.clear(), readOut(QAccessible::queryAccessibleInterface(w), w->geometry().topLeft());
}

// What the screen holds of the window after act ran with the window shown: a
// change that never repaints its control goes unseen, as it would by the player.
QImage shown(ui::FormBase& form, const std::function<void()>& act = {}) {
    form.show();
    QWidget* w = form.window();
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w); // the focus marks show only when active
    if (act) act();
    const QImage drawn = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    readOut(w);
    if (qApp->devicePixelRatio() > 1) return drawn; // the screen keeps whole pixels only at 1
    QImage seen;                                    // repainting may lag behind on a busy machine
    for (int wait = 0; wait < 50; QTest::qWait(20), ++wait)
        if (differences(seen = w->screen()->grabWindow(w->winId()).toImage(), drawn).isNull())
            break;
    return seen;
}

// Types text where the focus is.
std::function<void()> typed(const char* text) {
    return [text] { QTest::keyClicks(QApplication::focusWidget(), QLatin1String(text)); };
}

FrmLogic& puzzle(int n) {
    FrmMain::get().PuzzleNumber = Int16(n);
    return FrmLogic::get();
}
// The board of puzzle n after clicks on controls, cells named like "0101".
QImage board(int n, const QString& clicks = {}) {
    return shown(puzzle(n), [clicks] {
        for (const QString& c : clicks.split(QLatin1Char(','), Qt::SkipEmptyParts))
            click(FrmLogic::get(), c[0].isDigit() ? "Img" + c : c);
    });
}
const QString kMarks = "0101,0102,0709,1505,ImgO,0103,0104,0301,1204,ImgErase,0102,0104";

// The modal window or message box that trigger brings up, grabbed and then closed.
QImage popup(std::function<void()> trigger) {
    QImage image;
    test::whenModal([](QWidget*) { return true; },
                    [&image](QWidget* w) {
                        (void)QTest::qWaitForWindowActive(w); // for its focus marks
                        image = w->grab().toImage();
                        readOut(w);
                        w->close();
                    });
    trigger();
    return image;
}

// The chooser over a folder of fixed name and content, the same on every machine.
FrmFiles& chooser(int mode) {
    const QString dir = QStringLiteral("/tmp/zlp-golden-%1").arg(qApp->devicePixelRatio());
    QDir().mkpath(dir + QStringLiteral("/Saved boards"));
    for (const char* name : {"/Conferences.txt", "/townhouses.TXT"})
        QFile(dir + QLatin1String(name)).open(QIODevice::WriteOnly);
    // Whatever other runs left goes, by its bytes; the fixed content stays for runs beside.
    for (const auto& e : std::filesystem::directory_iterator(dir.toStdString()))
        if (!QStringList{"Conferences.txt", "townhouses.TXT", "Saved boards"}.contains(
                QString::fromStdString(e.path().filename().string())))
            std::filesystem::remove_all(e.path());
    QDir::setCurrent(dir);
    FrmFiles::get().FileMode = Int16(mode);
    return FrmFiles::get();
}

const std::map<QString, std::function<QImage()>> kShots{
    {"main-menu", [] { return shown(FrmMain::get()); }},
    {"board-1-fresh", [] { return board(1); }},
    {"board-1-marked", [] { return board(1, kMarks); }},
    {"board-1-answers", [] { return board(1, kMarks + ",CmdAnswer"); }},
    {"board-1-cursor",
     [] {
         return shown(puzzle(1), [] {
             FrmLogic::get().control<QWidget>("GridCursor")->setFocus();
             for (Qt::Key key : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Down})
                 QTest::keyClick(QApplication::focusWidget(), key);
         });
     }},
    {"board-12-marked", [] { return board(12, kMarks); }},
    {"board-25-fresh", [] { return board(25); }},
    {"chooser-open", [] { return shown(chooser(1)); }},
    {"chooser-save", [] { return shown(chooser(2), typed("my board")); }},
    {"intro-1", [] { return FrmMain::get().PuzzleNumber = 1, shown(FrmLogicIntro::get()); }},
    {"chart-1-notes",
     [] {
         FrmMain::get().PuzzleNumber = 1;
         return shown(FrmFillIn::get(), [] {
             for (const char* text : {"Chefs?", "\t", "Writers"}) typed(text)();
         });
     }},
    {"instructions", [] { return shown(FrmInstructions::get()); }},
    {"examples-1-2", // after example 3, which must not stay
     [] {
         popup([] { click(FrmInstructions::get(), "CmdEx3"); });
         return popup([] { click(FrmInstructions::get(), "CmdEx1"); });
     }},
    {"examples-3", [] { return popup([] { click(FrmInstructions::get(), "CmdEx3"); }); }},
    {"box-picture-missing",
     [] { return popup([] { chooser(0), puzzle(1).load(); }); }}, // no pictures there
    {"box-no-file-chosen", [] { return popup([] { click(chooser(1), "OKButton"); }); }},
    {"box-replace-file",
     [] {
         puzzle(1).load(); // before the chooser moves away from the pictures
         QTest::keyClicks(chooser(2).control<QWidget>("TxtFileName"), "Conferences");
         return popup([] { click(FrmFiles::get(), "OKButton"); });
     }},
};

} // namespace

class TestGolden : public QObject {
    Q_OBJECT
    QString home_;

private slots:
    void initTestCase() {
        prepareApplication();
        QApplication::setCursorFlashTime(0); // a text cursor that blinks would come and go
        home_ = QDir::currentPath();
    }
    void cleanup() {
        QDir::setCurrent(home_);
        QCOMPARE(test::releaseAll(), 0);
    }

    void windows_data() {
        QTest::addColumn<QString>("name");
        for (const auto& [name, shot] : kShots) QTest::newRow(qPrintable(name)) << name;
    }
    void windows() {
        QFETCH(QString, name);
        // Any warning fails (a place off the pixel, a pixel read outside its picture) but
        // the offscreen platform's own.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not)")));
        const QImage actual = kShots.at(name)().convertToFormat(QImage::Format_RGB32);
        const QString file = QStringLiteral("%1@%2x").arg(name).arg(qApp->devicePixelRatio());
        const QString reference = home_ + QStringLiteral("/tests/golden/") + file;
        const QImage diff =
            differences(actual, QImage(reference + ".png").convertToFormat(QImage::Format_RGB32));
        QFile known(reference + ".txt");
        const bool sameText = known.open(QIODevice::ReadOnly) && known.readAll() == heard.toUtf8();
        if (diff.isNull() && sameText) return;
        const bool write = qEnvironmentVariableIntValue("ZLP_GOLDEN_WRITE");
        const QString out = write ? reference : QStringLiteral(ZLP_GOLDEN_OUT "/") + file;
        QDir().mkpath(QFileInfo(out).path());
        QFile text(out + ".txt");
        QVERIFY(diff.isNull() || actual.save(out + ".png"));
        QVERIFY(sameText || (text.open(QIODevice::WriteOnly) && text.write(heard.toUtf8()) > 0));
        if (write) return qWarning("changed: tests/golden/%s", qPrintable(file));
        QVERIFY(diff.isNull() || diff.save(out + "-diff.png"));
        QFAIL(qPrintable(reference + " differs from what is shown or read: see " + out + ".*"));
    }
};

QTEST_MAIN(TestGolden)
#include "test_golden.moc"
