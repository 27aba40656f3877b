// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_main.h"

#include "board/frm_logic.h"
#include "catalogue/catalogue.h"
#include "help/frm_instructions.h"
#include "saves/frm_files.h"
#include "ui/accessible.h"
#include "ui/controls.h"

#include <QCoreApplication>

#include <iterator>

namespace zlp {

using namespace ui;

namespace {
// Blanks after each menu title, so that the centred captions line up.
constexpr int kTrailingBlanks[] = {16, 17, 12, 23, 22, 21, 10, 10, 11, 11, 4,  23, 14,
                                   11, 3,  20, 14, 18, 0,  5,  15, 9,  5,  12, 5};
static_assert(std::size(kTrailingBlanks) == 25, "one run of blanks per puzzle");

// Where puzzle button n stands: three columns of 7, 11 and 7 buttons.
QPoint puzzleButtonTwips(int n) {
    if (n <= 7) return {120, 2040 + (n - 1) * 480};
    if (n <= 18) return {2400, 120 + (n - 8) * 480};
    return {4680, 120 + (n - 19) * 480};
}

// "#n - " and a title: the start of a puzzle button's caption, and the words it is read by.
QString numbered(int n, const std::string& title) {
    return QStringLiteral("#%1 - ").arg(n) + QString::fromStdString(title);
}
} // namespace

QString FrmMain::puzzleCaption(int n) {
    // The titles alone: the whole catalogue is built when a puzzle is first chosen.
    return numbered(n, PuzzleCatalogue::menuTitle(n)) +
           QString(kTrailingBlanks[n - 1], QLatin1Char(' '));
}

const QStringList& FrmMain::exitOrder() {
    static const QStringList order{QStringLiteral("FrmInstructions"), QStringLiteral("FrmExamples"),
                                   QStringLiteral("FrmFiles"),        QStringLiteral("FrmFillIn"),
                                   QStringLiteral("FrmLogicIntro"),   QStringLiteral("FrmLogic"),
                                   QStringLiteral("FrmMain")};
    return order;
}

WindowDesign FrmMain::design() const {
    return {
        QStringLiteral("Zentara's Logic Problems"), 6885, 5445, colours::blue, true, defaultFont()};
}

void FrmMain::build(QWidget& w) {
    setReaderRole(&w,
                  QAccessible::Window); // the game's own window, not a question put to the player
    auto* instructions = addButton(&w, QStringLiteral("CmdInstructions"),
                                   QStringLiteral("&Instructions on How to Solve Logic Problems"),
                                   120, 1080, 2055, 855);
    instructions->setFont(makeFont(QStringLiteral("Times New Roman"), 12, true));
    setButtonFace(instructions, colours::yellow);
    connect(instructions, &QPushButton::clicked, this, &FrmMain::CmdInstructions_Click);

    // Made in tab order: Instructions, the puzzles, Open Saved File, Exit.
    for (int n = 1; n <= 25; ++n) {
        const QPoint at = puzzleButtonTwips(n);
        auto* b = addButton(&w, QStringLiteral("CmdPuz%1").arg(n, 2, 10, QLatin1Char('0')),
                            puzzleCaption(n), at.x(), at.y(), 2055, 375);
        connect(b, &QPushButton::clicked, this, [this, n] { CmdPuz_Click(n); });
        // Read without the centring blanks, and with the whole title: "w/o" would be spelt out.
        b->setAccessibleName(numbered(n, PuzzleCatalogue::title(n)));
    }

    auto* open = addButton(&w, QStringLiteral("CmdOpenSaved"), QStringLiteral("&Open Saved File"),
                           4680, 3720, 2055, 495);
    open->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    setButtonFace(open, colours::yellow);
    connect(open, &QPushButton::clicked, this, &FrmMain::CmdOpenSaved_Click);

    auto* exit =
        addButton(&w, QStringLiteral("CmdExit"), QStringLiteral("E&xit"), 5760, 4800, 975, 495);
    connect(exit, &QPushButton::clicked, this, &FrmMain::CmdExit_Click);
}

void FrmMain::Form_Load() {
    setLeft(150);
    setTop(150);
}

void FrmMain::CmdPuz_Click(int n) {
    PuzzleNumber = static_cast<Int16>(n);
    FrmLogic::get().showModal();
}

void FrmMain::CmdInstructions_Click() {
    FrmInstructions::get().showModal();
}

void FrmMain::CmdOpenSaved_Click() {
    FrmFiles::get().FileMode = 1;
    FrmFiles::get().showModal();
}

void FrmMain::CmdExit_Click() {
    for (const QString& name : exitOrder()) releaseByName(name);
    // Nothing of this object may be touched from here on: it has been released.
    QCoreApplication::exit(0);
}

} // namespace zlp
