// The secondary windows: fill-in chart, introduction, instructions and examples.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "catalogue/catalogue.h"
#include "chart/frm_fill_in.h"
#include "help/frm_examples.h"
#include "help/frm_instructions.h"
#include "help/frm_logic_intro.h"
#include "modal_driver.h"
#include "ui/controls.h"
#include "ui/pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace zlp;
using zlp::test::missedModals;
using zlp::test::whenModal;

namespace {

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s in %s", name, qPrintable(w->objectName()));
    return c;
}

void setPuzzle(int n) {
    FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
}

// The widgets Tab visits from `start`, in order, until the chain comes back round.
QStringList tabChain(QWidget* start) {
    QStringList names{start->objectName()};
    for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isHidden())
            names << w->objectName();
    }
    return names;
}

QStringList chartBoxesInRowOrder() {
    QStringList names;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 4; ++c) names << FrmFillIn::boxName(c, r);
    return names;
}

QString introOf(int n) {
    return QString::fromStdString(PuzzleCatalogue::instance().find(n)->IntroText)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The control that a click at the centre of `w` reaches.
QWidget* topmostAt(QWidget* window, QWidget* w) {
    return window->childAt(w->mapTo(window, w->rect().center()));
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void cleanup() {
        QCOMPARE(missedModals(), 0);
        FrmExamples::release();
        FrmInstructions::release();
        FrmFillIn::release();
        FrmLogicIntro::release();
        FrmLogic::release();
        FrmMain::release();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void chartKeepsEntriesWhileOnlyHidden() {
        setPuzzle(1);
        whenModal("FrmFillIn", [](QWidget* w) {
            QTest::keyClicks(child<QLineEdit>(w, "Txt0101"), QStringLiteral("Bus Drivers"));
            QTest::keyClicks(child<QLineEdit>(w, "Txt0405"), QStringLiteral("10:00"));
            QTest::mouseClick(child<QPushButton>(w, "CmdHide"), Qt::LeftButton);
        });
        FrmFillIn::get().showModal();
        QVERIFY(FrmFillIn::get().isLoaded());
        QVERIFY(!FrmFillIn::get().window()->isVisible());

        // Shown again as left; Enter in a box does nothing, Escape hides like CmdHide.
        QString seen0101, seen0405;
        bool visibleAfterEnter = false;
        whenModal("FrmFillIn", [&](QWidget* w) {
            seen0101 = child<QLineEdit>(w, "Txt0101")->text();
            seen0405 = child<QLineEdit>(w, "Txt0405")->text();
            QTest::keyClick(child<QLineEdit>(w, "Txt0101"), Qt::Key_Return);
            visibleAfterEnter = w->isVisible();
            QTest::keyClick(child<QLineEdit>(w, "Txt0201"), Qt::Key_Escape);
        });
        FrmFillIn::get().showModal();
        QCOMPARE(seen0101, QStringLiteral("Bus Drivers"));
        QCOMPARE(seen0405, QStringLiteral("10:00"));
        QVERIFY(visibleAfterEnter);
        QVERIFY(FrmFillIn::get().isLoaded());

        // The close box unloads: the next showing is empty, with the same headings.
        whenModal("FrmFillIn", [](QWidget* w) { w->close(); });
        FrmFillIn::get().showModal();
        QVERIFY(!FrmFillIn::get().isLoaded());
        QString after0101, title;
        whenModal("FrmFillIn", [&](QWidget* w) {
            after0101 = child<QLineEdit>(w, "Txt0101")->text();
            title = child<QLabel>(w, "LblTitle")->text();
            w->close();
        });
        FrmFillIn::get().showModal();
        QVERIFY(after0101.isEmpty());
        QCOMPARE(title, QStringLiteral("Logic Problem #1 - Conferences"));
    }

    // The board's Next and Exit unload the chart; the next showing starts afresh.
    void chartLosesEntriesWhenTheBoardMovesOn() {
        setPuzzle(1);
        const auto typeAndHide = [] {
            whenModal("FrmFillIn", [](QWidget* w) {
                QTest::keyClicks(child<QLineEdit>(w, "Txt0302"), QStringLiteral("Writers"));
                QTest::mouseClick(child<QPushButton>(w, "CmdHide"), Qt::LeftButton);
            });
            QTest::mouseClick(FrmLogic::get().control<QPushButton>(QStringLiteral("CmdShowFillIn")),
                              Qt::LeftButton);
            QVERIFY(FrmFillIn::get().isLoaded());
        };
        FrmLogic::get().show(); // loading sets puzzle 1 up
        typeAndHide();
        QTest::mouseClick(FrmLogic::get().control<QPushButton>(QStringLiteral("CmdNext")),
                          Qt::LeftButton);
        QVERIFY(!FrmFillIn::get().isLoaded());
        FrmFillIn::get().load();
        QWidget* w = FrmFillIn::get().window();
        QVERIFY(child<QLineEdit>(w, "Txt0302")->text().isEmpty());
        QCOMPARE(child<QLabel>(w, "LblTitle")->text(),
                 QStringLiteral("Logic Problem #2 - Babysitting"));
        QCOMPARE(child<QLabel>(w, "Lbl1")->text(), QStringLiteral("Name"));
        QCOMPARE(child<QLabel>(w, "Lbl4")->text(), QStringLiteral("Room"));
        FrmFillIn::get().hide();

        typeAndHide();
        QTest::mouseClick(FrmLogic::get().control<QPushButton>(QStringLiteral("CmdExit")),
                          Qt::LeftButton);
        QVERIFY(!FrmFillIn::get().isLoaded());
        QVERIFY(!FrmLogic::get().isLoaded());
        FrmFillIn::get().load();
        QVERIFY(child<QLineEdit>(FrmFillIn::get().window(), "Txt0302")->text().isEmpty());
    }

    void chartTitleAndHeadings() {
        setPuzzle(1);
        QWidget* w = FrmFillIn::get().window();
        QCOMPARE(child<QLabel>(w, "LblTitle")->text(),
                 QStringLiteral("Logic Problem #1 - Conferences"));
        const QStringList headings{"Floor", "Room", "Attendee", "Time"};
        for (int c = 1; c <= 4; ++c) {
            QLabel* heading = child<QLabel>(w, qPrintable(QStringLiteral("Lbl%1").arg(c)));
            QCOMPARE(heading->text(), headings[c - 1]);
            QCOMPARE(heading->parentWidget()->objectName(), QStringLiteral("Frame1"));
            // Each column of boxes stands under its heading.
            for (int r = 1; r <= 5; ++r) {
                auto* box = child<QLineEdit>(w, qPrintable(FrmFillIn::boxName(c, r)));
                QCOMPARE(box->parentWidget(), w);
                QCOMPARE(box->x(), heading->mapTo(w, QPoint(0, 0)).x());
                QVERIFY(box->y() > heading->mapTo(w, heading->rect().center()).y());
                QCOMPARE(topmostAt(w, box), box); // drawn above the frame
            }
        }
    }

    void tabOrders() {
        QWidget* chart = FrmFillIn::get().window();
        QCOMPARE(tabChain(child<QWidget>(chart, "Txt0101")), chartBoxesInRowOrder()
                                                                 << QStringLiteral("CmdHide"));

        QWidget* instructions = FrmInstructions::get().window();
        QCOMPARE(tabChain(child<QWidget>(instructions, "CmdExit")),
                 (QStringList{"CmdExit", "txtInstructions", "CmdEx1", "CmdEx3"}));

        // Tab passes over hidden boxes: show the example 3 box to see its place.
        QWidget* examples = FrmExamples::get().window();
        child<QWidget>(examples, "PicEx3")->show();
        QCOMPARE(tabChain(child<QWidget>(examples, "PicEx1")),
                 (QStringList{"PicEx1", "PicEx3", "CmdClose", "PicEx2"}));

        QWidget* intro = FrmLogicIntro::get().window();
        QCOMPARE(tabChain(child<QWidget>(intro, "CmdClose")), QStringList{"CmdClose"});
    }

    void introForPuzzleOneThenTwo() {
        setPuzzle(1);
        QString caption, text;
        bool closeOnTop = false;
        whenModal("FrmLogicIntro", [&](QWidget* w) {
            caption = w->windowTitle();
            auto* label = child<QLabel>(w, "Label1");
            text = label->text();
            auto* close = child<QPushButton>(w, "CmdClose");
            closeOnTop = topmostAt(w, close) == close;
            QTest::mouseClick(close, Qt::LeftButton);
        });
        FrmLogicIntro::get().showModal();
        QVERIFY(!FrmLogicIntro::get().isLoaded());
        QCOMPARE(caption, QStringLiteral("Intro to Logic Problem #1 - Conferences"));
        QVERIFY(text.startsWith(QLatin1Char('\n')));
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QVERIFY(text.contains(QStringLiteral("on which\nfloor (1st, 2nd")));
        QCOMPARE(text, introOf(1));
        QVERIFY(closeOnTop);

        // Each opening reads the puzzle that is current then; the close box unloads too.
        setPuzzle(2);
        whenModal("FrmLogicIntro", [&](QWidget* w) {
            caption = w->windowTitle();
            text = child<QLabel>(w, "Label1")->text();
            w->close();
        });
        FrmLogicIntro::get().showModal();
        QVERIFY(!FrmLogicIntro::get().isLoaded());
        QCOMPARE(caption, QStringLiteral("Intro to Logic Problem #2 - Babysitting"));
        QCOMPARE(text, introOf(2));
    }

    void puzzleNumbersOutsideTheCatalogueLeaveWindowsEmpty_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0;
        QTest::newRow("26") << 26;
        QTest::newRow("-1") << -1;
    }
    void puzzleNumbersOutsideTheCatalogueLeaveWindowsEmpty() {
        QFETCH(int, number);
        setPuzzle(number);
        QWidget* intro = FrmLogicIntro::get().window();
        QVERIFY(intro->windowTitle().isEmpty());
        QVERIFY(child<QLabel>(intro, "Label1")->text().isEmpty());

        QWidget* chart = FrmFillIn::get().window();
        QVERIFY(child<QLabel>(chart, "LblTitle")->text().isEmpty());
        for (const char* name : {"Lbl1", "Lbl2", "Lbl3", "Lbl4"})
            QVERIFY(child<QLabel>(chart, name)->text().isEmpty());
        auto* box = child<QLineEdit>(chart, "Txt0203");
        QTest::keyClicks(box, QStringLiteral("still writable"));
        QCOMPARE(box->text(), QStringLiteral("still writable"));
    }

    void instructionText() {
        const QString text = FrmInstructions::instructionText();
        const QString crlf = QStringLiteral("\r\n");
        QVERIFY(!text.endsWith(QLatin1Char('\n')));
        // Every line break is a CR LF pair.
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(crlf));
        QCOMPARE(text.count(QLatin1Char('\r')), text.count(crlf));

        const QStringList paragraphs = text.split(crlf + crlf);
        // Heading with separator, then seven paragraphs.
        QCOMPARE(paragraphs.size(), 8);
        QCOMPARE(paragraphs[0], QStringLiteral("Instructions on How to Solve Logic Problems:") +
                                    crlf + QString(67, QLatin1Char('-')));
        for (qsizetype i = 1; i < paragraphs.size(); ++i)
            QVERIFY2(!paragraphs[i].contains(crlf), qPrintable(paragraphs[i]));
        QCOMPARE(paragraphs[2], QStringLiteral("Example:"));

        const QString& marking = paragraphs[1];
        QVERIFY(marking.startsWith(
            QStringLiteral("Read each clue carefully and keep track by placing an 'X' in every "
                           "square eliminated and an 'O' in every square confirmed.  ")));
        QVERIFY(marking.contains(QStringLiteral(
            "  The 'X' or 'O' box will stay on until you click on the other one or on the "
            "eraser.    To erase")));
        QVERIFY(marking.contains(
            QStringLiteral("(one click on the eraser is good for erasing only one square)")));
        QVERIFY(marking.contains(QStringLiteral("pencil eraser toward the lower right-hand")));
        QVERIFY(paragraphs[3].contains(QStringLiteral("'Mary won the Lotto,'")));
        QVERIFY(
            paragraphs[3].contains(QStringLiteral("'Neither John nor Fred inherited the money,'")));
        QVERIFY(paragraphs[3].endsWith(
            QStringLiteral("See Example #1 (click on the button to the right).")));
        QVERIFY(paragraphs[4].contains(QStringLiteral("Sally")));
        QVERIFY(paragraphs[4].endsWith(QStringLiteral("See Example #2.")));
        QCOMPARE(paragraphs[5],
                 QStringLiteral("Keep going until the whole grid is completed, then press the "
                                "'Answers' button.  Note that this will show ALL of the answers, "
                                "not just one or two."));
        QVERIFY(paragraphs[6].contains(QStringLiteral("again and again")));
        QVERIFY(paragraphs[7].startsWith(
            QStringLiteral("Some people like using fill-in grids and one is provided for you "
                           "by pressing the 'Fill-In Grid' button.  ")));
        QVERIFY(paragraphs[7].contains(QStringLiteral("Example #3")));

        // Sentences are two blanks apart, except the four before the erasing sentence.
        static const QRegularExpression oneBlank(QStringLiteral("[.!?] \\S"));
        static const QRegularExpression oddRun(QStringLiteral("[.!?]( {3}| {5,})\\S"));
        static const QRegularExpression fourBlanks(QStringLiteral("[.!?] {4}\\S"));
        QVERIFY2(!text.contains(oneBlank), qPrintable(oneBlank.match(text).captured()));
        QVERIFY(!text.contains(oddRun));
        QCOMPARE(text.count(fourBlanks), 1);
    }

    void instructionsWindowShowsAndRebuildsTheText() {
        QString shown;
        QPoint at;
        bool readOnly = true;
        whenModal("FrmInstructions", [&](QWidget* w) {
            auto* box = child<QPlainTextEdit>(w, "txtInstructions");
            shown = box->toPlainText();
            at = w->pos();
            readOnly = box->isReadOnly();
            box->setPlainText(QStringLiteral("scribbled over"));
            QTest::mouseClick(child<QPushButton>(w, "CmdExit"), Qt::LeftButton);
        });
        // Opened from the main menu's button.
        QTest::mouseClick(child<QPushButton>(FrmMain::get().window(), "CmdInstructions"),
                          Qt::LeftButton);
        QVERIFY(!FrmInstructions::get().isLoaded());
        QCOMPARE(shown, FrmInstructions::instructionText().replace(QStringLiteral("\r\n"),
                                                                   QStringLiteral("\n")));
        QCOMPARE(at, QPoint(0, 0));
        QVERIFY(!readOnly);

        whenModal("FrmInstructions", [&](QWidget* w) {
            shown = child<QPlainTextEdit>(w, "txtInstructions")->toPlainText();
            w->close();
        });
        FrmMain::get().CmdInstructions_Click();
        QVERIFY(!FrmInstructions::get().isLoaded());
        QVERIFY(shown.startsWith(QStringLiteral("Instructions on How to Solve Logic Problems:")));
    }

    // CmdEx3 switches the examples to the chart picture; closing unloads, so CmdEx1
    // finds the design state again.
    void exampleViews() {
        auto visible = [](QWidget* w) {
            QStringList names{w->windowTitle()};
            for (const char* name : {"PicEx1", "PicEx2", "PicEx3", "Label3"})
                if (child<QWidget>(w, name)->isVisible()) names << QString::fromLatin1(name);
            return names;
        };
        QStringList third, design;
        QPoint at;
        whenModal("FrmInstructions", [&](QWidget* instructions) {
            whenModal("FrmExamples", [&](QWidget* w) {
                third = visible(w);
                at = w->pos();
                QTest::mouseClick(child<QPushButton>(w, "CmdClose"), Qt::LeftButton);
            });
            QTest::mouseClick(child<QPushButton>(instructions, "CmdEx3"), Qt::LeftButton);
            whenModal("FrmExamples", [&](QWidget* w) {
                design = visible(w);
                w->close();
            });
            QTest::mouseClick(child<QPushButton>(instructions, "CmdEx1"), Qt::LeftButton);
            instructions->close();
        });
        FrmMain::get().CmdInstructions_Click();
        QCOMPARE(third, (QStringList{"Examples", "PicEx3", "Label3"}));
        QCOMPARE(at, QPoint(0, 0));
        QCOMPARE(design, (QStringList{"Examples", "PicEx1", "PicEx2"}));
        QVERIFY(!FrmExamples::get().isLoaded());
        QVERIFY(!FrmInstructions::get().isLoaded());
    }

    // Each picture box is its picture plus a one-pixel border on each side.
    void pictureBoxesFitTheirPictures_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("size");
        QTest::newRow("PicEx1") << "example1.gif" << QSize(382, 182);
        QTest::newRow("PicEx2") << "example2.gif" << QSize(382, 182);
        QTest::newRow("PicEx3") << "example3.gif" << QSize(327, 116);
    }
    void pictureBoxesFitTheirPictures() {
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        auto* pic = child<ui::ImageControl>(FrmExamples::get().window(), QTest::currentDataTag());
        QVERIFY(!pic->picture().isNull());
        QCOMPARE(pic->picture().toImage(), ui::storedPicture(picture).toImage());
        QCOMPARE(pic->size(), size);
        // Its label lies wholly inside it.
        const QLabel* label = pic->findChild<QLabel*>();
        QVERIFY(label && pic->rect().contains(label->geometry()));
    }

    // Buttons narrower than their captions keep the captions as written and wrap them
    // so that every line fits across the button.
    void narrowButtonsWrapTheirCaptions() {
        QWidget* instructions = FrmInstructions::get().window();
        const QList<QPair<QPushButton*, QString>> buttons{
            {child<QPushButton>(instructions, "CmdEx1"), QStringLiteral("Examples 1 && 2")},
            {child<QPushButton>(instructions, "CmdEx3"), QStringLiteral("Example 3")},
            {child<QPushButton>(FrmFillIn::get().window(), "CmdHide"),
             QStringLiteral("&Hide Fill-In Grid")}};
        for (const auto& [b, caption] : buttons) {
            QCOMPARE(b->text(), caption);
            QVERIFY(qobject_cast<ui::CommandButton*>(b));
            const QRect needed = QFontMetrics(b->font()).boundingRect(
                b->rect(), Qt::TextWordWrap | Qt::AlignCenter, ui::labelText(caption));
            QVERIFY2(b->rect().contains(needed), qPrintable(b->objectName()));
        }
    }

    // Writes each window as drawn to ZLP_GRAB_DIR, when that is set, for a look by eye.
    void grabWindows() {
        const QString dir = qEnvironmentVariable("ZLP_GRAB_DIR");
        if (dir.isEmpty()) QSKIP("ZLP_GRAB_DIR not set");
        setPuzzle(1);
        for (ui::FormBase* form :
             std::initializer_list<ui::FormBase*>{&FrmFillIn::get(), &FrmLogicIntro::get(),
                                                  &FrmInstructions::get(), &FrmExamples::get()}) {
            QVERIFY(form->window()->grab().save(dir + '/' + form->name() + ".png"));
        }
        QWidget* examples = FrmExamples::get().window();
        for (const char* name : {"Label3", "PicEx3"}) child<QWidget>(examples, name)->show();
        for (const char* name : {"PicEx1", "PicEx2"}) child<QWidget>(examples, name)->hide();
        QVERIFY(examples->grab().save(dir + QStringLiteral("/FrmExamples3.png")));
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
