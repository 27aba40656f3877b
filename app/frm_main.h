// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: the start-up window, the 25 puzzle buttons and the one
// application-wide puzzle number.
#pragma once

#include "board/grid.h"
#include "ui/form.h"

class QPushButton;

namespace zlp {

class FrmMain : public ui::Form<FrmMain> {
    Q_OBJECT
public:
    FrmMain() : Form(QStringLiteral("FrmMain")) {}

    // The puzzle chosen or being played: 1 to 25, 0 until the first choice.
    Int16 PuzzleNumber = 0;

    // Caption of puzzle button n: "#n - " + menu title + its run of blanks.
    static QString puzzleCaption(int n);
    // The windows the orderly exit unloads and releases, in order.
    static const QStringList& exitOrder();

    void CmdPuz_Click(int n); // CmdPuz01_Click .. CmdPuz25_Click
    void CmdInstructions_Click();
    void CmdOpenSaved_Click();
    void CmdExit_Click();

protected:
    ui::WindowDesign design() const override;
    void build(QWidget& w) override;
    void Form_Load() override;
    void closeBox() override { CmdExit_Click(); }
};

} // namespace zlp
