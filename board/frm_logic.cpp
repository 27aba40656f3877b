#include "board/frm_logic.h"

#include "ui/controls.h"

namespace zlp {

using namespace ui;

WindowSpec FrmLogic::spec() const {
    return {QStringLiteral("Zentara's Logic Problems - #1"),
            9480,
            6645,
            colours::white,
            true,
            defaultFont()};
}

void FrmLogic::build(QWidget&) {}

} // namespace zlp
