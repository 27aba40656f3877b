// The instructions on how to solve a logic problem.
#pragma once

#include "ui/form.h"

namespace zlp {

class FrmInstructions : public ui::Form<FrmInstructions> {
    Q_OBJECT
public:
    FrmInstructions() : Form(QStringLiteral("FrmInstructions")) {}

protected:
    ui::WindowSpec spec() const override;
    void build(QWidget& w) override;
};

} // namespace zlp
