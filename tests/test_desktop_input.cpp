// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse, keys, focus and window ties, driven by real events.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_instructions.h"
#include "saves_driver.h"
#include "ui/controls.h"

#include <QtTest>

using namespace zlp;

namespace {
QString shown(ui::FormBase& form) { // shows it active; returns the focus's name
    form.show();
    form.window()->activateWindow(); // offscreen leaves a second window inactive
    (void)QTest::qWaitFor([&form] { return QApplication::activeWindow() == form.window(); });
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}
} // namespace

class TestDesktopInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() { QCOMPARE(test::releaseAll(), 0); }

    void doubleClickIsOneClick() {
        FrmLogic& board = FrmLogic::get();
        shown(board);
        ui::ImageControl* cell = board.cell(0);
        QTest::mouseClick(cell, Qt::LeftButton); // an X, erased once by a double click
        QTest::mouseClick(board.image(QStringLiteral("ImgErase")), Qt::LeftButton);
        QTest::mouseDClick(board.window()->windowHandle(), Qt::LeftButton, {},
                           cell->mapTo(board.window(), cell->rect().center()));
        QCOMPARE(board.board.state(0), kStateBlank);
    }

    void firstFocusTabEnterAndArrows() {
        QTemporaryDir dir;
        for (auto name : {"a.txt", "b.txt", "c.txt"})
            QFile(dir.filePath(name)).open(QFile::WriteOnly);
        QCOMPARE(shown(FrmInstructions::get()), QStringLiteral("CmdExit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdEx1"));
        shown(FrmFillIn::get());
        QTest::keyClick(FrmFillIn::get().control<QWidget>(QStringLiteral("CmdHide")), Qt::Key_Enter,
                        Qt::KeypadModifier);
        QVERIFY(!FrmFillIn::get().window()->isVisible());
        FrmFiles::get().FileMode = 1;
        QCOMPARE(shown(FrmFiles::get()), QStringLiteral("OKButton"));
        QVERIFY(test::openDirectory(FrmFiles::get().window(), dir.path()));
        auto* files = FrmFiles::get().control<QListWidget>(QStringLiteral("filList"));
        // The first entry, under the focus, wears the dots while nothing is chosen yet.
        const QRect first = files->visualItemRect(files->item(0));
        const QImage plain = files->viewport()->grab(first).toImage();
        files->setFocus(Qt::TabFocusReason);
        QVERIFY(files->viewport()->grab(first).toImage() != plain);
        // With nothing chosen, the first arrow picks the entry under the focus; other keys move.
        for (const auto& [key, picked] :
             {std::pair{Qt::Key_Down, "a.txt"}, {Qt::Key_Down, "b.txt"}, {Qt::Key_End, "c.txt"}}) {
            if (key == Qt::Key_End) files->clearSelection();
            QTest::keyClick(files, key);
            QCOMPARE(FrmFiles::get().control<QLineEdit>(QStringLiteral("TxtFileName"))->text(),
                     QLatin1String(picked));
        }
    }

    // Each window tied to the one under it (how the menu's faces look is in test_golden).
    void windowTies() {
        shown(FrmMain::get());
        bool boardTied = false, chooserTied = false;
        test::onWindow("FrmLogic", [&](QWidget* board) {
            boardTied =
                board->windowHandle()->transientParent() == FrmMain::get().window()->windowHandle();
            test::onWindow("FrmFiles", [&](QWidget* chooser) {
                chooserTied = chooser->windowHandle()->transientParent() == board->windowHandle();
                test::pressButton(chooser, QStringLiteral("CancelButton"));
            });
            test::pressButton(board, QStringLiteral("CmdSave"));
            test::pressButton(board, QStringLiteral("CmdExit"));
        });
        test::pressButton(FrmMain::get().window(), QStringLiteral("CmdPuz01"));
        QVERIFY(boardTied && chooserTied);
    }
};

QTEST_MAIN(TestDesktopInput)
#include "test_desktop_input.moc"
