#include "chart/frm_fill_in.h"

#include "ui/controls.h"

namespace zlp {

using namespace ui;

WindowSpec FrmFillIn::spec() const {
    return {QStringLiteral("Fill-In Grid for Zentara's Logic Problems"),
            5640,
            3750,
            colours::white,
            true,
            defaultFont()};
}

void FrmFillIn::build(QWidget&) {}

} // namespace zlp
