// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frm_examples.h"

#include "ui/accessible.h"
#include "ui/controls.h"
#include "ui/pictures.h"

#include <QApplication>

namespace zlp {

using namespace ui;

namespace {
struct Example {
    const char* box;
    const char* picture;
    int left, top, width, height; // the box, sized to hold its picture
    const char* label;
    const char* caption;
    int labelLeft, labelTop;
    bool shown;       // at design
    const char* says; // what a screen reader hears of the picture
};

// In tab order: PicEx1, PicEx3, then the Close button, then PicEx2.
constexpr Example kExamples[] = {
    {"PicEx1", "example1.gif", 120, 120, 5730, 2730, "Label1", "Example #1", 120, 120, true,
     "Sally, John, Mary and Fred against Found Document, Inherited, Sold Company and Won Lotto. "
     "O at Mary and Won Lotto. X at Mary's other three, at Sally, John and Fred in Won Lotto, "
     "and at John and Fred in Inherited."},
    {"PicEx3", "example3.gif", 480, 1200, 4905, 1740, "Label3", "Example #3", 3840, 1320, false,
     "A fill-in chart headed Names, Method, Amount and City, names Sally, John, Mary and Fred. "
     "Inherited is written against Sally and Won Lotto against Mary."},
    {"PicEx2", "example2.gif", 120, 2880, 5730, 2730, "Label2", "Example #2", 120, 120, true,
     "The grid of example 1 with Sally's line completed: O at Sally and Inherited, X at Sally "
     "and Found Document and at Sally and Sold Company."},
};
} // namespace

WindowDesign FrmExamples::design() const {
    return {QStringLiteral(" "), 5940, 6060, QApplication::palette().color(QPalette::Button), true,
            defaultFont()};
}

void FrmExamples::build(QWidget& w) {
    QList<QWidget*> order;
    auto* close =
        addButton(&w, QStringLiteral("CmdClose"), QStringLiteral("Close"), 4800, 5640, 1095, 375);
    connect(close, &QPushButton::clicked, this, &FrmExamples::CmdClose_Click);

    for (const Example& e : kExamples) {
        ImageControl* box =
            addPictureBox(&w, QString::fromLatin1(e.box), e.left, e.top, e.width, e.height);
        box->setPicture(storedPicture(QString::fromLatin1(e.picture)));
        setReaderRole(box, QAccessible::Graphic);
        box->setAccessibleName(QString::fromLatin1(e.caption) + QStringLiteral(": ") +
                               QString::fromLatin1(e.says));
        QLabel* label = addLabel(box, QString::fromLatin1(e.label), QString::fromLatin1(e.caption),
                                 e.labelLeft, e.labelTop, 975, 375);
        placeInPictureBox(box, label);
        setColours(label, colours::blue, colours::white);
        // The example 3 box is hidden at design, and so is its label inside it.
        box->setVisible(e.shown);
        label->setVisible(e.shown);
        order.append(box);
        if (order.size() == 2) order.append(close);
    }
    tabOrder(order);
}

void FrmExamples::Form_Load() {
    setTop(0);
    setLeft(0);
    setCaption(QStringLiteral("Examples"));
}

void FrmExamples::CmdClose_Click() {
    unload();
}

} // namespace zlp
