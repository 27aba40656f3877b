// Window objects: created on first use, loaded on touch, unloaded with their
// variables kept, released, nested modally; and the main menu built on them.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_instructions.h"
#include "modal_driver.h"
#include "saves/frm_files.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace zlp;
using namespace zlp::test;

namespace {

// Two windows that reproduce the hardest nesting of the game: a handler of
// the outer window shows the inner one modally, and the inner one's load
// unloads the outer window while that handler still waits.
class OuterForm : public ui::Form<OuterForm> {
public:
    OuterForm() : Form(QStringLiteral("OuterForm")) {}
    int resumed = 0;
    void Ok_Click();

protected:
    ui::WindowDesign design() const override {
        return {QStringLiteral("Outer"), 3000, 2000, ui::colours::yellow, false, ui::defaultFont()};
    }
    void build(QWidget& w) override {
        auto* ok = ui::addButton(&w, QStringLiteral("OKButton"), QStringLiteral("OK"), 120, 120,
                                 1215, 375);
        QObject::connect(ok, &QPushButton::clicked, this, &OuterForm::Ok_Click);
    }
};

class InnerForm : public ui::Form<InnerForm> {
public:
    InnerForm() : Form(QStringLiteral("InnerForm")) {}

protected:
    ui::WindowDesign design() const override {
        return {QStringLiteral("Inner"), 3000, 2000, ui::colours::white, true, ui::defaultFont()};
    }
    void build(QWidget&) override {}
    void Form_Load() override { OuterForm::get().unload(); }
};

void OuterForm::Ok_Click() {
    InnerForm::get().showModal();
    ++resumed; // only object variables are touched after the inner window returns
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString caption(int n, const char* title, int blanks) {
    return QStringLiteral("#%1 - %2").arg(n).arg(QLatin1String(title)) +
           QString(blanks, QLatin1Char(' '));
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void cleanup() {
        ui::FormBase::setObserver({});
        for (const QString& name : FrmMain::exitOrder()) ui::FormBase::releaseByName(name);
        OuterForm::release();
        InnerForm::release();
        flushDeletes();
        QCOMPARE(missedModals(), 0);
    }

    void variablesDoNotLoadButControlsDo() {
        FrmFiles::get().FileMode = 2;
        QVERIFY(FrmFiles::exists());
        QVERIFY(!FrmFiles::get().isLoaded());
        QVERIFY(FrmMain::get().control<QPushButton>(QStringLiteral("CmdExit")));
        QVERIFY(FrmMain::get().isLoaded());
        QCOMPARE(ui::FormBase::byName(QStringLiteral("FrmMain")), &FrmMain::get());
        QCOMPARE(ui::FormBase::byName(QStringLiteral("FrmExamples")), nullptr);
    }

    void unloadKeepsVariablesReleaseDiscardsThem() {
        QStringList events;
        ui::FormBase::setObserver(
            [&](const QString& e, const QString& n) { events << e + ' ' + n; });
        FrmMain::get().PuzzleNumber = 12;
        FrmMain::get().load();
        QPointer<QWidget> first = FrmMain::get().window();
        FrmMain::get().unload();
        QVERIFY(!FrmMain::get().isLoaded());
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(12));
        flushDeletes();
        QVERIFY(first.isNull()); // the controls are gone
        FrmMain::get().load();
        QVERIFY(FrmMain::get().window() != nullptr);
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(12));
        FrmMain::release();
        QVERIFY(!FrmMain::exists());
        QCOMPARE(FrmMain::get().PuzzleNumber, Int16(0));
        QCOMPARE(events,
                 (QStringList{"create FrmMain", "load FrmMain", "unload FrmMain", "load FrmMain",
                              "unload FrmMain", "release FrmMain", "create FrmMain"}));
    }

    void unloadWhileOwnHandlerWaits() {
        OuterForm::get().resumed = 0;
        whenModal(QStringLiteral("OuterForm"), [](QWidget* w) {
            whenModal(QStringLiteral("InnerForm"), [](QWidget*) {
                QVERIFY(!OuterForm::get().isLoaded());
                InnerForm::get().unload();
            });
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("OKButton")),
                              Qt::LeftButton);
        });
        OuterForm::get().showModal();
        QCOMPARE(OuterForm::get().resumed, 1);
        QVERIFY(!OuterForm::get().isLoaded());
        flushDeletes();
    }

    void mainMenuWindow() {
        FrmMain& m = FrmMain::get();
        QWidget* w = m.window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Zentara's Logic Problems"));
        QCOMPARE(w->size(), QSize(459, 363));
        QCOMPARE(w->pos(), QPoint(10, 10));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(m.PuzzleNumber, Int16(0));
    }

    void mainMenuCaptionsAndGeometry_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        const struct {
            const char* title;
            int blanks;
        } rows[25] = {
            {"Conferences", 16},        {"Babysitting", 17},      {"Music Lessons", 12},
            {"Windfall", 23},           {"Criminals", 22},        {"Speeders", 21},
            {"Annual May Day", 10},     {"Service Retirees", 10}, {"Book Promotion", 11},
            {"Girls Night Out", 11},    {"Community Service", 4}, {"Yachts", 23},
            {"Game Show", 14},          {"Airport Arrivals", 11}, {"Foreign Languages", 3},
            {"Pen Pals", 20},           {"Science Fair", 14},     {"Reporters", 18},
            {"Doctors w/o Borders", 0}, {"New IT Graduates", 5},  {"Soap Opera", 15},
            {"Ask the Experts", 9},     {"Home Remodeling", 5},   {"Mom vs. Child", 12},
            {"Affluent Neighbors", 5}};
        for (int n = 1; n <= 25; ++n) {
            // Columns of 7, 11 and 7 buttons, 480 twips apart.
            const QPoint at = n <= 7    ? QPoint(120, 2040 + (n - 1) * 480)
                              : n <= 18 ? QPoint(2400, 120 + (n - 8) * 480)
                                        : QPoint(4680, 120 + (n - 19) * 480);
            QTest::addRow("%d", n) << n << caption(n, rows[n - 1].title, rows[n - 1].blanks)
                                   << ui::twipRect(at.x(), at.y(), 2055, 375);
        }
    }
    void mainMenuCaptionsAndGeometry() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        auto* b = FrmMain::get().control<QPushButton>(
            QStringLiteral("CmdPuz%1").arg(n, 2, 10, QLatin1Char('0')));
        QVERIFY(b);
        QCOMPARE(b->text(), text);
        QCOMPARE(b->geometry(), geometry);
    }

    void mainMenuOtherButtonsAndTabOrder() {
        FrmMain& m = FrmMain::get();
        auto* instr = m.control<QPushButton>(QStringLiteral("CmdInstructions"));
        QCOMPARE(instr->text(), QStringLiteral("&Instructions on How to Solve Logic Problems"));
        QCOMPARE(instr->geometry(), QRect(8, 72, 137, 57));
        // The face itself where it is installed, else its metric-compatible substitute.
        QVERIFY((QStringList{QStringLiteral("Times New Roman"),
                             QFont::substitute(QStringLiteral("Times New Roman"))})
                    .contains(instr->font().family()));
        QVERIFY(instr->font().bold());
        QCOMPARE(instr->font().pointSizeF(), 12.0);
        QCOMPARE(instr->palette().color(QPalette::Button), QColor(255, 255, 0));
        auto* open = m.control<QPushButton>(QStringLiteral("CmdOpenSaved"));
        QCOMPARE(open->text(), QStringLiteral("&Open Saved File"));
        QCOMPARE(open->geometry(), QRect(312, 248, 137, 33));
        QCOMPARE(open->font().pointSizeF(), 9.75);
        QCOMPARE(open->palette().color(QPalette::Button), QColor(255, 255, 0));
        auto* exit = m.control<QPushButton>(QStringLiteral("CmdExit"));
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
        QCOMPARE(exit->geometry(), QRect(384, 320, 65, 33));
        QCOMPARE(exit->font().pointSizeF(), 8.25);

        QStringList chain;
        QWidget* at = instr;
        for (int i = 0; i < 28; ++i) {
            chain << at->objectName();
            at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus)) at = at->nextInFocusChain();
        }
        QStringList expected{QStringLiteral("CmdInstructions")};
        for (int n = 1; n <= 25; ++n)
            expected << QStringLiteral("CmdPuz%1").arg(n, 2, 10, QLatin1Char('0'));
        expected << QStringLiteral("CmdOpenSaved") << QStringLiteral("CmdExit");
        QCOMPARE(chain, expected);
    }

    void puzzleButtonSetsNumberAndShowsBoardModally() {
        FrmMain::get().show();
        bool shown = false;
        whenModal(QStringLiteral("FrmLogic"), [&](QWidget* w) {
            shown = true;
            QCOMPARE(FrmMain::get().PuzzleNumber, Int16(14));
            QVERIFY(w->isModal());
            QVERIFY(!FrmMain::get().window()->isEnabled() ||
                    QApplication::activeModalWidget() == w);
            FrmLogic::get().unload();
        });
        QTest::mouseClick(FrmMain::get().control<QPushButton>(QStringLiteral("CmdPuz14")),
                          Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!FrmLogic::get().isLoaded());
    }

    void exitUnloadsAndReleasesInOrder() {
        QStringList events;
        FrmMain::get().show();
        FrmLogic::get().load();
        FrmFillIn::get().load();
        FrmFiles::get().FileMode = 1; // created, never loaded
        FrmInstructions::get().load();
        ui::FormBase::setObserver(
            [&](const QString& e, const QString& n) { events << e + ' ' + n; });
        QSignalSpy quit(qApp, &QCoreApplication::aboutToQuit); // exit() needs no running loop
        QTest::mouseClick(FrmMain::get().control<QPushButton>(QStringLiteral("CmdExit")),
                          Qt::LeftButton);
        QCOMPARE(events, (QStringList{"unload FrmInstructions", "release FrmInstructions",
                                      "release FrmFiles", "unload FrmFillIn", "release FrmFillIn",
                                      "unload FrmLogic", "release FrmLogic", "unload FrmMain",
                                      "release FrmMain"}));
        for (const QString& name : FrmMain::exitOrder())
            QCOMPARE(ui::FormBase::byName(name), nullptr);
    }

    void closeBoxOfMainMenuExits() {
        FrmMain::get().show();
        FrmLogic::get().load();
        FrmMain::get().window()->close();
        QVERIFY(!FrmMain::exists());
        QVERIFY(!FrmLogic::exists());
    }

    void lookOfMainMenu() {
        FrmMain::get().show();
        const QImage shot = FrmMain::get().window()->grab().toImage();
        QCOMPARE(shot.size(), QSize(459, 363));
        // The blue background shows between the button columns.
        QCOMPARE(shot.pixelColor(152, 200), QColor(0, 0, 255));
        const QString out = qEnvironmentVariable("ZLP_SHOTS");
        if (!out.isEmpty()) shot.save(out + QStringLiteral("/main-menu.png"));
    }
};

QTEST_MAIN(TestForms)
#include "test_forms.moc"
