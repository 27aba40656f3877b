// The fill-in chart: a scratch chart of 4 x 5 text boxes for the current puzzle.
#pragma once

#include "ui/form.h"

namespace zlp {

class FrmFillIn : public ui::Form<FrmFillIn> {
    Q_OBJECT
public:
    FrmFillIn() : Form(QStringLiteral("FrmFillIn")) {}

protected:
    ui::WindowSpec spec() const override;
    void build(QWidget& w) override;
};

} // namespace zlp
