// SPDX-License-Identifier: GPL-3.0-or-later
// The instructions on how to solve a logic problem.
#pragma once

#include "ui/form.h"

namespace zlp {

class FrmInstructions : public ui::Form<FrmInstructions> {
    Q_OBJECT
public:
    FrmInstructions() : Form(QStringLiteral("FrmInstructions")) {}

    // The fixed instruction text, lines joined with CR LF.
    static QString instructionText();

    void CmdEx1_Click();
    void CmdEx3_Click();
    void CmdExit_Click();

protected:
    ui::WindowDesign design() const override;
    void build(QWidget& w) override;
    void Form_Load() override;
};

} // namespace zlp
