// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/frm_fill_in.h"

#include "app/frm_main.h"
#include "catalogue/catalogue.h"
#include "ui/accessible.h"
#include "ui/controls.h"

namespace zlp {

using namespace ui;

namespace {
constexpr int kColumns = 4; // one per category
constexpr int kRows = 5;    // one per solution line
} // namespace

QString FrmFillIn::boxName(int column, int row) {
    return QStringLiteral("Txt%1%2")
        .arg(column, 2, 10, QLatin1Char('0'))
        .arg(row, 2, 10, QLatin1Char('0'));
}

WindowDesign FrmFillIn::design() const {
    return {QStringLiteral("Fill-In Grid for Zentara's Logic Problems"),
            5640,
            3750,
            colours::white,
            true,
            defaultFont()};
}

void FrmFillIn::build(QWidget& w) {
    auto* title = addLabel(&w, QStringLiteral("LblTitle"), QString(), 240, 240, 5175, 375);
    title->setFont(makeFont(QStringLiteral("Times New Roman"), 12, true));
    setColours(title, colours::blue, colours::white);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QFrame* frame = addFrame(&w, QStringLiteral("Frame1"), 120, 600, 5415, 2415, colours::white);
    for (int c = 1; c <= kColumns; ++c) {
        auto* heading = addLabel(frame, QStringLiteral("Lbl%1").arg(c), QString(),
                                 120 + (c - 1) * 1320, 120, 1215, 375);
        heading->setFont(makeFont(QStringLiteral("Times New Roman"), 12, true, true));
        setColours(heading, colours::blue, colours::white);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    // The boxes belong to the window but lie over the frame, created after it so
    // they are drawn above it; creating them row by row gives the tab order.
    const QFont boxFont = makeFont(QStringLiteral("Times New Roman"), 12);
    QList<QWidget*> order;
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kColumns; ++c) {
            auto* box = addTextBox(&w, boxName(c, r), 240 + (c - 1) * 1320, 1080 + (r - 1) * 360,
                                   1215, 375);
            box->setFont(boxFont);
            speakNameOnTabIn(box);
            order.append(box);
        }
    }

    // Narrower than its caption, which wraps onto two lines.
    auto* hide = addButton(&w, QStringLiteral("CmdHide"), QStringLiteral("&Hide Fill-In Grid"),
                           4320, 3120, 1095, 495);
    connect(hide, &QPushButton::clicked, this, &FrmFillIn::CmdHide_Click);
    tabOrder(order << hide);
}

void FrmFillIn::Form_Load() {
    puzzleNumber_ = FrmMain::get().PuzzleNumber;
    const PuzzleRecord* record = PuzzleCatalogue::instance().find(puzzleNumber_);
    if (!record) return; // no such puzzle: title and headings stay empty
    control<QLabel>(QStringLiteral("LblTitle"))
        ->setText(labelText(QStringLiteral("Logic Problem #%1 - ").arg(puzzleNumber_) +
                            QString::fromStdString(record->Title)));
    for (int c = 1; c <= kColumns; ++c) {
        const QString heading = labelText(
            QString::fromStdString(record->CategoryNames[static_cast<std::size_t>(c - 1)]));
        control<QLabel>(QStringLiteral("Lbl%1").arg(c))->setText(heading);
        // A screen reader names each box by its heading and line, as the eye places it.
        for (int r = 1; r <= kRows; ++r)
            control<QWidget>(boxName(c, r))
                ->setAccessibleName(heading + QStringLiteral(", line %1").arg(r));
    }
}

// Hidden, not unloaded: the entries stay for the next showing.
void FrmFillIn::CmdHide_Click() {
    hide();
}

} // namespace zlp
