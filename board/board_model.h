// SPDX-License-Identifier: GPL-3.0-or-later
// The board's public variables (cell states, tool, eraser flag, tool borders)
// and the rules that change them. The board window shows this state.
#pragma once

#include "board/grid.h"

#include <array>
#include <vector>

namespace zlp {

// What a cell should show after an operation; the window maps these to pictures.
enum class Picture : std::uint8_t { None, X, O, Blank, RedO, PurpleO };

// Appearance of a tool image: 1 is the raised border of the chosen tool.
struct ToolBorders {
    Int16 x = 0, o = 0, eraser = 0;
    friend constexpr bool operator==(ToolBorders, ToolBorders) = default;
};

class BoardModel {
public:
    std::array<Int16, kCellCount> CellState{}; // all 0 until the first reset
    Int16 CurrentTool = 0;
    Int16 EraserRaised = 0;
    ToolBorders borders;

    // Tool choice.
    void ImgX_Click();
    void ImgO_Click();
    void ImgErase_Click();
    void ResetTool();  // after a cell has been blanked
    void resetTool();  // at puzzle set-up, before anything else on the grid
    void resetBoard(); // every state blank

    // One cell click. In restore mode (fileMode == 1) the saved value is applied
    // instead of the tool; a saved value other than 0, 1, 2 changes nothing.
    // Returns the picture the cell takes (None when it keeps its own).
    Picture clickCell(int k, Int16 fileMode, long long savedValue);

    Int16 state(int k) const { return CellState[static_cast<std::size_t>(k)]; }
};

// The other cells of k's block column, in increasing row order, that hold an
// O and so are repainted purple once k has been painted with the red O.
std::vector<int> purpleColumnOs(const BoardModel& board, int k);

} // namespace zlp
