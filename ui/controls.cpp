// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include "ui/accessible.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>
#include <qdrawutil.h>

#include <utility>

namespace zlp::ui {

QFont makeFont(const QString& face, double points, bool bold, bool underline) {
    // A face that is not installed is named by its substitute straight away:
    // asking fontconfig for fallbacks of a missing face costs a tenth of start-up.
    // The installed list is read once; asking fontconfig for each face's aliases
    // (what hasFamily does) cost a million instructions a call. A face that is an
    // alias has no substitute of ours, so it keeps its own name either way.
    static const QStringList installed = QFontDatabase::families();
    QFont f(installed.contains(face, Qt::CaseInsensitive) ? face : QFont::substitute(face));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QFont defaultFont() {
    return makeFont(QStringLiteral("MS Sans Serif"), 8.25);
}

void installFontSubstitutes() {
    // Metric-compatible faces keep captions inside the buttons the layouts size for them.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

QString labelText(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QStringView rest = QStringView(caption).sliced(i);
        if (rest.startsWith(u"\r\n")) continue; // CR LF breaks a label's line as LF does
        if (rest.startsWith(u"&&")) {
            out += QLatin1Char('&');
            ++i;
        } else if (!rest.startsWith(u'&')) {
            out += caption[i];
        }
    }
    return out;
}

void fitPreBrokenText(QLabel* label, const QString& text, const QFont& preferred) {
    label->setText(text);
    const QRect room = label->contentsRect();
    const auto fits = [&](const QFont& f) {
        // Measured as the label lays the lines out, not glyph by glyph.
        const QRect used =
            QFontMetrics(f).boundingRect(room, static_cast<int>(label->alignment()), text);
        return used.width() <= room.width() && used.height() <= room.height();
    };
    QFont chosen = preferred;
    if (!fits(chosen)) {
        QFont narrow = preferred;
        narrow.setFamily(QStringLiteral("Liberation Sans Narrow"));
        for (double pt = preferred.pointSizeF(); pt >= 7.0; pt -= 0.25) {
            narrow.setPointSizeF(pt);
            chosen = narrow;
            if (fits(narrow)) break;
        }
    }
    label->setFont(chosen);
}

ImageControl::ImageControl(QWidget* parent, const QString& name, bool bordered)
    : QWidget(parent), bordered_(bordered) {
    setObjectName(name);
}

int ImageControl::ring() const {
    return !bordered_ ? 0 : appearance_ == 1 ? 2 : 1;
}

void ImageControl::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!picture_.isNull()) {
        // In pixels: a picture drawn at twice the size takes the same room.
        const QSize size = picture_.deviceIndependentSize().toSize();
        resize(size.width() + 2 * ring(), size.height() + 2 * ring());
    }
    update();
}

void ImageControl::setAppearance(int appearance) {
    const int before = ring();
    appearance_ = appearance;
    // The border grows outwards: the picture stays where it is.
    const int d = ring() - before;
    if (d != 0) setGeometry(geometry().adjusted(-d, -d, d, d));
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int b = ring();
    // Smoothed where the screen's scale is not the picture's own (1.5 for one at 2).
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) p.drawPixmap(b, b, picture_);
    if (hasFocus()) drawFocusDots(&p, rect().adjusted(b, b, -b, -b));
    if (!bordered_) return;
    // Filled rectangles, not lines, so that each edge covers whole pixels at any scale.
    const auto edge = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        const QRect r = rect().adjusted(inset, inset, -inset, -inset);
        // Top and left first: the bottom and right edges paint over their far ends.
        p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
        p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
        p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
    };
    if (appearance_ == 0) {
        edge(0, colours::black, colours::black);
    } else {
        // Sunken, as the desktop draws an image's three-dimensional border:
        // dark grey over black above and left, white over light grey below and
        // right; it stands out on the white board and on the blue tool panel.
        edge(0, colours::darkGrey, colours::white);
        edge(1, colours::black, colours::lightGrey);
    }
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) secondOfDouble_ = true;
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool second = std::exchange(secondOfDouble_, false);
    if (second || !rect().contains(event->position().toPoint())) return;
    emit clicked();
    emit clickedByMouse();
}

void CommandButton::setFace(const QColor& face) {
    face_ = face;
    update();
}

QString oneLineCaption(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    // The style's contents take the whole button: its two-pixel frame and
    // one pixel more each side keep the ink off the frame.
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() - 6;
    QString caption = button->text();
    while (caption.endsWith(QLatin1Char(' ')) &&
           button->fontMetrics().horizontalAdvance(caption) > room)
        caption.chop(1);
    return caption;
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style keeps a drawn bevel for each palette object, and every button
    // inherits its own copy of the window's colours: a copy with the same
    // colours is swapped for the one already drawn with, so that a window's
    // buttons share one bevel instead of drawing 25 alike.
    static QPalette drawnWith;
    if (option.palette == drawnWith)
        option.palette = drawnWith;
    else
        drawnWith = option.palette;
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    QRect area = rect().adjusted(margin, 1, -margin, -1);
    const bool wraps = area.height() >= 2 * fontMetrics().lineSpacing();
    QStylePainter p(this);
    if (face_.isValid()) {
        // The face flat in the button's colour, inside the desktop's 3-D edge:
        // white and the face above and left, black and grey below and right.
        QPalette edge;
        edge.setColor(QPalette::Light, colours::white);
        edge.setColor(QPalette::Button, face_);
        edge.setColor(QPalette::Dark, colours::darkGrey);
        edge.setColor(QPalette::Shadow, colours::black);
        const QBrush face(face_);
        qDrawWinButton(&p, rect(), edge, isDown(), &face);
    } else if (!wraps) {
        option.text = oneLineCaption(this);
        p.drawControl(QStyle::CE_PushButton, option);
        return;
    } else {
        // The bevel as the style draws it; the caption is wrapped below.
        p.drawControl(QStyle::CE_PushButtonBevel, option);
    }
    if (isDown()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (wraps) flags |= Qt::TextWordWrap;
    p.drawItemText(area, flags, palette(), isEnabled(), wraps ? text() : oneLineCaption(this),
                   QPalette::ButtonText);
    if (hasFocus())
        drawButtonFocus(&p, rect(), font(), area, flags, wraps ? text() : oneLineCaption(this));
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && mods == Qt::NoModifier && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemClicked, this, &ListBox::clicked);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const QListWidgetItem* before = selectedItems().value(0);
    // With nothing chosen yet, the first arrow chooses the entry under the
    // focus instead of passing over it.
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (!before && arrow && currentItem() && event->modifiers() == Qt::NoModifier) {
        currentItem()->setSelected(true);
    } else {
        QListWidget::keyPressEvent(event);
    }
    const QListWidgetItem* after = selectedItems().value(0);
    if (after && after != before) emit clicked();
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, int l, int t,
                       int w, int h) {
    auto* b = addControl<CommandButton>(parent, name, l, t, w, h);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w,
                 int h) {
    auto* label = addControl<QLabel>(parent, name, l, t, w, h);
    label->setText(labelText(caption));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* addTextBox(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* box = addControl<QLineEdit>(parent, name, l, t, w, h);
    return box;
}

QPlainTextEdit* addMultiLineTextBox(QWidget* parent, const QString& name, int l, int t, int w,
                                    int h) {
    auto* box = addControl<QPlainTextEdit>(parent, name, l, t, w, h);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

ImageControl* addImage(QWidget* parent, const QString& name, int l, int t, int w, int h,
                       bool bordered) {
    auto* image = new ImageControl(parent, name, bordered);
    image->setGeometry(twipRect(l, t, w, h));
    return image;
}

ImageControl* addPictureBox(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* box = addImage(parent, name, l, t, w, h, true); // flat, as an image starts
    box->setFocusPolicy(Qt::StrongFocus);
    const QPalette system = QApplication::palette();
    setColours(box, system.color(QPalette::WindowText), system.color(QPalette::Base));
    return box;
}

void placeInPictureBox(ImageControl* box, QWidget* control) {
    const int border = box->ring();
    control->move(control->pos() + QPoint(border, border));
}

QFrame* addFrame(QWidget* parent, const QString& name, int l, int t, int w, int h,
                 const QColor& background) {
    auto* frame = addControl<QFrame>(parent, name, l, t, w, h);
    setColours(frame, colours::black, background);
    return frame;
}

QWidget* addLine(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2, int widthPx,
                 const QColor& colour) {
    auto* line = new LineControl(parent);
    line->setObjectName(name);
    const int left = px(std::min(x1, x2)), top = px(std::min(y1, y2));
    const int right = px(std::max(x1, x2)), bottom = px(std::max(y1, y2));
    if (y1 == y2)
        line->setGeometry(left, top, right - left + 1, widthPx);
    else
        line->setGeometry(left, top, widthPx, bottom - top + 1);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    setReaderRole(line, QAccessible::Separator); // drawn only: nothing to read
    setColours(line, colour, colour);
    return line;
}

namespace {
constexpr const char* kHintProperty = "zlpHint";

class HintShower : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* w = static_cast<QWidget*>(watched);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           w->property(kHintProperty).toString(), w);
        return true;
    }
};
} // namespace

void setHint(QWidget* control, const QString& hint) {
    static auto* shower = new HintShower(QCoreApplication::instance()); // goes with the application
    control->setProperty(kHintProperty, hint);
    control->installEventFilter(shower);
}

void setColours(QWidget* w, const QColor& text, const QColor& background) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Window, background);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setButtonFace(QPushButton* b, const QColor& face) {
    if (auto* graphical = qobject_cast<CommandButton*>(b)) graphical->setFace(face);
}

} // namespace zlp::ui
