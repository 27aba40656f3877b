// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frm_instructions.h"

#include "help/frm_examples.h"
#include "ui/controls.h"

#include <QApplication>

namespace zlp {

using namespace ui;

QString FrmInstructions::instructionText() {
    const QString crlf = QStringLiteral("\r\n");
    const QString paragraphEnd = crlf + crlf;
    QString text;
    text += QStringLiteral("Instructions on How to Solve Logic Problems:") + crlf;
    text += QString(67, QLatin1Char('-')) + paragraphEnd;
    text += QStringLiteral(
                "Read each clue carefully and keep track by placing an 'X' in every square "
                "eliminated and an 'O' in every square confirmed.  To place an 'X', click once on "
                "the 'X' box and then click in the square.  To place an 'O', click once on the "
                "'O' box and then click in the square.  The 'X' or 'O' box will stay on until "
                "you click on the other one or on the eraser.    To erase a square, click once "
                "on the pencil eraser toward the lower right-hand corner and then click in the "
                "square.  You must click on the eraser again for each square you want to erase "
                "(one click on the eraser is good for erasing only one square).  Once the "
                "square is erased, the 'X' box is chosen again.") +
            paragraphEnd;
    text += QStringLiteral("Example:") + paragraphEnd;
    text += QStringLiteral(
                "If a clue says 'Mary won the Lotto,' place an 'O' in the square where Mary and "
                "Lotto meet, and an 'X' in every other square of that section relating to Mary "
                "and to Lotto, since Mary won her money no other way and nobody else won the "
                "Lotto.  If the next clue says 'Neither John nor Fred inherited the money,' place "
                "an 'X' in the square where John and Inherited meet and another where Fred and "
                "Inherited meet.  See Example #1 (click on the button to the right).") +
            paragraphEnd;
    text += QStringLiteral(
                "Now Sally is the only one left who can have inherited the money, so place an "
                "'O' in the square where Sally and Inherited meet, and an 'X' in every other "
                "square related to Sally and to Inherited.  See Example #2.") +
            paragraphEnd;
    text += QStringLiteral(
                "Keep going until the whole grid is completed, then press the 'Answers' button.  "
                "Note that this will show ALL of the answers, not just one or two.") +
            paragraphEnd;
    text += QStringLiteral(
                "Sometimes you will have to make a guess and see where it leads, and you will "
                "need to go over each clue again and again.  When you press the 'Answers' "
                "button, every answer shows as a red 'O', and any 'O' of yours that does not "
                "agree with the answers turns purple.") +
            paragraphEnd;
    text += QStringLiteral(
        "Some people like using fill-in grids and one is provided for you by pressing the "
        "'Fill-In Grid' button.  It can help you keep track of what you have worked out so "
        "far.  With the clues above, the fill-in grid would look like Example #3, assuming the "
        "puzzle also had an amount received and a city.");
    return text;
}

WindowDesign FrmInstructions::design() const {
    return {QStringLiteral("Zentara's Logic Problems - Instructions"),
            7500,
            5295,
            QApplication::palette().color(QPalette::Button),
            true,
            makeFont(QStringLiteral("MS Sans Serif"), 9.75)};
}

void FrmInstructions::build(QWidget& w) {
    // Editable on purpose: the player may change the text; it is rebuilt at the next opening.
    auto* text = addMultiLineTextBox(&w, QStringLiteral("txtInstructions"), 120, 120, 6375, 5055);
    text->setPlainText(QStringLiteral("Text1\r\n"));

    // The example buttons are narrower than their captions, which wrap onto two lines.
    const QFont buttonFont = makeFont(QStringLiteral("MS Sans Serif"), 8.25);
    auto* ex1 = addButton(&w, QStringLiteral("CmdEx1"), QStringLiteral("Examples 1 && 2"), 6600,
                          120, 855, 735);
    auto* ex3 =
        addButton(&w, QStringLiteral("CmdEx3"), QStringLiteral("Example 3"), 6600, 960, 855, 735);
    auto* exit =
        addButton(&w, QStringLiteral("CmdExit"), QStringLiteral("&Close"), 6600, 4680, 855, 495);
    for (QPushButton* b : {ex1, ex3, exit}) b->setFont(buttonFont);
    connect(ex1, &QPushButton::clicked, this, &FrmInstructions::CmdEx1_Click);
    connect(ex3, &QPushButton::clicked, this, &FrmInstructions::CmdEx3_Click);
    connect(exit, &QPushButton::clicked, this, &FrmInstructions::CmdExit_Click);

    tabOrder({exit, text, ex1, ex3});
}

void FrmInstructions::Form_Load() {
    setTop(0);
    setLeft(0);
    control<QPlainTextEdit>(QStringLiteral("txtInstructions"))->setPlainText(instructionText());
}

void FrmInstructions::CmdEx1_Click() {
    FrmExamples::get().showModal();
}

void FrmInstructions::CmdEx3_Click() {
    FrmExamples& examples = FrmExamples::get();
    examples.control<QWidget>(QStringLiteral("Label3"))->setVisible(true);
    examples.control<QWidget>(QStringLiteral("PicEx3"))->setVisible(true);
    examples.control<QWidget>(QStringLiteral("PicEx1"))->setVisible(false);
    examples.control<QWidget>(QStringLiteral("PicEx2"))->setVisible(false);
    examples.showModal();
}

void FrmInstructions::CmdExit_Click() {
    unload();
}

} // namespace zlp
