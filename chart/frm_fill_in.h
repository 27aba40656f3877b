// SPDX-License-Identifier: GPL-3.0-or-later
// The fill-in chart: a scratch chart of 4 x 5 text boxes for the current puzzle.
#pragma once

#include "board/grid.h"
#include "ui/form.h"

namespace zlp {

class FrmFillIn : public ui::Form<FrmFillIn> {
    Q_OBJECT
public:
    FrmFillIn() : Form(QStringLiteral("FrmFillIn")) {}

    // "Txt0<c>0<r>": the box of column (category) c, row r.
    static QString boxName(int column, int row);

    void CmdHide_Click();

protected:
    ui::WindowDesign design() const override;
    void build(QWidget& w) override;
    bool placedBySystem() const override { return true; }
    void Form_Load() override;
    // CmdHide is the chart's cancel button.
    void escapePressed() override { CmdHide_Click(); }

private:
    // The puzzle charted, copied from the main menu when the window is loaded.
    Int16 puzzleNumber_ = 0;
};

} // namespace zlp
