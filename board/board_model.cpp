// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_model.h"

namespace zlp {

void BoardModel::ImgX_Click() {
    CurrentTool = kToolX;
    borders = {1, 0, 0};
    EraserRaised = 0;
}

void BoardModel::ImgO_Click() {
    CurrentTool = kToolO;
    borders = {0, 1, 0};
    EraserRaised = 0;
}

void BoardModel::ImgErase_Click() {
    CurrentTool = kToolEraser;
    // A second click on the raised eraser leaves the borders as they are.
    if (EraserRaised == 0) {
        EraserRaised = 1;
        borders = {0, 0, 1};
    }
}

void BoardModel::ResetTool() {
    EraserRaised = 0;
    borders.eraser = 0;
    CurrentTool = kToolX;
    borders.x = 1;
    borders.o = 0;
}

void BoardModel::resetTool() {
    CurrentTool = kToolX;
    borders = {1, 0, 0};
    EraserRaised = 0;
}

void BoardModel::resetBoard() {
    CellState.fill(kStateBlank);
}

Picture BoardModel::clickCell(int k, Int16 fileMode, long long savedValue) {
    Int16& s = CellState[static_cast<std::size_t>(k)];
    long long mark = savedValue;
    if (fileMode != 1) {
        switch (CurrentTool) {
        case kToolX:
            mark = kStateX;
            break;
        case kToolO:
            mark = kStateO;
            break;
        case kToolEraser:
            mark = kStateBlank;
            break;
        default:
            return Picture::None;
        }
    }
    switch (mark) {
    case kStateX:
        s = kStateX;
        return Picture::X;
    case kStateO:
        s = kStateO;
        return Picture::O;
    case kStateBlank:
        s = kStateBlank;
        ResetTool();
        return Picture::Blank;
    default:
        return Picture::None;
    }
}

std::vector<int> purpleColumnOs(const BoardModel& board, int k) {
    const CellPos owner = cellAt(k);
    const int first = (owner.row - 1) / 5 * 5 + 1;
    std::vector<int> out;
    for (int r = first; r < first + 5; ++r) {
        if (r == owner.row) continue;
        const int other = cellIndex(owner.col, r);
        if (board.state(other) == kStateO) out.push_back(other);
    }
    return out;
}

} // namespace zlp
