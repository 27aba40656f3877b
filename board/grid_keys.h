// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play of the grid, and what a screen reader hears of the board.
//
// The grid is one keyboard stop, after the last control of the board's tab
// order. There the arrow keys move a cursor over the cells, never out of the
// staircase; X, O and E (or Delete) click the X box, the O box and the eraser,
// and Space clicks the cell under the cursor, each through the board's own
// click operation, so tools, marks and pictures behave as with the mouse. The
// cursor is this small widget laid over its cell: it draws a ring only while
// it has the focus, lets the mouse through, and never touches a cell. A cell
// clicked with the mouse takes the cursor and gives the grid the focus.
#pragma once

#include "board/grid.h"

#include <QString>
#include <QWidget>

#include <array>

namespace zlp {

class FrmLogic;
struct PuzzleRecord;

class GridKeys : public QWidget {
    Q_OBJECT
public:
    // Built last on the board, so its tab stop comes last: names the board's
    // pictures and tools for a screen reader.
    GridKeys(FrmLogic& board, QWidget* frame);

    int cursor() const { return cellIndex(at_.col, at_.row); }

    // After each set-up: the cursor goes home to Img0101 and every cell is named
    // anew; a puzzle record (none for a number outside 1 to 25, which leaves
    // the texts as they were) gives the column headings.
    void setUp(const PuzzleRecord* record);
    // A cell's mark or picture, or the chosen tool, has changed.
    void cellChanged(int k);
    void toolsChanged();
    // The answers display has repainted the grid: every cell is named anew
    // and the reader hears how the player's marks fared.
    void answersShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override; // the ring, while the grid has the focus

private:
    void moveTo(CellPos to);
    QString cellText(int k) const;
    QString answerText(int k) const;
    QString toolText() const;
    void describeCursor();
    // What the reader speaks for a key: the cursor's cell as it now reads.
    QString spokenCell() const;

    FrmLogic& board_;
    CellPos at_{1, 1};
    std::array<QString, kGridSize> columnItems_;
};

} // namespace zlp
