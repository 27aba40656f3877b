// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/grid_keys.h"

#include "board/frm_logic.h"
#include "catalogue/catalogue.h"
#include "ui/accessible.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QKeyEvent>
#include <QPainter>

namespace zlp {

using namespace ui;

namespace {

// Orange stands apart from the blue grid lines and the black, red and purple marks.
const QColor kCursorColour{255, 128, 0};
constexpr int kRingPx = 2;

const char* stateWord(Int16 state) {
    return state == kStateX ? "X" : state == kStateO ? "O" : "blank";
}

} // namespace

GridKeys::GridKeys(FrmLogic& board, QWidget* frame) : QWidget(frame), board_(board) {
    // Before anything that notifies the accessibility layer, which keeps the
    // interface it makes for a control at the first notice.
    setReaderRole(this, QAccessible::Cell);
    setObjectName(QStringLiteral("GridCursor"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    // The ring covers the grid lines around the cell and the gap pixels next
    // to them, and nothing of the cell's own picture or of the cells beside it.
    resize(px(360) + 2 * (kRingPx - 1), px(360) + 2 * (kRingPx - 1));
    moveTo(at_);
    raise();
    // A cell clicked with the mouse, once clicked, takes the cursor and the
    // focus: the keys then go on from there, not to a button.
    for (int k = 0; k < kCellCount; ++k)
        connect(board_.cell(k), &ImageControl::clickedByMouse, this, [this, k] {
            moveTo(cellAt(k));
            setFocus(Qt::MouseFocusReason);
        });

    frame->setAccessibleName(QStringLiteral("Grid"));
    board_.control<QWidget>(QStringLiteral("Frame2"))->setAccessibleName(QStringLiteral("Tools"));
    for (const char* tool : {"ImgX", "ImgO", "ImgErase"})
        setReaderRole(board_.image(QLatin1String(tool)), QAccessible::RadioButton);
    board_.image(QStringLiteral("ImgX"))->setAccessibleName(QStringLiteral("X"));
    board_.image(QStringLiteral("ImgO"))->setAccessibleName(QStringLiteral("O"));
    board_.image(QStringLiteral("ImgErase"))->setAccessibleName(QStringLiteral("Eraser"));
    const std::pair<const char*, const char*> pictures[] = {{"ImgTop", "Column headings"},
                                                            {"ImgMag", "Magnifying glass"},
                                                            {"ImgRedO", "Red O"},
                                                            {"ImgPurpleO", "Purple O"}};
    for (const auto& [name, text] : pictures) {
        ImageControl* picture = board_.image(QLatin1String(name));
        setReaderRole(picture, QAccessible::Graphic);
        picture->setAccessibleName(QLatin1String(text));
    }
    for (int k = 0; k < kCellCount; ++k) setReaderRole(board_.cell(k), QAccessible::Button);
}

void GridKeys::setUp(const PuzzleRecord* record) {
    if (record) {
        QStringList headings;
        for (int c = 1; c <= kGridSize; ++c) {
            const std::string& item = record->Items[static_cast<std::size_t>(columnCategory(c) - 1)]
                                                   [static_cast<std::size_t>(itemOf(c) - 1)];
            columnItems_[static_cast<std::size_t>(c - 1)] = labelText(QString::fromStdString(item));
            headings << columnItems_[static_cast<std::size_t>(c - 1)];
        }
        board_.image(QStringLiteral("ImgTop"))
            ->setAccessibleName(QStringLiteral("Column headings: ") +
                                headings.join(QStringLiteral(", ")));
    }
    for (int k = 0; k < kCellCount; ++k) cellChanged(k);
    moveTo({1, 1});
    toolsChanged();
    // The board is a window to the reader, which reads its title and focused
    // control when it comes back, not its texts: the clues are read once here.
    if (record)
        speakWhenActive(window(), board_.control<QLabel>(QStringLiteral("LblClues"))->text());
}

void GridKeys::cellChanged(int k) {
    ImageControl* c = board_.cell(k);
    c->setAccessibleName(cellText(k));
    c->setAccessibleDescription(answerText(k));
    if (k == cursor()) describeCursor();
}

void GridKeys::toolsChanged() {
    for (const char* tool : {"ImgX", "ImgO", "ImgErase"})
        notifyChosen(board_.image(QLatin1String(tool)));
    setAccessibleDescription(toolText());
}

QString GridKeys::toolText() const {
    const Int16 tool = board_.board.CurrentTool;
    return QStringLiteral("Tool: ") + (tool == kToolO        ? QStringLiteral("O")
                                       : tool == kToolEraser ? QStringLiteral("Eraser")
                                                             : QStringLiteral("X"));
}

void GridKeys::answersShown() {
    int rightOs = 0, wrong = 0;
    for (int k = 0; k < kCellCount; ++k) {
        cellChanged(k);
        const Picture shown = board_.cellShows(k);
        const Int16 state = board_.board.state(k);
        if (shown == Picture::RedO && state == kStateO) ++rightOs;
        if ((shown == Picture::RedO && state == kStateX) || shown == Picture::PurpleO) ++wrong;
    }
    int os = 0;
    for (int k = 0; k < kCellCount; ++k) os += board_.board.state(k) == kStateO;
    speak(this, QStringLiteral("Answers shown. %1 of your %2 O's right, %3 %4 wrong.")
                    .arg(rightOs)
                    .arg(os)
                    .arg(wrong)
                    .arg(wrong == 1 ? QStringLiteral("mark") : QStringLiteral("marks")));
}

QString GridKeys::cellText(int k) const {
    const CellPos p = cellAt(k);
    const auto* side =
        board_.control<QLabel>(QStringLiteral("LblS%1").arg(p.row, 2, 10, QLatin1Char('0')));
    return side->text().trimmed() + QStringLiteral(" and ") +
           columnItems_[static_cast<std::size_t>(p.col - 1)] + QStringLiteral(": ") +
           QLatin1String(stateWord(board_.board.state(k)));
}

// The answers display changes pictures, not marks: it is told apart from the mark.
QString GridKeys::answerText(int k) const {
    switch (board_.cellShows(k)) {
    case Picture::RedO:
        return QStringLiteral("answer O");
    case Picture::PurpleO:
        return QStringLiteral("wrong O");
    default:
        return {};
    }
}

// A red O marks an answer whatever the mark under it; a purple O is an O the
// answers show wrong.
QString GridKeys::spokenCell() const {
    const int k = cursor();
    const Int16 state = board_.board.state(k);
    QString text = cellText(k);
    switch (board_.cellShows(k)) {
    case Picture::RedO:
        text += state == kStateBlank ? QStringLiteral(". Answer")
                : state == kStateO   ? QStringLiteral(". Answer, your O is right")
                                     : QStringLiteral(". Answer, your X is wrong");
        break;
    case Picture::PurpleO:
        text += QStringLiteral(". Not an answer, your O is wrong");
        break;
    default:
        break;
    }
    return text;
}

void GridKeys::describeCursor() {
    setAccessibleName(spokenCell());
}

void GridKeys::moveTo(CellPos to) {
    at_ = to;
    const QWidget* c = board_.cell(cursor());
    move(c->pos() - QPoint(kRingPx - 1, kRingPx - 1)); // moved, it is drawn again
    describeCursor();
}

// A key event arrives accepted: the keys the grid leaves to its window are ignored.
void GridKeys::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return event->ignore();
    const Int16 toolBefore = board_.board.CurrentTool;
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(stepInside(at_, -1, 0));
        break;
    case Qt::Key_Right:
        moveTo(stepInside(at_, 1, 0));
        break;
    case Qt::Key_Up:
        moveTo(stepInside(at_, 0, -1));
        break;
    case Qt::Key_Down:
        moveTo(stepInside(at_, 0, 1));
        break;
    case Qt::Key_X:
        board_.ImgX_Click();
        speak(this, toolText());
        return;
    case Qt::Key_O:
        board_.ImgO_Click();
        speak(this, toolText());
        return;
    case Qt::Key_E:
    case Qt::Key_Delete:
        board_.ImgErase_Click();
        speak(this, toolText());
        return;
    case Qt::Key_Space:
        board_.ImgCell_Click(cursor());
        // The eraser hands back to X after one cell: the player hears it.
        if (board_.board.CurrentTool != toolBefore) {
            speak(this, spokenCell() + QStringLiteral(". ") + toolText());
            return;
        }
        break;
    default:
        return event->ignore();
    }
    speak(this, spokenCell());
}

void GridKeys::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    QPainter p(this);
    const QRect inside = rect().adjusted(kRingPx, kRingPx, -kRingPx, -kRingPx);
    p.setClipRegion(QRegion(rect()) - QRegion(inside));
    p.fillRect(rect(), kCursorColour);
}

} // namespace zlp
