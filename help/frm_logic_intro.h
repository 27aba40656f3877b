// The puzzle's introduction: its story and question.
#pragma once

#include "ui/form.h"

namespace zlp {

class FrmLogicIntro : public ui::Form<FrmLogicIntro> {
    Q_OBJECT
public:
    FrmLogicIntro() : Form(QStringLiteral("FrmLogicIntro")) {}

protected:
    ui::WindowSpec spec() const override;
    void build(QWidget& w) override;
};

} // namespace zlp
