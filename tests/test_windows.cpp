// SPDX-License-Identifier: GPL-3.0-or-later
// The windows: loaded on touch, unloaded with their variables kept, released; the main menu,
// the fill-in chart, the introduction, the instructions and the examples.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_examples.h"
#include "help/frm_instructions.h"
#include "help/frm_logic_intro.h"
#include "modal_driver.h"
#include "saves/frm_files.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace zlp;
using zlp::test::missedModals;
using zlp::test::whenModal;

namespace {
template <class T = QWidget> T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no control %s in %s", qPrintable(name), qPrintable(w->objectName()));
    return c;
}

// The names of count controls from first on, in tab order.
QStringList tabOrder(QWidget* first, int count) {
    QStringList names;
    for (QWidget* at = first; names.size() < count;) {
        names << at->objectName();
        do at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus));
    }
    return names;
}

void click(QWidget* w, const QString& name) {
    QTest::mouseClick(child(w, name), Qt::LeftButton);
}

// Shows form modally and runs act on its window, for the current puzzle n.
void showing(ui::FormBase& form, int n, std::function<void(QWidget*)> act) {
    FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
    whenModal(form.name(), std::move(act));
    form.showModal();
}
} // namespace

class TestWindows : public QObject {
    Q_OBJECT

    QStringList events_;
    void watch() {
        events_.clear();
        ui::FormBase::setObserver(
            [this](const QString& e, const QString& n) { events_ << e + ' ' + n; });
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void cleanup() {
        ui::FormBase::setObserver({});
        QCOMPARE(test::releaseAll(), 0);
    }

    void unloadKeepsVariablesReleaseDiscardsThem() {
        FrmMain::get().PuzzleNumber = 12;
        QVERIFY(!FrmMain::get().isLoaded()); // a variable does not load the window
        QVERIFY(FrmMain::get().control<QPushButton>(QStringLiteral("CmdExit")));
        const QPointer<QWidget> controls = FrmMain::get().window();
        FrmMain::get().unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!controls && !FrmMain::get().isLoaded() &&
                FrmMain::get().control<QPushButton>(QStringLiteral("CmdExit"))); // loads again
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(12));
        FrmMain::release();
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(0));
    }

    // The menu's buttons in tab order, and the blanks that end their captions, which neither
    // picture nor reader shows (where the buttons stand is in test_golden).
    void mainMenu() {
        QWidget* w = FrmMain::get().window();
        QCOMPARE(w->pos(), QPoint(10, 10));
        QStringList order{QStringLiteral("CmdInstructions")};
        const int blanks[] = {16, 17, 12, 23, 22, 21, 10, 10, 11, 11, 4,  23, 14,
                              11, 3,  20, 14, 18, 0,  5,  15, 9,  5,  12, 5};
        for (int n = 1; n <= 25; ++n) {
            order << QStringLiteral("CmdPuz%1").arg(n, 2, 10, QLatin1Char('0'));
            const QString text = child<QPushButton>(w, order.last())->text();
            QCOMPARE(text.size() - text.trimmed().size(), blanks[n - 1]);
        }
        order << QStringLiteral("CmdOpenSaved") << QStringLiteral("CmdExit");
        QCOMPARE(tabOrder(child(w, order[0]), int(order.size())), order);
    }

    // The yellow faces keep a white edge on a desktop whose light colour is not white.
    void facedButtonEdge() {
        const QPalette desktop = QApplication::palette();
        QApplication::setPalette(QPalette(Qt::gray)); // light: a paler grey
        const QImage face = child(FrmMain::get().window(), "CmdInstructions")->grab().toImage();
        QApplication::setPalette(desktop);
        QCOMPARE(face.pixelColor(0, 10), QColor(Qt::white));
    }

    // Hide (button or Escape) keeps the entries, Enter does nothing, the close box unloads.
    void chartKeepsEntriesWhileOnlyHidden() {
        FrmFillIn& chart = FrmFillIn::get();
        showing(chart, 1, [](QWidget* w) {
            QTest::keyClicks(child(w, "Txt0405"), QStringLiteral("10:00"));
            click(w, "CmdHide");
        });
        QString seen;
        bool stayed = false;
        showing(chart, 1, [&](QWidget* w) {
            seen = child<QLineEdit>(w, "Txt0405")->text();
            QTest::keyClick(child(w, "Txt0101"), Qt::Key_Return); // Enter does nothing
            stayed = w->isVisible();
            QTest::keyClick(child(w, "Txt0201"), Qt::Key_Escape);
        });
        QVERIFY(chart.isLoaded() && stayed);
        QCOMPARE(seen, QStringLiteral("10:00"));
        showing(chart, 1, [](QWidget* w) { w->close(); });
        QVERIFY(!chart.isLoaded());
        QVERIFY(child<QLineEdit>(chart.window(), "Txt0405")->text().isEmpty());
    }

    // The board's Next and Exit unload the chart; the next showing starts afresh.
    void chartLosesEntriesWhenTheBoardMovesOn() {
        for (const char* command : {"CmdNext", "CmdExit"}) {
            FrmMain::get().PuzzleNumber = 1;
            FrmLogic::get().show();
            whenModal(QStringLiteral("FrmFillIn"), [](QWidget* w) {
                QTest::keyClicks(child(w, "Txt0302"), QStringLiteral("Writers"));
                click(w, "CmdHide");
            });
            QPointer<QWidget> board = FrmLogic::get().window();
            click(board, "CmdShowFillIn");
            click(board, command);
            QCOMPARE(board && board->isVisible(), FrmLogic::get().isLoaded()); // hidden at once
            QVERIFY2(!FrmFillIn::get().isLoaded(), command);
            QVERIFY(child<QLineEdit>(FrmFillIn::get().window(), "Txt0302")->text().isEmpty());
            FrmFillIn::get().unload();
            FrmLogic::get().unload();
        }
    }

    // Tab runs along the chart's rows (how it looks is in test_golden).
    void chartTabOrder() {
        FrmMain::get().PuzzleNumber = 2;
        QWidget* w = FrmFillIn::get().window();
        QStringList order;
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 4; ++c) order << FrmFillIn::boxName(c, r);
        order << QStringLiteral("CmdHide");
        QCOMPARE(tabOrder(child(w, order[0]), int(order.size())), order);
    }

    // The introduction stays on Escape, having no cancel button (its texts are in test_golden).
    void introduction() {
        bool stayed = false;
        showing(FrmLogicIntro::get(), 1, [&](QWidget* w) {
            QTest::keyClick(child(w, "CmdClose"), Qt::Key_Escape);
            stayed = w->isVisible();
            click(w, "CmdClose");
        });
        QVERIFY(!FrmLogicIntro::get().isLoaded() && stayed);
    }

    // Shown at the top left from the menu, editable, and the examples from there too.
    void instructionsAndExamples() {
        QString shown;
        QStringList examplesOrder;
        QPoint at, examplesAt{-1, -1};
        whenModal(QStringLiteral("FrmInstructions"), [&](QWidget* w) {
            auto* box = child<QPlainTextEdit>(w, "txtInstructions");
            shown = box->toPlainText();
            at = w->pos();
            QTest::keyClicks(box, QStringLiteral("scribbled"));
            whenModal(QStringLiteral("FrmExamples"), [&](QWidget* e) {
                examplesAt = e->pos();
                examplesOrder = tabOrder(child(e, "PicEx1"), 4); // hidden or not
                click(e, "CmdClose");
            });
            click(w, "CmdEx3");
            click(w, "CmdExit");
        });
        click(FrmMain::get().window(), "CmdInstructions");
        QVERIFY(!FrmInstructions::get().isLoaded() && !FrmExamples::get().isLoaded());
        QCOMPARE(shown, FrmInstructions::instructionText().replace(QStringLiteral("\r\n"),
                                                                   QStringLiteral("\n")));
        QVERIFY(at.isNull() && examplesAt.isNull()); // which pictures it shows is in test_golden
        QCOMPARE(examplesOrder, QStringList({"PicEx1", "PicEx3", "CmdClose", "PicEx2"}));
    }

    // Last: Exit, or the menu's close box, ends the application, after which no modal window shows.
    void exitUnloadsAndReleasesInOrder() {
        for (const bool closeBox : {false, true}) {
            FrmMain::get().show();
            FrmLogic::get().load();
            FrmFillIn::get().load();
            FrmFiles::get().FileMode = 1; // created, never loaded
            FrmInstructions::get().load();
            watch();
            QWidget* menu = FrmMain::get().window();
            QTimer::singleShot(0, [&] { closeBox ? void(menu->close()) : click(menu, "CmdExit"); });
            QCOMPARE(QCoreApplication::exec(), 0); // the game's exit status
            QCOMPARE(events_,
                     (QStringList{"unload FrmInstructions", "release FrmInstructions",
                                  "release FrmFiles", "unload FrmFillIn", "release FrmFillIn",
                                  "unload FrmLogic", "release FrmLogic", "unload FrmMain",
                                  "release FrmMain"}));
        }
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
