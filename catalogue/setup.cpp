// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle set-up: lays the current puzzle onto the board.
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "board/grid_keys.h"
#include "catalogue/catalogue.h"
#include "saves/frm_files.h"
#include "ui/controls.h"

namespace zlp {

using namespace ui;

void FrmLogic::SetUpPuzzle() {
    settingUp_ = true;
    missing_.clear();

    // 1. The chooser's variables outlive its window and are read below.
    FrmFiles& files = FrmFiles::get();
    files.unload();

    // 2. The board stands in the screen's top-left corner.
    setTop(0);
    setLeft(0);

    // 3. Every puzzle starts with the X tool chosen.
    board.resetTool();
    showToolBorders();

    // 4. The magnifier is read from its file at each set-up.
    image(QStringLiteral("ImgMag"))
        ->setPicture(readPicture(QStringLiteral("ZLP-Images\\magglass.gif")));

    // 5. The blank picture is read once and the same picture object shared by every cell.
    // A replay starts from that blank grid too: a saved value other than 0, 1
    // or 2 leaves its cell blank in state and picture, so what is seen is saved.
    board.resetBoard();
    const QPixmap blank = readPicture(QStringLiteral("ZLP-Images\\blank.gif"));
    for (int k = 0; k < kCellCount; ++k) cell(k)->setPicture(blank);
    if (files.FileMode == 1)
        for (int k = 0; k < kCellCount; ++k) ImgCell_Click(k);

    // 6. One range test selects the record; any other number leaves the texts as they were.
    const int n = FrmMain::get().PuzzleNumber;
    const PuzzleRecord* r = PuzzleCatalogue::instance().find(n);
    if (r) {
        setCaption(QStringLiteral("Zentara's Logic Problems - #%1 - ").arg(n) +
                   QString::fromStdString(r->Title));
        image(QStringLiteral("ImgTop"))
            ->setPicture(readPicture(QStringLiteral("ZLP-Images\\") +
                                     QString::fromStdString(r->HeadingPicture)));
        control<QPushButton>(QStringLiteral("CmdIntro"))
            ->setText(QStringLiteral("Problem #%1 &Intro").arg(n));
        for (std::size_t i = 0; i < r->SideItems.size(); ++i)
            control<QLabel>(QStringLiteral("LblS%1").arg(i + 1, 2, 10, QLatin1Char('0')))
                ->setText(labelText(QString::fromStdString(r->SideItems[i])));
        fitPreBrokenText(control<QLabel>(QStringLiteral("LblClues")),
                         labelText(QString::fromStdString(r->ClueText)), window()->font());
    }

    // 7. Whatever was read above, cell clicks mark with the tool from now on.
    files.FileMode = 0;
    keys_->setUp(r);

    settingUp_ = false;
    // Every step has run; only now is the player told what could not be read.
    tellMissingPictures();
}

} // namespace zlp
