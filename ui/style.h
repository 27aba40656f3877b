// SPDX-License-Identifier: GPL-3.0-or-later
// The look the game's controls share whatever window they stand in: the
// keyboard focus drawn as the classic dotted rectangle, at all times and on
// every background; message boxes with plain buttons and sharp icons.
#pragma once

#include <QProxyStyle>

namespace zlp::ui {

class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ClassicStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr, QStyleHintReturn* data = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Draws the focus rectangle: dots one pixel apart along the inside of r, each
// the inverse of what lies under it, so it shows on blue, yellow and white
// alike; none where keepClear (in r's coordinates) has ink on or beside it.
void drawFocusDots(QPainter* painter, const QRect& r, const QImage& keepClear = {});

// The focus of a button: the dots inside its face, clear of the caption that
// is drawn into the rectangle caption with these flags and font.
void drawButtonFocus(QPainter* painter, const QRect& button, const QFont& font,
                     const QRect& caption, int flags, const QString& text);

} // namespace zlp::ui
