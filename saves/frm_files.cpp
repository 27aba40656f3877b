#include "saves/frm_files.h"

#include "ui/controls.h"

namespace zlp {

using namespace ui;

WindowSpec FrmFiles::spec() const {
    return {QStringLiteral("Zentara's Logic Problems - Open Saved File"),
            5580,
            3300,
            colours::yellow,
            false,
            defaultFont()};
}

void FrmFiles::build(QWidget&) {}

} // namespace zlp
