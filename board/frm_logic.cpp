// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/frm_logic.h"

#include "app/frm_main.h"
#include "board/grid_keys.h"
#include "chart/frm_fill_in.h"
#include "help/frm_logic_intro.h"
#include "saves/frm_files.h"
#include "ui/accessible.h"
#include "ui/controls.h"
#include "ui/pictures.h"

#include <QCursor>
#include <QMessageBox>

namespace zlp {

using namespace ui;

namespace {

const QString kBlankFile = QStringLiteral("ZLP-Images\\blank.gif");

// Grid line j (0 to 15) of Frame1: the block edges are 2 pixels wide, the
// others 1; each line stops at the far edge of the widest band it touches.
void addGridLine(QWidget* frame, bool vertical, int j) {
    const int band = j <= 5 ? 0 : j <= 10 ? 1 : 2;
    const int width = j % 5 == 0 ? 2 : 1;
    const QString name = QStringLiteral("Line%1%2")
                             .arg(vertical ? QLatin1Char('V') : QLatin1Char('H'))
                             .arg(j, 2, 10, QLatin1Char('0'));
    if (vertical) {
        static constexpr int bottom[] = {6600, 4800, 3000};
        const int x = 1080 + j * 360;
        addLine(frame, name, x, 120, x, bottom[band], width, colours::blue);
    } else {
        static constexpr int right[] = {6480, 4680, 2880};
        const int y = 1200 + j * 360;
        addLine(frame, name, 0, y, right[band], y, width, colours::blue);
    }
}

} // namespace

WindowDesign FrmLogic::design() const {
    return {QStringLiteral("Zentara's Logic Problems - #1"),
            9480,
            6645,
            colours::white,
            true,
            defaultFont()};
}

void FrmLogic::build(QWidget& w) {
    // A window, not a dialog: a reader reads a dialog's texts, all the clues,
    // each time it comes back to it.
    setReaderRole(&w, QAccessible::Window);
    auto* intro = addButton(&w, QStringLiteral("CmdIntro"), QStringLiteral(" "), 0, 120, 1455, 495);
    connect(intro, &QPushButton::clicked, this, &FrmLogic::CmdIntro_Click);
    auto* fillIn = addButton(&w, QStringLiteral("CmdShowFillIn"),
                             QStringLiteral("Show &Fill-In Grid"), 1560, 120, 1095, 495);
    connect(fillIn, &QPushButton::clicked, this, &FrmLogic::CmdShowFillIn_Click);

    auto* clues = addLabel(&w, QStringLiteral("LblClues"), QString(), 120, 960, 2415, 5535);
    setColours(clues, colours::black, colours::white);
    addLine(&w, QStringLiteral("LineCluesTop"), 0, 840, 2640, 840, 1, colours::black);
    addLine(&w, QStringLiteral("LineCluesBottom"), 0, 6480, 2640, 6480, 1, colours::black);
    addLine(&w, QStringLiteral("LineCluesLeft"), 0, 840, 0, 6480, 1, colours::black);
    addLine(&w, QStringLiteral("LineCluesRight"), 2640, 840, 2640, 6480, 1, colours::black);

    // Frame1 reaches 120 twips above the client area: its top 8 pixels are cut off.
    QFrame* frame = addFrame(&w, QStringLiteral("Frame1"), 2760, -120, 6615, 6615, colours::white);

    addImage(frame, QStringLiteral("ImgTop"), 1080, 0, 5370, 1215);
    const QFont sideFont = makeFont(QStringLiteral("Times New Roman"), 9.75);
    for (int k = 1; k <= 15; ++k) {
        QLabel* side = addLabel(frame, QStringLiteral("LblS%1").arg(k, 2, 10, QLatin1Char('0')),
                                QStringLiteral(" "), 0, 1320 + (k - 1) * 360, 1095, 255);
        side->setFont(sideFont);
        setColours(side, colours::blue, colours::white);
    }

    for (int k = 0; k < kCellCount; ++k) {
        const CellPos p = cellAt(k);
        ImageControl* c = addImage(frame, QString::fromStdString(cellName(k)),
                                   1080 + (p.col - 1) * 360, 1200 + (p.row - 1) * 360, 375, 375);
        connect(c, &ImageControl::clicked, this, [this, k] { ImgCell_Click(k); });
        cells_[static_cast<std::size_t>(k)] = c;
    }
    // The lines lie above the cells: a cell's first pixel column and row fall on
    // its lines, and drawn on top they keep every line whole whatever the cells show.
    for (int j = 0; j <= 15; ++j) addGridLine(frame, true, j);
    for (int j = 0; j <= 15; ++j) addGridLine(frame, false, j);

    QFrame* tools = addFrame(frame, QStringLiteral("Frame2"), 0, 360, 1095, 615, colours::blue);
    ImageControl* x = addImage(tools, QStringLiteral("ImgX"), 120, 120, 375, 375, true);
    x->setPicture(storedPicture(QStringLiteral("x.gif")));
    connect(x, &ImageControl::clicked, this, &FrmLogic::ImgX_Click);
    ImageControl* o = addImage(tools, QStringLiteral("ImgO"), 600, 120, 375, 375, true);
    o->setPicture(storedPicture(QStringLiteral("o.gif")));
    connect(o, &ImageControl::clicked, this, &FrmLogic::ImgO_Click);

    auto* answer = addButton(frame, QStringLiteral("CmdAnswer"), QStringLiteral("Get the &Answers"),
                             4920, 4800, 1575, 615);
    connect(answer, &QPushButton::clicked, this, &FrmLogic::CmdAnswer_Click);
    addImage(frame, QStringLiteral("ImgMag"), 3000, 4920, 1530, 1590);

    ImageControl* erase = addImage(frame, QStringLiteral("ImgErase"), 4920, 5760, 510, 510, true);
    const QPixmap eraser = storedPicture(QStringLiteral("eraser.ico"));
    erase->setPicture(eraser);
    if (!eraser.isNull()) erase->setCursor(QCursor(eraser));
    connect(erase, &ImageControl::clicked, this, &FrmLogic::ImgErase_Click);

    // Picture holders only: cells are given copies of their pictures.
    ImageControl* red = addImage(frame, QStringLiteral("ImgRedO"), 4560, 6240, 345, 345);
    red->setPicture(storedPicture(QStringLiteral("redo.gif")));
    red->hide();
    ImageControl* purple = addImage(frame, QStringLiteral("ImgPurpleO"), 5520, 6240, 345, 345);
    purple->setPicture(storedPicture(QStringLiteral("purpleo.gif")));
    purple->hide();

    // Created after Frame1, so drawn above its empty lower right part.
    auto* next = addButton(&w, QStringLiteral("CmdNext"), QStringLiteral("&Next Logic Problem"),
                           7680, 3000, 1575, 615);
    connect(next, &QPushButton::clicked, this, &FrmLogic::CmdNext_Click);
    auto* save = addButton(&w, QStringLiteral("CmdSave"),
                           QStringLiteral("&Save this Logic Problem"), 7680, 3840, 1575, 615);
    connect(save, &QPushButton::clicked, this, &FrmLogic::CmdSave_Click);
    auto* exit =
        addButton(&w, QStringLiteral("CmdExit"), QStringLiteral("E&xit"), 8400, 5640, 855, 495);
    connect(exit, &QPushButton::clicked, this, &FrmLogic::CmdExit_Click);

    tabOrder({intro, fillIn, next, save, answer, exit});
    keys_ = new GridKeys(*this, frame);

    // The keys, told where the mouse points.
    setHint(x, QStringLiteral("X: key X"));
    setHint(o, QStringLiteral("O: key O"));
    setHint(erase, QStringLiteral("Eraser: key E or Delete"));
    for (ImageControl* c : cells_) setHint(c, QStringLiteral("Arrow keys move, Space marks"));
}

ImageControl* FrmLogic::cell(int k) {
    load();
    return cells_[static_cast<std::size_t>(k)];
}

ImageControl* FrmLogic::image(const QString& controlName) {
    return control<ImageControl>(controlName);
}

Picture FrmLogic::cellShows(int k) {
    const QPixmap& shown = cell(k)->picture();
    if (shown.isNull()) return Picture::None;
    const qint64 key = shown.cacheKey();
    const std::pair<const char*, Picture> holders[] = {{"ImgX", Picture::X},
                                                       {"ImgO", Picture::O},
                                                       {"ImgRedO", Picture::RedO},
                                                       {"ImgPurpleO", Picture::PurpleO}};
    for (const auto& [name, picture] : holders)
        if (image(QLatin1String(name))->picture().cacheKey() == key) return picture;
    return Picture::Blank;
}

void FrmLogic::showToolBorders() {
    image(QStringLiteral("ImgX"))->setAppearance(board.borders.x);
    image(QStringLiteral("ImgO"))->setAppearance(board.borders.o);
    image(QStringLiteral("ImgErase"))->setAppearance(board.borders.eraser);
    keys_->toolsChanged();
}

void FrmLogic::ImgX_Click() {
    board.ImgX_Click();
    showToolBorders();
}

void FrmLogic::ImgO_Click() {
    board.ImgO_Click();
    showToolBorders();
}

void FrmLogic::ImgErase_Click() {
    board.ImgErase_Click();
    showToolBorders();
}

void FrmLogic::ImgCell_Click(int k) {
    const FrmFiles& files = FrmFiles::get();
    const Picture p =
        board.clickCell(k, files.FileMode, files.SavedCell[static_cast<std::size_t>(k)]);
    ImageControl* c = cell(k);
    switch (p) {
    case Picture::X:
        c->setPicture(image(QStringLiteral("ImgX"))->picture());
        break;
    case Picture::O:
        c->setPicture(image(QStringLiteral("ImgO"))->picture());
        break;
    case Picture::Blank:
        // Read anew on every erase; the eraser has handed back to the X tool.
        c->setPicture(readPicture(kBlankFile));
        showToolBorders();
        break;
    default:
        return; // a saved value other than 0, 1, 2 leaves the cell as it was
    }
    keys_->cellChanged(k);
    if (!settingUp_) tellMissingPictures();
}

void FrmLogic::PurpleColumnOs(int k) {
    for (int other : purpleColumnOs(board, k))
        cell(other)->setPicture(image(QStringLiteral("ImgPurpleO"))->picture());
}

void FrmLogic::CmdIntro_Click() {
    FrmLogicIntro::get().showModal();
}

void FrmLogic::CmdShowFillIn_Click() {
    FrmFillIn::get().showModal();
}

void FrmLogic::CmdNext_Click() {
    FrmFillIn::get().unload();
    FrmMain& menu = FrmMain::get();
    menu.PuzzleNumber = static_cast<Int16>(menu.PuzzleNumber + 1);
    if (menu.PuzzleNumber < 26) {
        SetUpPuzzle();
    } else {
        menu.PuzzleNumber = 1;
        unload();
    }
}

void FrmLogic::CmdSave_Click() {
    FrmFiles& files = FrmFiles::get();
    files.FileMode = 2;
    files.showModal();
}

void FrmLogic::CmdExit_Click() {
    FrmFiles::get().FileMode = 0;
    FrmFillIn::get().unload();
    unload();
}

QPixmap FrmLogic::readPicture(const QString& windowsPath) {
    if (std::optional<QPixmap> picture = loadPictureFile(windowsPath)) return *picture;
    if (!missing_.contains(windowsPath)) missing_.append(windowsPath);
    return {};
}

void FrmLogic::tellMissingPictures() {
    QStringList tell;
    for (const QString& file : missing_)
        if (!told_.contains(file)) tell.append(file);
    missing_.clear();
    if (tell.isEmpty()) return;
    told_ += tell;
    const QString text =
        (tell.size() == 1 ? QStringLiteral("This picture file is missing or cannot be read:")
                          : QStringLiteral("These picture files are missing or cannot be read:")) +
        QStringLiteral("\n\n") + tell.join(QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Warning,
                    QStringLiteral("Zentara's Logic Problems - Picture Missing"), text,
                    QMessageBox::Ok, isLoaded() ? window() : nullptr);
    box.exec();
}

} // namespace zlp
