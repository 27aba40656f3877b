// SPDX-License-Identifier: GPL-3.0-or-later
// Every per-puzzle text fits its control, laid out in that control's font, rectangle and wrapping.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_logic_intro.h"
#include "ui/controls.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QtTest>

using namespace zlp;

namespace {
// One past the last column, in the parent, the label's text inks in rows top..bottom, unclipped.
int inkEnd(const QLabel* label, int top = 0, int bottom = 9999) {
    const QRect text = label->contentsRect().translated(label->pos());
    QImage image(text.right() + 300, text.bottom() + text.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(label->font());
    p.drawText(text, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
               label->text());
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = top; y <= std::min(bottom, image.height() - 1); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return x + 1;
    return 0;
}
} // namespace

class TestTextFit : public QObject {
    Q_OBJECT
    QMap<QByteArray, std::pair<int, QString>> worst_; // per control kind: margin, where
    QStringList faults_;

    void note(const char* kind, int puzzle, const QString& control, int margin, int need = 0) {
        const QString where = QStringLiteral("puzzle %1, %2").arg(puzzle).arg(control);
        if (!worst_.contains(kind) || margin < worst_[kind].first) worst_[kind] = {margin, where};
        if (margin < need) faults_ << where + QStringLiteral(": %1 px over").arg(need - margin);
    }

private slots:
    void everyPuzzleTextFits() {
        prepareApplication();
        FrmMain::get().PuzzleNumber = 1;
        FrmLogic& board = FrmLogic::get();
        auto* clues = board.control<QLabel>(QStringLiteral("LblClues"));
        const QFont common = clues->font(); // every puzzle's clues share one face and size
        const QRect room = clues->contentsRect();
        const int gridLine = board.control<QWidget>(QStringLiteral("LineV00"))->x();
        for (int n = 1; n <= 25; ++n) {
            FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
            FrmLogicIntro& form = FrmLogicIntro::get(); // above the label's bottom, clear of Close
            auto* intro = form.control<QLabel>(QStringLiteral("Label1"));
            const QRect text = intro->contentsRect();
            const QRect close = form.control<QWidget>(QStringLiteral("CmdClose"))->geometry();
            // As the label itself lays it out: wrapped at words within its width.
            const QRect used = intro->fontMetrics().boundingRect(
                text, intro->wordWrap() ? Qt::TextWordWrap : 0, intro->text());
            note("introduction", n, QStringLiteral("Label1 bottom"), text.height() - used.height());
            note("introduction", n, QStringLiteral("Label1 right"), text.width() - used.width());
            note("introduction", n, QStringLiteral("CmdClose"),
                 close.left() - inkEnd(intro, close.top(), close.bottom()));
            form.unload();
            board.SetUpPuzzle(); // side items a pixel clear of the grid line; clues fit unshrunk
            for (int k = 1; k <= 15; ++k) {
                auto* label = board.control<QLabel>(QString::asprintf("LblS%02d", k));
                note("side item", n, label->objectName() + QLatin1Char(' ') + label->text(),
                     gridLine - inkEnd(label), 1);
            }
            if (clues->font() != common) faults_ << QString::asprintf("puzzle %d: clues shrunk", n);
            const QFontMetrics fm(clues->font());
            for (const QString& line : clues->text().split(QLatin1Char('\n')))
                note("clue width", n, QStringLiteral("LblClues \"%1\"").arg(line),
                     room.width() - fm.boundingRect(room, Qt::AlignLeft, line).width());
            note("clue height", n, QStringLiteral("LblClues"),
                 room.height() - fm.boundingRect(room, Qt::AlignLeft, clues->text()).height());
            for (const char* name : {"LblTitle", "Lbl1", "Lbl2", "Lbl3", "Lbl4"}) {
                auto* label = FrmFillIn::get().control<QLabel>(QLatin1String(name));
                const int width = label->fontMetrics().horizontalAdvance(label->text());
                note("chart", n, name + QLatin1Char(' ') + label->text(), label->width() - width);
            }
            FrmFillIn::get().unload();
            auto* button = FrmMain::get().control<QPushButton>(QString::asprintf("CmdPuz%02d", n));
            QStyleOptionButton option; // the caption centred in the style's caption area
            option.initFrom(button);
            const QRectF face =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QRectF drawn =
                QFontMetricsF(button->font())
                    .boundingRect(face, Qt::AlignCenter, ui::oneLineCaption(button));
            note("menu caption", n, button->text().trimmed(),
                 qFloor(std::min(drawn.left() - face.left(), face.right() - drawn.right())));
        }
        qInfo("%-14s %6s  %s", "control kind", "margin", "worst case");
        for (auto it = worst_.cbegin(); it != worst_.cend(); ++it)
            qInfo("%-14s %6d  %s", it.key().constData(), it->first, qPrintable(it->second));
        QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_text_fit.moc"
