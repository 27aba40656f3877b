#include "help/frm_instructions.h"

#include "ui/controls.h"

#include <QApplication>

namespace zlp {

using namespace ui;

WindowSpec FrmInstructions::spec() const {
    return {QStringLiteral("Zentara's Logic Problems - Instructions"),
            7500,
            5295,
            QApplication::palette().color(QPalette::Button),
            true,
            makeFont(QStringLiteral("MS Sans Serif"), 9.75)};
}

void FrmInstructions::build(QWidget&) {}

} // namespace zlp
