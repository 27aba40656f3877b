// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples shown from the instructions.
#pragma once

#include "ui/form.h"

namespace zlp {

class FrmExamples : public ui::Form<FrmExamples> {
    Q_OBJECT
public:
    FrmExamples() : Form(QStringLiteral("FrmExamples")) {}

    void CmdClose_Click();

protected:
    ui::WindowDesign design() const override;
    void build(QWidget& w) override;
    void Form_Load() override;
};

} // namespace zlp
