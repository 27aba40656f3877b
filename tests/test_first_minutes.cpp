// SPDX-License-Identifier: GPL-3.0-or-later
// A new player's first minutes, measured in what the screen shows, at the scale CTest runs it
// with (1, and 2 in a second run): the chosen tool, the focus, keys after the mouse, where the
// side windows open, hints. Captions and message boxes as drawn are in test_golden's pictures.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "board/grid_keys.h"
#include "chart/frm_fill_in.h"
#include "help/frm_examples.h"
#include "help/frm_instructions.h"
#include "help/frm_logic_intro.h"
#include "modal_driver.h"
#include "saves/frm_files.h"
#include "ui/controls.h"

#include <QToolTip>
#include <QtTest>

using namespace zlp;

namespace {
// The window's pixels under control c, in device pixels.
QImage seen(const QWidget* c) {
    const QPixmap all = c->window()->grab();
    const qreal s = all.devicePixelRatio();
    const QRect at(c->mapTo(c->window(), QPoint()) * s, c->size() * s);
    return all.toImage().copy(at).convertToFormat(QImage::Format_RGB32);
}
int apart(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}
void shown(ui::FormBase& form) {
    form.show();
    form.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
}
// The button as it looks with no caption.
QImage bare(QPushButton* b) {
    const QString caption = b->text();
    b->setText(QString());
    const QImage out = seen(b);
    b->setText(caption);
    return out;
}
} // namespace

class TestFirstMinutes : public QObject {
    Q_OBJECT
    qreal s_ = 1; // device pixels to a pixel
    static QWidget* focus() { return QApplication::focusWidget(); }
    static FrmLogic& board() { return FrmLogic::get(); }

private slots:
    void initTestCase() {
        prepareApplication();
        s_ = qApp->devicePixelRatio();
    }
    void init() { FrmMain::get().PuzzleNumber = 1; }
    void cleanup() { QCOMPARE(test::releaseAll(), 0); }

    // After Next and a few marks by mouse, Space and Enter stay on the grid.
    void keysAfterTheMouseStayOnTheGrid() {
        shown(board());
        const auto click = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
        click(board().control<QWidget>(QStringLiteral("CmdNext")));
        for (const char* tool : {"ImgO", "ImgErase", "ImgO"})
            click(board().image(QLatin1String(tool))), click(board().cell(20));
        click(board().image(QStringLiteral("ImgX")));
        click(board().cell(40));
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(focus(), k);
        auto* grid = board().control<GridKeys>(QStringLiteral("GridCursor"));
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(2));
        QVERIFY(board().window()->isVisible() && grid->hasFocus());
        QCOMPARE(grid->cursor(), 40);
        QCOMPARE(seen(grid).pixelColor(0, 0), QColor(255, 128, 0));
        QVERIFY(board().cellShows(20) == Picture::O && board().cellShows(40) == Picture::X);
        QCOMPARE(board().board.CurrentTool, Int16(1)); // the eraser handed back to X
    }

    // The chosen tool's sunken border shows on blue and on white, the picture whole inside it.
    void chosenToolStandsOut() {
        shown(board());
        const ui::ImageControl* eraser = board().image(QStringLiteral("ImgErase"));
        QCOMPARE(eraser->cursor().pixmap().toImage(), eraser->picture().toImage()); // its pointer
        for (const char* name : {"ImgX", "ImgO", "ImgErase"}) {
            ui::ImageControl* tool = board().image(QLatin1String(name));
            QTest::mouseClick(tool, Qt::LeftButton);
            QCOMPARE(tool->appearance(), 1);
            const QSize picture = tool->picture().deviceIndependentSize().toSize();
            const QRect r = tool->geometry().adjusted(-1, -1, 1, 1);
            const QImage around =
                seen(tool->parentWidget()).copy(QRect(r.topLeft() * s_, r.size() * s_));
            const auto at = [&](int x, int y) {
                return around.pixelColor((x + 0.5) * s_, (y + 0.5) * s_);
            };
            const int w = r.width() - 1, h = r.height() - 1, mx = w / 2, my = h / 2;
            // Each side: the pixel outside, then the border's outer and inner line.
            const int sides[4][6] = {{mx, 0, mx, 1, mx, 2},
                                     {0, my, 1, my, 2, my},
                                     {mx, h, mx, h - 1, mx, h - 2},
                                     {w, my, w - 1, my, w - 2, my}};
            for (const auto& p : sides) {
                const int contrast = std::max(apart(at(p[0], p[1]), at(p[2], p[3])),
                                              apart(at(p[0], p[1]), at(p[4], p[5])));
                QVERIFY2(contrast >= 60,
                         qPrintable(QStringLiteral("%1: %2").arg(name).arg(contrast)));
            }
            // The eraser lies on the board's white; at 1.5 every picture is smoothed.
            if (tool->picture().hasAlpha() || s_ != std::round(s_)) continue;
            const QImage inside = seen(tool).copy(QRect(QPoint(2, 2) * s_, picture * s_));
            QCOMPARE(inside, tool->picture().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }

    // At every stop of every window, from its opening: the focus shows clearly, off a caption.
    void focusShowsEverywhere() {
        FrmFiles::get().FileMode = 1;
        for (ui::FormBase* form : std::initializer_list<ui::FormBase*>{
                 &FrmMain::get(), &board(), &FrmFillIn::get(), &FrmLogicIntro::get(),
                 &FrmInstructions::get(), &FrmExamples::get(), &FrmFiles::get()}) {
            shown(*form);
            // Its title bar's icon too, with both its images.
            const QList<QSize> icon = form->window()->windowIcon().availableSizes();
            QVERIFY(icon.contains(QSize(32, 32)) && icon.contains(QSize(16, 16)));
            // Every window but the chooser can be resized and maximized.
            QCOMPARE(form->window()->minimumSize() != form->window()->maximumSize(),
                     form != &FrmFiles::get());
            QWidget* first = focus();
            do {
                QWidget* c = focus();
                const QImage on = seen(c);
                QTest::keyClick(c, Qt::Key_Tab);
                if (focus() == c) c->clearFocus(); // the only stop
                const QImage off = seen(c);
                auto* button = qobject_cast<QPushButton*>(c);
                const QImage blank = button ? bare(button) : QImage();
                int marks = 0;
                for (int y = 0; y < on.height(); ++y)
                    for (int x = 0; x < on.width(); ++x) {
                        if (apart(on.pixelColor(x, y), off.pixelColor(x, y)) < 96) continue;
                        ++marks;
                        if (button)
                            QVERIFY2(apart(off.pixelColor(x, y), blank.pixelColor(x, y)) < 48,
                                     qPrintable(c->objectName()));
                    }
                QVERIFY2(marks >= 16, qPrintable(c->objectName()));
            } while (focus() && focus() != first);
            form->unload();
        }
    }

    // Right of the board, clear of its clues, where the screen has room; held within the screen's
    // foot; below it when its right has no room; the chart, hidden and shown again, stays put.
    void sideWindowsOpenBesideTheBoard() {
        shown(board());
        QWidget* b = board().window();
        const QRect avail = b->screen()->availableGeometry(), home = b->frameGeometry();
        const QRect low(QPoint(0, avail.bottom() - 9), home.size()),
            right(QPoint(avail.right() - 9 - home.width(), 0), home.size());
        for (const auto& [window, opener, closer, at, o] :
             {std::tuple{"FrmFillIn", "CmdShowFillIn", "CmdHide", home, home},
              {"FrmLogicIntro", "CmdIntro", "CmdClose", home, home},
              {"FrmLogicIntro", "CmdIntro", "CmdClose", low, low},
              {"FrmLogicIntro", "CmdIntro", "CmdClose", right, right},
              {"FrmFillIn", "CmdShowFillIn", "CmdHide", low, home}}) {
            b->move(at.topLeft());
            QRect placed;
            test::whenModal(QLatin1String(window), [&](QWidget* w) {
                placed = w->frameGeometry();
                QTest::mouseClick(w->findChild<QWidget*>(QLatin1String(closer)), Qt::LeftButton);
            });
            QTest::mouseClick(board().control<QWidget>(QLatin1String(opener)), Qt::LeftButton);
            const int top = std::min(o.top(), avail.bottom() + 1 - placed.height());
            QCOMPARE(placed.topLeft(),
                     o == right ? QPoint(o.left(), o.bottom() + 1) : QPoint(o.right() + 1, top));
        }
    }

    // Hints for the mouse (not read out: see test_golden's reader texts).
    void hintsForTheMouse() {
        shown(board());
        for (const auto& [w, hint] :
             {std::pair<QWidget*, const char*>{board().image("ImgX"), "X: key X"},
              {board().image("ImgO"), "O: key O"},
              {board().image("ImgErase"), "Eraser: key E or Delete"},
              {board().cell(77), "Arrow keys move, Space marks"}}) {
            QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(w, &e);
            QCOMPARE(QToolTip::text(), QLatin1String(hint));
        }
    }
};

// Set before the application starts: a screen with room beside the board.
static const bool kWide = qputenv("QT_QPA_PLATFORM", "offscreen:configfile=tests/wide_screen.json");
QTEST_MAIN(TestFirstMinutes)
#include "test_first_minutes.moc"
