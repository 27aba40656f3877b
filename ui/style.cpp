// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style.h"

#include "ui/controls.h"

#include <QAbstractScrollArea>
#include <QIconEngine>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

#include <algorithm>

namespace zlp::ui {

namespace {

// The message-box icons, drawn at whatever size is asked for, so they are as
// sharp at two device pixels to a pixel as at one: the exclamation mark on a
// yellow triangle, the "i" on a white speech balloon.
class MessageIcon : public QIconEngine {
public:
    explicit MessageIcon(bool warning) : warning_(warning) {}
    QIconEngine* clone() const override { return new MessageIcon(warning_); }
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 32.0, rect.height() / 32.0);
        p->setPen(QPen(Qt::black, 1.2));
        if (warning_) {
            QPainterPath triangle;
            triangle.moveTo(16, 2);
            triangle.lineTo(30.5, 29);
            triangle.lineTo(1.5, 29);
            triangle.closeSubpath();
            p->setBrush(colours::yellow);
            p->drawPath(triangle);
            p->setPen(Qt::NoPen);
            p->setBrush(Qt::black);
            p->drawRoundedRect(QRectF(14.4, 9.5, 3.2, 12), 1.2, 1.2);
            p->drawEllipse(QRectF(14.3, 23, 3.4, 3.4));
        } else {
            QPainterPath balloon;
            balloon.addEllipse(QRectF(1.5, 1.5, 29, 24));
            QPainterPath tail;
            tail.moveTo(9, 21);
            tail.lineTo(6, 30.5);
            tail.lineTo(17, 24);
            balloon = balloon.united(tail);
            p->setBrush(Qt::white);
            p->drawPath(balloon);
            p->setPen(Qt::NoPen);
            p->setBrush(colours::blue);
            p->drawEllipse(QRectF(14.2, 4.8, 3.6, 3.6));
            p->drawRect(QRectF(14.4, 10.5, 3.2, 10.5));
            p->drawRect(QRectF(12.5, 10.5, 2, 1.6));
            p->drawRect(QRectF(12.5, 19.6, 7, 1.6));
        }
        p->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // size is in device pixels already.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        paint(&p, image.rect(), mode, state);
        p.end();
        QPixmap out = QPixmap::fromImage(image);
        out.setDevicePixelRatio(scale);
        return out;
    }

private:
    bool warning_;
};

// Text boxes and lists show the focus with the dots just inside their frame.
bool marksFocusOnFrame(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractScrollArea*>(w);
}

} // namespace

ClassicStyle::ClassicStyle(QStyle* base) : QProxyStyle(base) {}

void drawFocusDots(QPainter* painter, const QRect& r, const QImage& keepClear) {
    if (r.width() < 2 || r.height() < 2) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Inverting the pixels under each dot: white shows on blue as yellow, on
    // yellow as blue, and on white as black.
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor invert(255, 255, 255);
    const auto dot = [&](int x, int y) {
        // No dot on or beside a pixel of the caption.
        for (int dy = -1; dy <= 1 && !keepClear.isNull(); ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (keepClear.valid(x + dx, y + dy) && qAlpha(keepClear.pixel(x + dx, y + dy)) > 0)
                    return;
        painter->fillRect(QRect(x, y, 1, 1), invert);
    };
    for (int x = r.left(); x <= r.right(); x += 2) dot(x, r.top()), dot(x, r.bottom());
    for (int y = r.top() + 2; y < r.bottom(); y += 2) dot(r.left(), y), dot(r.right(), y);
    painter->restore();
}

void drawButtonFocus(QPainter* painter, const QRect& button, const QFont& font,
                     const QRect& caption, int flags, const QString& text) {
    // The caption's ink, in the button's own pixels.
    QImage ink(button.size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter p(&ink);
        p.setFont(font); // a new painter's pen is opaque black
        p.drawText(caption.translated(-button.topLeft()), flags, text);
    }
    QRect used;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (qAlpha(ink.pixel(x, y)) > 0) used |= QRect(x, y, 1, 1);
    // Three pixels in (inside the two-pixel edge and one more), or out to the
    // edge where the caption comes nearer; where even that meets the caption,
    // the dots leave a gap around its letters.
    const QRect face = QRect(QPoint(), button.size()).adjusted(2, 2, -2, -2);
    QRect r = face.adjusted(1, 1, -1, -1);
    if (used.isValid()) {
        r.setLeft(std::clamp(used.left() - 2, face.left(), r.left()));
        r.setRight(std::clamp(used.right() + 2, r.right(), face.right()));
        r.setTop(std::clamp(used.top() - 2, face.top(), r.top()));
        r.setBottom(std::clamp(used.bottom() + 2, r.bottom(), face.bottom()));
    }
    painter->save();
    painter->translate(button.topLeft());
    drawFocusDots(painter, r, ink);
    painter->restore();
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_FrameFocusRect:
        drawFocusDots(painter, option->rect);
        return;
    case PE_PanelButtonCommand: {
        // The base style's own focus outline would stand beside the dots.
        QStyleOption plain(*option);
        plain.state &= ~State_HasFocus;
        QProxyStyle::drawPrimitive(element, &plain, painter, widget);
        return;
    }
    case PE_PanelLineEdit:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if ((option->state & State_HasFocus) && marksFocusOnFrame(widget))
            drawFocusDots(painter, option->rect.adjusted(1, 1, -1, -1));
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        QStyleOptionButton plain;
        if (const auto* b = qstyleoption_cast<const QStyleOptionButton*>(option)) plain = *b;
        plain.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        drawButtonFocus(painter, option->rect, widget ? widget->font() : painter->font(),
                        subElementRect(SE_PushButtonContents, &plain, widget),
                        Qt::AlignCenter | Qt::TextShowMnemonic, plain.text);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    // A list or a multi-line box fills all but its one-pixel frame: the dots go on the frame.
    if (element == CE_ShapedFrame && (option->state & State_HasFocus) && marksFocusOnFrame(widget))
        drawFocusDots(painter, option->rect);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && (option->state & State_HasFocus))
        drawFocusDots(painter, subControlRect(control, option, SC_ComboBoxEditField, widget));
}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    if (metric == PM_MessageBoxIconSize) return 32; // the desktop's message icons
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* data) const {
    // OK and Cancel carry no pictures, as no other button in the game does.
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_MessageBoxWarning) return QIcon(new MessageIcon(true));
    if (icon == SP_MessageBoxInformation) return QIcon(new MessageIcon(false));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace zlp::ui
