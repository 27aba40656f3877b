// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle board window: the 150-cell grid, the marking tools, the puzzle's
// texts and the commands that move on, leave, save and show the answers.
#pragma once

#include "board/board_model.h"
#include "ui/form.h"

#include <QPixmap>
#include <QStringList>

#include <array>

namespace zlp {

namespace ui {
class ImageControl;
}
class GridKeys;

class FrmLogic : public ui::Form<FrmLogic> {
    Q_OBJECT
public:
    FrmLogic() : Form(QStringLiteral("FrmLogic")) {}

    // Cell states, tool and tool borders: the board's public variables.
    BoardModel board;

    // Lays the current puzzle onto the board (catalogue/setup.cpp).
    void SetUpPuzzle();

    void ImgX_Click();
    void ImgO_Click();
    void ImgErase_Click();
    void ImgCell_Click(int k);  // Img0101_Click .. Img1505_Click, by cell index
    void PurpleColumnOs(int k); // PurpleColumnOs0101 .. PurpleColumnOs1505, by cell index

    void CmdIntro_Click();
    void CmdShowFillIn_Click();
    void CmdNext_Click();
    void CmdSave_Click();
    void CmdAnswer_Click(); // catalogue/answers_display.cpp
    void CmdExit_Click();

    // Controls by what they are; each loads the window.
    ui::ImageControl* cell(int k);
    ui::ImageControl* image(const QString& controlName);
    // Which of the board's pictures cell k shows. Pictures are shared copies,
    // so a cell shows the X, O, red or purple O exactly when its picture has the
    // same cache key as the tool or holder image; any other picture came from
    // the blank picture file; None when the cell has no picture at all.
    Picture cellShows(int k);

protected:
    ui::WindowDesign design() const override;
    void build(QWidget& w) override;
    void Form_Load() override { SetUpPuzzle(); }
    // The close box leaves the board the way Exit does.
    void closeBox() override { CmdExit_Click(); }

private:
    void showToolBorders();
    // Reads a picture file named with backslashes; a file that cannot be read
    // gives a null picture and is noted for the next tellMissingPictures().
    QPixmap readPicture(const QString& windowsPath);
    // Tells the player, in one message, which noted files could not be read,
    // leaving out those already told in this run: the board object lives
    // until the program ends, so each file is told once.
    void tellMissingPictures();

    std::array<ui::ImageControl*, kCellCount> cells_{}; // valid while the window is loaded
    GridKeys* keys_ = nullptr;                          // the same
    bool settingUp_ = false;
    QStringList missing_; // noted, not yet told
    QStringList told_;    // told in this run
};

} // namespace zlp
