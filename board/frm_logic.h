// The puzzle board window.
#pragma once

#include "board/board_model.h"
#include "ui/form.h"

namespace zlp {

class FrmLogic : public ui::Form<FrmLogic> {
    Q_OBJECT
public:
    FrmLogic() : Form(QStringLiteral("FrmLogic")) {}

    // Cell states, tool and tool borders: the board's public variables.
    BoardModel board;

protected:
    ui::WindowSpec spec() const override;
    void build(QWidget& w) override;
};

} // namespace zlp
