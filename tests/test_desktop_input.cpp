// Mouse, keys, focus and window ties, driven by real events.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_instructions.h"
#include "modal_driver.h"
#include "saves/frm_files.h"
#include "ui/controls.h"

#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace zlp;

namespace {
template <class F> QWidget* shown(F& form) {
    form.show();
    QWidget* w = form.window();
    w->activateWindow(); // offscreen leaves a second window inactive
    if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }))
        qWarning("%s is not active", qPrintable(form.name()));
    return w;
}
QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}
} // namespace

class TestDesktopInput : public QObject {
    Q_OBJECT
    QString home_ = QDir::currentPath();

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() {
        QDir::setCurrent(home_);
        for (const char* name : {"FrmInstructions", "FrmFiles", "FrmFillIn", "FrmLogic", "FrmMain"})
            ui::FormBase::releaseByName(QLatin1String(name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::missedModals(), 0);
    }

    void doubleClickOnACellIsOneClick() {
        FrmLogic& board = FrmLogic::get();
        ui::ImageControl* cell = board.cell(0);
        shown(board);
        QTest::mouseClick(cell, Qt::LeftButton);
        QTest::mouseClick(board.image(QStringLiteral("ImgErase")), Qt::LeftButton);
        // Through the window, as the platform delivers it: press, release, press, release.
        QTest::mouseDClick(board.window()->windowHandle(), Qt::LeftButton, {},
                           cell->mapTo(board.window(), cell->rect().center()));
        QCOMPARE(board.board.state(0), kStateBlank); // erased, not erased and then marked X
    }

    void windowsOpenOnTheFirstStopOfTheirTabOrder() {
        QCOMPARE((shown(FrmMain::get()), focused()), QStringLiteral("CmdInstructions"));
        QWidget* w = shown(FrmInstructions::get());
        QCOMPARE(focused(), QStringLiteral("CmdExit"));
        // The instructions pass Tab on instead of typing it.
        QTest::keyClick(w, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("CmdEx1"));
        QVERIFY(!w->findChild<QPlainTextEdit*>()->toPlainText().contains(QLatin1Char('\t')));
        FrmInstructions::get().unload();
        for (int mode : {2, 1}) {
            FrmFiles::get().FileMode = static_cast<Int16>(mode);
            QCOMPARE((shown(FrmFiles::get()), focused()),
                     mode == 2 ? QStringLiteral("TxtFileName") : QStringLiteral("OKButton"));
            FrmFiles::get().unload();
        }
    }

    void enterPressesTheFocusedButtonOnly() {
        QWidget* chart = shown(FrmFillIn::get());
        QTest::keyClick(FrmFillIn::get().control<QLineEdit>(QStringLiteral("Txt0101")),
                        Qt::Key_Return);
        QVERIFY(chart->isVisible());
        QTest::keyClick(FrmFillIn::get().control<QPushButton>(QStringLiteral("CmdHide")),
                        Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!chart->isVisible());
    }

    void arrowKeysInTheFileListPickAFile() {
        QTemporaryDir dir;
        for (const char* name : {"a.txt", "b.txt"})
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        QVERIFY(QDir::setCurrent(dir.path()));
        FrmFiles::get().FileMode = 2;
        shown(FrmFiles::get());
        auto* files = FrmFiles::get().control<QListWidget>(QStringLiteral("filList"));
        files->setFocus(Qt::TabFocusReason);
        for (const char* picked : {"a.txt", "b.txt"}) {
            QTest::keyClick(files, Qt::Key_Down);
            QCOMPARE(FrmFiles::get().control<QLineEdit>(QStringLiteral("TxtFileName"))->text(),
                     QLatin1String(picked));
        }
    }

    void yellowFacesAreFlatAndTheRaisedToolKeepsItsSize() {
        const QImage menu = shown(FrmMain::get())->grab().toImage();
        for (const char* name : {"CmdInstructions", "CmdOpenSaved"}) {
            const QRect r = FrmMain::get().control<QWidget>(QLatin1String(name))->geometry();
            QCOMPARE(menu.pixelColor(r.left() + 3, r.center().y()), QColor(255, 255, 0));
            QCOMPARE(menu.pixelColor(r.right() - 3, r.top() + 3), QColor(255, 255, 0));
            QCOMPARE(menu.pixelColor(r.bottomRight()), QColor(Qt::black)); // the 3-D edge
        }
        // At set-up X is raised and O flat: both one pixel around a whole picture.
        for (const char* name : {"ImgX", "ImgO"}) {
            ui::ImageControl* tool = FrmLogic::get().image(QLatin1String(name));
            const QImage seen = tool->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage picture = tool->picture().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(seen.size(), picture.size() + QSize(2, 2));
            QCOMPARE(seen.copy(1, 1, picture.width(), picture.height()), picture);
            const int last = seen.width() - 1;
            QVERIFY(seen.pixelColor(last, last / 2).lightness() < 100);
            QCOMPARE(seen.pixelColor(0, last / 2), tool->appearance() ? Qt::white : Qt::black);
        }
    }

    void modalWindowsAreTiedToTheWindowUnderThem() {
        QWindow *menu = shown(FrmMain::get())->windowHandle(), *boardTie = nullptr;
        bool chooserTied = false;
        test::whenModal("FrmLogic", [&](QWidget* board) {
            boardTie = board->windowHandle()->transientParent();
            test::whenModal("FrmFiles", [&](QWidget* chooser) {
                chooserTied = chooser->windowHandle()->transientParent() == board->windowHandle();
                chooser->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
            });
            board->findChild<QPushButton*>(QStringLiteral("CmdSave"))->click();
            board->findChild<QPushButton*>(QStringLiteral("CmdExit"))->click();
        });
        FrmMain::get().control<QPushButton>(QStringLiteral("CmdPuz01"))->click();
        QVERIFY(boardTie == menu);
        QVERIFY(chooserTied);
    }
};

QTEST_MAIN(TestDesktopInput)
#include "test_desktop_input.moc"
