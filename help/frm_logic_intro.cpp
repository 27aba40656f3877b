// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frm_logic_intro.h"

#include "app/frm_main.h"
#include "catalogue/catalogue.h"
#include "ui/controls.h"

namespace zlp {

using namespace ui;

WindowDesign FrmLogicIntro::design() const {
    return {QStringLiteral(""), 6720, 3465, colours::white, true, defaultFont()};
}

void FrmLogicIntro::build(QWidget& w) {
    auto* text = addLabel(&w, QStringLiteral("Label1"), QString(), 120, 120, 6615, 3255);
    text->setFont(makeFont(QStringLiteral("Times New Roman"), 12, true));
    // A label never scrolls: what does not fit is cut off at its bottom edge.
    text->setWordWrap(true);

    // Created after the label, so it is drawn over the label's lower right corner.
    auto* close =
        addButton(&w, QStringLiteral("CmdClose"), QStringLiteral("&Close"), 5880, 3000, 735, 375);
    connect(close, &QPushButton::clicked, this, &FrmLogicIntro::CmdClose_Click);
}

void FrmLogicIntro::Form_Load() {
    puzzleNumber_ = FrmMain::get().PuzzleNumber;
    const PuzzleRecord* record = PuzzleCatalogue::instance().find(puzzleNumber_);
    if (!record) return; // no such puzzle: caption and text stay empty
    setCaption(QStringLiteral("Intro to Logic Problem #%1 - ").arg(puzzleNumber_) +
               QString::fromStdString(record->Title));
    control<QLabel>(QStringLiteral("Label1"))
        ->setText(labelText(QString::fromStdString(record->IntroText)));
}

void FrmLogicIntro::CmdClose_Click() {
    unload();
}

} // namespace zlp
