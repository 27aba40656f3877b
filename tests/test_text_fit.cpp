// Every per-puzzle text fits the control that shows it, laid out in that
// control's own font and rectangle with the wrapping the control uses.
#include "app/app.h"
#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "chart/frm_fill_in.h"
#include "help/frm_logic_intro.h"
#include "ui/controls.h"

#include <QImage>
#include <QLabel>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QtTest>

#include <climits>

using namespace zlp;

namespace {

void setPuzzle(int n) {
    FrmMain::get().PuzzleNumber = static_cast<Int16>(n);
}

// The last pixel column plus one that the label's text inks, in the label's
// parent: the text is drawn unclipped as the label draws it.
int inkEnd(const QLabel* label) {
    QImage image(400, label->height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(label->font());
    p.drawText(image.rect(), static_cast<int>(label->alignment()), label->text());
    p.end();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return label->x() + label->contentsRect().x() + x + 1;
    return label->x();
}

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT

    QMap<QString, std::pair<int, QString>> worst_; // per control kind: margin, where
    QStringList faults_;

    // Records one text's margin in pixels; below `need` it is a fault.
    void note(const QString& kind, int puzzle, const QString& control, int margin, int need = 0) {
        const QString where = QStringLiteral("puzzle %1, %2").arg(puzzle).arg(control);
        if (!worst_.contains(kind) || margin < worst_[kind].first) worst_[kind] = {margin, where};
        if (margin < need)
            faults_ << QStringLiteral("%1: %2 px over").arg(where).arg(need - margin);
    }
    void verdict() {
        const QStringList faults = std::exchange(faults_, {});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void cleanupTestCase() {
        qInfo("%-14s %6s  %s", "control kind", "margin", "worst case");
        for (auto it = worst_.cbegin(); it != worst_.cend(); ++it)
            qInfo("%-14s %6d  %s", qPrintable(it.key()), it->first, qPrintable(it->second));
    }

    // Wrapped at the label's width, as the label wraps it: the text must end
    // above the label's bottom edge and no line may reach under CmdClose.
    void introductions() {
        for (int n = 1; n <= 25; ++n) {
            setPuzzle(n);
            FrmLogicIntro& intro = FrmLogicIntro::get();
            auto* label = intro.control<QLabel>(QStringLiteral("Label1"));
            const QRect room = label->contentsRect().translated(label->pos());
            const QRect close = intro.control<QWidget>(QStringLiteral("CmdClose"))->geometry();
            // Wraps at word boundaries by default; the label's line breaks stay.
            QTextLayout layout(label->text().replace(QLatin1Char('\n'), QChar::LineSeparator),
                               label->font());
            const qreal leading = QFontMetricsF(label->font()).leading();
            qreal y = 0; // as the label lays out: leading between lines, each on a whole pixel
            int closeMargin = INT_MAX;
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(room.width());
                if (line.lineNumber() > 0) y = qCeil(y + leading);
                const int top = room.top() + qFloor(y);
                if (top <= close.bottom() && top + qCeil(line.height()) > close.top())
                    closeMargin = std::min(closeMargin, close.left() - room.left() -
                                                            qCeil(line.naturalTextWidth()));
                y += line.ascent() + line.descent();
            }
            layout.endLayout();
            // The label's own layout must agree, or this one proves nothing.
            const QRect drawn = label->fontMetrics().boundingRect(
                room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
            QCOMPARE(drawn.height(), qCeil(y));
            note(QStringLiteral("introduction"), n, QStringLiteral("Label1 bottom"),
                 room.height() - qCeil(y));
            note(QStringLiteral("introduction"), n, QStringLiteral("CmdClose"), closeMargin);
            intro.unload();
        }
        verdict();
    }

    // Each side item leaves a clear pixel before the grid line over the label's
    // end; the clues of every puzzle share one face and size, and fit at it.
    void board() {
        setPuzzle(1);
        FrmLogic& board = FrmLogic::get();
        const int gridLine = board.control<QWidget>(QStringLiteral("LineV00"))->x();
        auto* clues = board.control<QLabel>(QStringLiteral("LblClues"));
        const QRect room = clues->contentsRect();
        const QFont common = clues->font();
        for (int n = 1; n <= 25; ++n) {
            setPuzzle(n);
            board.SetUpPuzzle();
            for (int k = 1; k <= 15; ++k) {
                const QString name = QStringLiteral("LblS%1").arg(k, 2, 10, QLatin1Char('0'));
                auto* label = board.control<QLabel>(name);
                note(QStringLiteral("side item"), n, name + QLatin1Char(' ') + label->text(),
                     gridLine - inkEnd(label), 1);
            }
            if (clues->font() != common)
                faults_ << QStringLiteral("puzzle %1, LblClues: shrunk").arg(n);
            const QFontMetrics fm(clues->font());
            for (const QString& line : clues->text().split(QLatin1Char('\n')))
                note(QStringLiteral("clue width"), n, QStringLiteral("LblClues \"%1\"").arg(line),
                     room.width() - fm.boundingRect(room, Qt::AlignLeft, line).width());
            note(QStringLiteral("clue height"), n, QStringLiteral("LblClues"),
                 room.height() - fm.boundingRect(room, Qt::AlignLeft, clues->text()).height());
        }
        qInfo("clues drawn in %s %g pt", qPrintable(common.family()), common.pointSizeF());
        verdict();
    }

    void chartTitleAndHeadings() {
        for (int n = 1; n <= 25; ++n) {
            setPuzzle(n);
            FrmFillIn& chart = FrmFillIn::get();
            for (const QString& name :
                 {QStringLiteral("LblTitle"), QStringLiteral("Lbl1"), QStringLiteral("Lbl2"),
                  QStringLiteral("Lbl3"), QStringLiteral("Lbl4")}) {
                auto* label = chart.control<QLabel>(name);
                note(QStringLiteral("chart"), n, name + QLatin1Char(' ') + label->text(),
                     label->contentsRect().width() -
                         label->fontMetrics().horizontalAdvance(label->text()));
            }
            chart.unload();
        }
        verdict();
    }

    // Each caption, laid out as the button centres it, inside the area the style draws captions in.
    void menuCaptions() {
        for (int n = 1; n <= 25; ++n) {
            auto* button = FrmMain::get().control<QPushButton>(
                QStringLiteral("CmdPuz%1").arg(n, 2, 10, QLatin1Char('0')));
            QStyleOptionButton option;
            option.initFrom(button);
            const QRectF room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QRectF drawn =
                QFontMetricsF(button->font())
                    .boundingRect(room, Qt::AlignCenter, ui::oneLineCaption(button));
            note(QStringLiteral("menu caption"), n, button->text().trimmed(),
                 qFloor(std::min(drawn.left() - room.left(), room.right() - drawn.right())));
        }
        verdict();
    }
};

QTEST_MAIN(TestTextFit)
#include "test_text_fit.moc"
