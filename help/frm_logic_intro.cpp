#include "help/frm_logic_intro.h"

#include "ui/controls.h"

namespace zlp {

using namespace ui;

WindowSpec FrmLogicIntro::spec() const {
    return {QStringLiteral(""), 6720, 3465, colours::white, true, defaultFont()};
}

void FrmLogicIntro::build(QWidget&) {}

} // namespace zlp
