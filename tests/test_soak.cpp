// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random player (ZLP_SOAK_STEPS, ZLP_SOAK_SEED) plays through the real windows; after
// every step the board must match a plain model of the rules, and no window may be left behind.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "catalogue/catalogue.h"
#include "saves_driver.h"
#include "ui/controls.h"

#include <QTemporaryDir>

#include <map>
#include <random>

using namespace zlp;
using namespace zlp::test;

namespace {

using enum Picture;
const QString kTools[] = {"ImgX", "ImgO", "ImgErase"};

// The rules, written again without the game's own model. The chosen tool
// (1 X, 2 O, 3 eraser) is the one shown raised.
struct Model {
    int puzzle = 0, fileMode = 0, tool = 1;
    std::array<int, 150> state{};
    std::array<Picture, 150> shown{};

    void setUp(int n, const std::array<int, 150>* saved) {
        puzzle = n;
        tool = 1;
        state.fill(2);
        shown.fill(Blank);
        for (int k = 0; saved && k < 150; ++k) click(k, (*saved)[std::size_t(k)]);
        fileMode = 0;
    }
    void click(int k, int mark) {
        state[std::size_t(k)] = mark;
        shown[std::size_t(k)] = std::array{X, O, Blank}[std::size_t(mark)];
        if (mark == 2) tool = 1;
    }
    void answers() {
        const PuzzleRecord* r = PuzzleCatalogue::instance().find(puzzle);
        std::vector<int> red;
        for (const auto& t : r->Solution) {
            const int a = t[0], b = t[1], c = t[2], d = t[3];
            const int cols[] = {b, 5 + c, 10 + d, b, 5 + c, b};
            const int rows[] = {a, a, a, 5 + d, 5 + d, 10 + c};
            for (int i = 0; i < 6; ++i) {
                const int col = cols[i], row = rows[i];
                red.push_back(cellIndex(col, row));
                const int top = (row - 1) / 5 * 5 + 1;
                for (int rr = top; rr < top + 5; ++rr) {
                    const auto j = std::size_t(cellIndex(col, rr));
                    if (rr != row && state[j] == 1 && shown[j] != RedO) shown[j] = PurpleO;
                }
            }
        }
        for (int k : red) shown[std::size_t(k)] = RedO;
    }
};

class Player {
public:
    Player(unsigned seed, int steps) : rng_(seed), budget_(steps) {}

    int steps = 0;
    QStringList failures;

    void run() {
        while (steps < budget_ && failures.isEmpty()) {
            ++steps;
            if (!saved_.empty() && chance(0.4)) {
                auto it = std::next(saved_.begin(), pick(0, int(saved_.size()) - 1));
                m_.setUp(it->second.first, &it->second.second);
                whenModal(QStringLiteral("FrmFiles"), [this, name = it->first](QWidget* chooser) {
                    whenModal(QStringLiteral("FrmLogic"), [this](QWidget*) { playBoard(); });
                    if (!pickFile(chooser, name)) fail(name + QStringLiteral(" not listed"));
                    pressButton(chooser, QStringLiteral("OKButton"));
                });
                click(FrmMain::get(), QStringLiteral("CmdOpenSaved"));
            } else {
                m_.setUp(pick(1, 25), nullptr);
                whenModal(QStringLiteral("FrmLogic"), [this](QWidget*) { playBoard(); });
                click(FrmMain::get(),
                      QStringLiteral("CmdPuz%1").arg(m_.puzzle, 2, 10, QLatin1Char('0')));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (FrmLogic::get().isLoaded() || FrmFiles::get().isLoaded() ||
                QApplication::activeModalWidget())
                fail(QStringLiteral("a window is still loaded"));
        }
    }

private:
    std::mt19937 rng_;
    int budget_;
    Model m_;
    std::map<QString, std::pair<int, std::array<int, 150>>> saved_; // file -> puzzle, states

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    void fail(const QString& what) {
        if (failures.size() < 10) failures << QStringLiteral("step %1: %2").arg(steps).arg(what);
    }

    // Plays the board shown over the menu (or over the chooser) until it closes.
    void playBoard() {
        FrmLogic& b = FrmLogic::get();
        check();
        for (int left = pick(5, 120);; ++steps) {
            // A failure ends the game too, so the test does not hang under a modal board.
            if (--left <= 0 || steps >= budget_ || !failures.isEmpty()) {
                m_.fileMode = 0;
                return click(b, QStringLiteral("CmdExit"));
            }
            const int roll = pick(0, 999);
            if (roll < 600) {
                const int k = pick(0, 149);
                m_.click(k, m_.tool == 1 ? 0 : m_.tool == 2 ? 1 : 2);
                QTest::mouseClick(b.cell(k), Qt::LeftButton, {}, QPoint(11, 11));
            } else if (roll < 930) {
                m_.tool = roll < 700 ? 1 : roll < 800 ? 2 : 3;
                click(b, kTools[m_.tool - 1]);
            } else if (roll < 960) {
                m_.answers();
                click(b, QStringLiteral("CmdAnswer"));
            } else if (roll < 990) {
                save();
            } else {
                const bool last = m_.puzzle == 25;
                m_.setUp(last ? 1 : m_.puzzle + 1, nullptr);
                click(b, QStringLiteral("CmdNext"));
                if (last && (b.isLoaded() || FrmMain::get().PuzzleNumber != 1))
                    fail(QStringLiteral("Next after 25 did not close the board and wrap to 1"));
                if (last) return;
            }
            check();
        }
    }

    // Saves under one of six names, replacing or not when it exists; reopening
    // it must bring back what the model says was saved.
    void save() {
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
        click(FrmLogic::get(), QStringLiteral("CmdSave"));
        m_.fileMode = 2;
        if (replace) saved_[file] = {m_.puzzle, m_.state};
    }

    void check() {
        FrmLogic& b = FrmLogic::get();
        if (!b.isLoaded()) return;
        for (int k = 0; k < 150; ++k) {
            const auto i = std::size_t(k);
            if (b.board.CellState[i] != m_.state[i] || b.cellShows(k) != m_.shown[i])
                return fail(QStringLiteral("cell ") + QString::fromStdString(cellName(k)));
        }
        if (b.board.CurrentTool != m_.tool || (b.board.EraserRaised != 0) != (m_.tool == 3))
            fail(QStringLiteral("tool %1, not %2").arg(b.board.CurrentTool).arg(m_.tool));
        for (int t = 1; t <= 3; ++t)
            if (b.image(kTools[t - 1])->appearance() != (m_.tool == t ? 1 : 0))
                fail(QStringLiteral("border of ") + kTools[t - 1]);
        if (FrmFiles::get().FileMode != m_.fileMode)
            fail(QStringLiteral("FileMode %1").arg(FrmFiles::get().FileMode));
        if (!b.caption().startsWith(
                QStringLiteral("Zentara's Logic Problems - #%1 - ").arg(m_.puzzle)) ||
            FrmMain::get().PuzzleNumber != m_.puzzle)
            fail(QStringLiteral("caption ") + b.caption());
    }
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void randomPlayer() {
        const int asked = qEnvironmentVariableIntValue("ZLP_SOAK_STEPS");
        const int steps = asked > 0 ? asked : 1500;
        const int seed = qEnvironmentVariableIntValue("ZLP_SOAK_SEED");
        // Saved boards go to a folder of the test's own, which holds a link to the pictures.
        QTemporaryDir dir;
        QVERIFY(QFile::link(QDir::current().absoluteFilePath(QStringLiteral("ZLP-Images")),
                            dir.filePath(QStringLiteral("ZLP-Images"))));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        FrmMain::get().show();
        Player player(seed ? unsigned(seed) : 20261205u, steps);
        player.run();
        QDir::setCurrent(previous);
        QVERIFY2(player.failures.isEmpty(), qPrintable(player.failures.join(QLatin1Char('\n'))));
        QVERIFY(missedModals() == 0 && player.steps >= steps);
        FrmMain::get().CmdExit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
