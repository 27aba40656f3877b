// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle's introduction: its story and question.
#pragma once

#include "board/grid.h"
#include "ui/form.h"

namespace zlp {

class FrmLogicIntro : public ui::Form<FrmLogicIntro> {
    Q_OBJECT
public:
    FrmLogicIntro() : Form(QStringLiteral("FrmLogicIntro")) {}

    void CmdClose_Click();

protected:
    ui::WindowDesign design() const override;
    void build(QWidget& w) override;
    bool placedBySystem() const override { return true; }
    void Form_Load() override;

private:
    // The puzzle shown, copied from the main menu when the window is loaded.
    Int16 puzzleNumber_ = 0;
};

} // namespace zlp
