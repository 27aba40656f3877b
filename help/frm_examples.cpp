#include "help/frm_examples.h"

#include "ui/controls.h"

#include <QApplication>

namespace zlp {

using namespace ui;

WindowSpec FrmExamples::spec() const {
    return {QStringLiteral(" "), 5940, 6060, QApplication::palette().color(QPalette::Button), true,
            defaultFont()};
}

void FrmExamples::build(QWidget&) {}

} // namespace zlp
