// SPDX-License-Identifier: GPL-3.0-or-later
// The answers display: red O's on the solution cells, purple on wrong O's.
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "board/grid_keys.h"
#include "catalogue/answers.h"
#include "ui/controls.h"

namespace zlp {

using namespace ui;

void FrmLogic::CmdAnswer_Click() {
    const PuzzleRecord* r = PuzzleCatalogue::instance().find(FrmMain::get().PuzzleNumber);
    if (!r) return;
    for (int k : solutionCells(*r)) {
        cell(k)->setPicture(image(QStringLiteral("ImgRedO"))->picture());
        PurpleColumnOs(k);
    }
    keys_->answersShown();
}

} // namespace zlp
