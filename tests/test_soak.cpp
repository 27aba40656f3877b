// A seeded random player that plays through the real windows: chooses
// puzzles, marks cells with all three tools, shows the answers, opens and
// hides the chart, saves and reopens boards, moves on with Next and Exit.
// After every step the board must match a plain model of the rules written
// here from scratch, and no window may be left behind.
//   ZLP_SOAK_STEPS (default 1500) and ZLP_SOAK_SEED (default 20261205) set the run.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "catalogue/catalogue.h"
#include "chart/frm_fill_in.h"
#include "saves/frm_files.h"
#include "saves_driver.h"
#include "ui/controls.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <random>

using namespace zlp;
using namespace zlp::test;

namespace {

enum Shown { Blank, X, O, Red, Purple };

// The rules, written again without the game's own model.
struct Model {
    int puzzle = 0;
    int fileMode = 0;
    int tool = 1;
    bool eraserRaised = false;
    int raised = 1; // which tool image shows the raised border: 1 X, 2 O, 3 eraser
    std::array<int, 150> state{};
    std::array<Shown, 150> shown{};
    std::map<QString, QString> chart; // box name -> text, while the chart is only hidden

    static int index(int c, int r) {
        return c <= 5    ? 15 * (c - 1) + r - 1
               : c <= 10 ? 75 + 10 * (c - 6) + r - 1
                         : 125 + 5 * (c - 11) + r - 1;
    }
    void setUp(const std::array<int, 150>* saved) {
        tool = 1;
        raised = 1;
        eraserRaised = false;
        if (saved) {
            for (int k = 0; k < 150; ++k) click(k, (*saved)[static_cast<std::size_t>(k)]);
        } else {
            state.fill(2);
            shown.fill(Blank);
        }
        fileMode = 0;
    }
    void click(int k, int mark) {
        const auto i = static_cast<std::size_t>(k);
        state[i] = mark;
        shown[i] = mark == 0 ? X : mark == 1 ? O : Blank;
        if (mark == 2) {
            tool = 1;
            raised = 1;
            eraserRaised = false;
        }
    }
    void clickWithTool(int k) { click(k, tool == 1 ? 0 : tool == 2 ? 1 : 2); }
    void chooseTool(int t) {
        tool = t;
        if (t != 3) {
            raised = t;
            eraserRaised = false;
        } else if (!eraserRaised) {
            eraserRaised = true;
            raised = 3;
        }
    }
    void answers() {
        const PuzzleRecord* r = PuzzleCatalogue::instance().find(puzzle);
        if (!r) return;
        std::vector<int> cells;
        for (const auto& t : r->Solution) {
            const int a = t[0], b = t[1], c = t[2], d = t[3];
            for (auto [col, row] : {std::pair{b, a},
                                    {5 + c, a},
                                    {10 + d, a},
                                    {b, 5 + d},
                                    {5 + c, 5 + d},
                                    {b, 10 + c}}) {
                cells.push_back(index(col, row));
                const int top = (row - 1) / 5 * 5 + 1;
                for (int rr = top; rr < top + 5; ++rr) {
                    const auto j = static_cast<std::size_t>(index(col, rr));
                    if (rr != row && state[j] == 1 && shown[j] != Red) shown[j] = Purple;
                }
            }
        }
        for (int k : cells) shown[static_cast<std::size_t>(k)] = Red;
    }
};

struct SavedBoard {
    int puzzle;
    std::array<int, 150> state;
};

class Player {
public:
    Player(unsigned seed, int steps) : rng_(seed), budget_(steps) {}

    int steps = 0;
    int saves = 0, reopens = 0, answersShown = 0, chartShows = 0, nexts = 0;
    QStringList failures;

    void run() {
        while (steps < budget_ && failures.isEmpty()) {
            if (!saved_.empty() && chance(0.4))
                reopen();
            else
                choosePuzzle();
            checkOnlyMenuLeft();
        }
    }

private:
    std::mt19937 rng_;
    int budget_;
    Model m_;
    std::map<QString, SavedBoard> saved_;

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    void fail(const QString& what) {
        if (failures.size() < 10) failures << QStringLiteral("step %1: %2").arg(steps).arg(what);
    }

    void choosePuzzle() {
        const int n = pick(1, 25);
        m_.puzzle = n;
        m_.chart.clear();
        m_.setUp(nullptr);
        whenModal(QStringLiteral("FrmLogic"), [this](QWidget*) { playBoard(); });
        ++steps;
        QTest::mouseClick(FrmMain::get().control<QPushButton>(
                              QStringLiteral("CmdPuz%1").arg(n, 2, 10, QLatin1Char('0'))),
                          Qt::LeftButton);
    }

    void reopen() {
        auto it = saved_.begin();
        std::advance(it, pick(0, static_cast<int>(saved_.size()) - 1));
        const QString name = it->first;
        const SavedBoard board = it->second;
        m_.puzzle = board.puzzle;
        m_.chart.clear();
        m_.setUp(&board.state);
        ++reopens;
        ++steps;
        whenModal(QStringLiteral("FrmFiles"), [this, name](QWidget* chooser) {
            whenModal(QStringLiteral("FrmLogic"), [this](QWidget*) { playBoard(); });
            if (!pickFile(chooser, name))
                fail(QStringLiteral("saved file %1 not listed").arg(name));
            pressButton(chooser, QStringLiteral("OKButton"));
        });
        QTest::mouseClick(FrmMain::get().control<QPushButton>(QStringLiteral("CmdOpenSaved")),
                          Qt::LeftButton);
    }

    // Plays the board shown over the menu (or over the chooser) until it closes.
    void playBoard() {
        FrmLogic& b = FrmLogic::get();
        check();
        int left = pick(5, 120);
        for (;;) {
            ++steps;
            // A failure ends the game too, so the test does not hang under a modal board.
            if (--left <= 0 || steps >= budget_ || !failures.isEmpty()) {
                m_.fileMode = 0;
                m_.chart.clear();
                clickControl(b, QStringLiteral("CmdExit"));
                return;
            }
            const int roll = pick(0, 999);
            if (roll < 600) {
                const int k = pick(0, 149);
                m_.clickWithTool(k);
                QTest::mouseClick(b.cell(k), Qt::LeftButton, {}, QPoint(11, 11));
            } else if (roll < 700) {
                m_.chooseTool(1);
                QTest::mouseClick(b.image(QStringLiteral("ImgX")), Qt::LeftButton);
            } else if (roll < 800) {
                m_.chooseTool(2);
                QTest::mouseClick(b.image(QStringLiteral("ImgO")), Qt::LeftButton);
            } else if (roll < 930) {
                m_.chooseTool(3);
                QTest::mouseClick(b.image(QStringLiteral("ImgErase")), Qt::LeftButton);
            } else if (roll < 950) {
                m_.answers();
                ++answersShown;
                clickControl(b, QStringLiteral("CmdAnswer"));
            } else if (roll < 970) {
                useChart(b);
            } else if (roll < 990) {
                save(b);
            } else {
                ++nexts;
                m_.chart.clear();
                if (m_.puzzle == 25) {
                    m_.puzzle = 1;
                    clickControl(b, QStringLiteral("CmdNext"));
                    if (b.isLoaded()) fail(QStringLiteral("the board stayed open after puzzle 25"));
                    if (FrmMain::get().PuzzleNumber != 1)
                        fail(QStringLiteral("Next after 25 did not wrap to 1"));
                    return;
                }
                ++m_.puzzle;
                m_.setUp(nullptr);
                clickControl(b, QStringLiteral("CmdNext"));
            }
            check();
        }
    }

    void useChart(FrmLogic& b) {
        ++chartShows;
        whenModal(QStringLiteral("FrmFillIn"), [this](QWidget* chart) {
            for (const auto& [box, text] : m_.chart) {
                auto* edit = chart->findChild<QLineEdit*>(box);
                if (!edit || edit->text() != text) fail(QStringLiteral("chart lost %1").arg(box));
            }
            const int column = pick(1, 4), row = pick(1, 5);
            const QString box =
                QStringLiteral("Txt%1").arg(column * 100 + row, 4, 10, QLatin1Char('0'));
            auto* edit = chart->findChild<QLineEdit*>(box);
            edit->setFocus();
            const QString text = QStringLiteral("n%1").arg(pick(0, 99));
            edit->selectAll();
            QTest::keyClicks(edit, text);
            if (chance(0.8)) {
                m_.chart[box] = text;
                pressButton(chart, QStringLiteral("CmdHide"));
            } else {
                m_.chart.clear();
                chart->close(); // the close box discards the entries
            }
        });
        clickControl(b, QStringLiteral("CmdShowFillIn"));
    }

    void save(FrmLogic& b) {
        ++saves;
        const QString name = QStringLiteral("board%1").arg(pick(0, 5));
        const QString file = name + QStringLiteral(".txt");
        const bool exists = saved_.count(file) > 0;
        const bool replace = !exists || chance(0.7);
        whenModal(QStringLiteral("FrmFiles"), [name, exists, replace](QWidget* chooser) {
            typeName(chooser, name);
            if (exists)
                whenMessageBox([replace](QMessageBox* box) {
                    box->button(replace ? QMessageBox::Ok : QMessageBox::Cancel)->click();
                });
            pressButton(chooser, QStringLiteral("OKButton"));
        });
        clickControl(b, QStringLiteral("CmdSave"));
        m_.fileMode = 2;
        if (replace) {
            SavedBoard s{m_.puzzle, m_.state};
            saved_[file] = s;
        }
        // What is on disk must be what the model says was saved.
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("%1 was not written").arg(file));
            return;
        }
        QByteArray expected = QByteArray::number(saved_[file].puzzle);
        for (int s : saved_[file].state) expected += ',' + QByteArray::number(s);
        expected += "\r\n";
        if (f.readAll() != expected)
            fail(QStringLiteral("%1 does not hold the saved board").arg(file));
    }

    void clickControl(FrmLogic& b, const QString& name) {
        QTest::mouseClick(b.control<QPushButton>(name), Qt::LeftButton);
    }

    void check() {
        FrmLogic& b = FrmLogic::get();
        if (!b.isLoaded()) return;
        const auto& board = b.board;
        // Cells show shared copies of the holder images' pictures.
        const auto key = [&b](const char* holder) {
            return b.image(QLatin1String(holder))->picture().cacheKey();
        };
        const qint64 keys[5] = {0, key("ImgX"), key("ImgO"), key("ImgRedO"), key("ImgPurpleO")};
        for (int k = 0; k < 150; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (board.CellState[i] != m_.state[i])
                return fail(QStringLiteral("state of %1").arg(QString::fromStdString(cellName(k))));
            const QPixmap& shown = b.cell(k)->picture();
            const Shown want = m_.shown[i];
            const bool same =
                want == Blank
                    ? !shown.isNull() && std::find(keys + 1, keys + 5, shown.cacheKey()) == keys + 5
                    : shown.cacheKey() == keys[want];
            if (!same)
                return fail(
                    QStringLiteral("picture of %1").arg(QString::fromStdString(cellName(k))));
        }
        if (board.CurrentTool != m_.tool)
            fail(QStringLiteral("tool %1, not %2").arg(board.CurrentTool).arg(m_.tool));
        if ((board.EraserRaised != 0) != m_.eraserRaised) fail(QStringLiteral("eraser flag"));
        const int raised[3] = {b.image(QStringLiteral("ImgX"))->appearance(),
                               b.image(QStringLiteral("ImgO"))->appearance(),
                               b.image(QStringLiteral("ImgErase"))->appearance()};
        for (int t = 1; t <= 3; ++t)
            if (raised[t - 1] != (m_.raised == t ? 1 : 0))
                fail(QStringLiteral("border of tool %1").arg(t));
        if (FrmFiles::get().FileMode != m_.fileMode)
            fail(QStringLiteral("FileMode %1, not %2")
                     .arg(FrmFiles::get().FileMode)
                     .arg(m_.fileMode));
        if (FrmMain::get().PuzzleNumber != m_.puzzle) fail(QStringLiteral("puzzle number"));
        if (!b.caption().startsWith(
                QStringLiteral("Zentara's Logic Problems - #%1 - ").arg(m_.puzzle)))
            fail(QStringLiteral("caption %1").arg(b.caption()));
    }

    void checkOnlyMenuLeft() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != FrmMain::get().window())
                fail(QStringLiteral("window %1 left behind").arg(w->objectName()));
        if (FrmLogic::get().isLoaded()) fail(QStringLiteral("the board is still loaded"));
        if (FrmFiles::get().isLoaded()) fail(QStringLiteral("the chooser is still loaded"));
        if (QApplication::activeModalWidget()) fail(QStringLiteral("a modal window is still up"));
    }
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void randomPlayer() {
        const int steps = qEnvironmentVariableIsSet("ZLP_SOAK_STEPS")
                              ? qEnvironmentVariableIntValue("ZLP_SOAK_STEPS")
                              : 1500;
        const unsigned seed =
            qEnvironmentVariableIsSet("ZLP_SOAK_SEED")
                ? static_cast<unsigned>(qEnvironmentVariableIntValue("ZLP_SOAK_SEED"))
                : 20261205u;
        // Saved boards go to a folder of the test's own, which holds a link to the pictures.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString source = QDir::current().absoluteFilePath(QStringLiteral("ZLP-Images"));
        QVERIFY(QFile::link(source, dir.filePath(QStringLiteral("ZLP-Images"))));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));

        FrmMain::get().show();
        Player player(seed, steps);
        player.run();
        QDir::setCurrent(previous);
        qInfo("seed %u: %d steps, %d saves, %d reopens, %d answers, %d chart showings, %d nexts",
              seed, player.steps, player.saves, player.reopens, player.answersShown,
              player.chartShows, player.nexts);
        QVERIFY2(player.failures.isEmpty(), qPrintable(player.failures.join(QLatin1Char('\n'))));
        QCOMPARE(missedModals(), 0);
        QVERIFY(player.steps >= steps);
        FrmMain::get().CmdExit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
