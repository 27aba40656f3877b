// The file chooser: names the file to save a board to or to reopen one from.
#pragma once

#include "board/grid.h"
#include "ui/form.h"

#include <array>
namespace zlp {

class FrmFiles : public ui::Form<FrmFiles> {
    Q_OBJECT
public:
    FrmFiles() : Form(QStringLiteral("FrmFiles")) {}

    // 0 nothing under way, 1 opening a saved board, 2 saving the board.
    Int16 FileMode = 0;
    // SavedCell0101 .. SavedCell1505 in cell-index order: the numbers read from
    // the last saved board, as read (the replay applies only 0, 1 and 2).
    std::array<long long, kCellCount> SavedCell{};

protected:
    ui::WindowSpec spec() const override;
    void build(QWidget& w) override;
};

} // namespace zlp
