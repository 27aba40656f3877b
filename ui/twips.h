// SPDX-License-Identifier: GPL-3.0-or-later
// Layout units: positions and sizes are written in twips and turned into
// pixels here only (15 twips to the pixel at 96 dots per inch); Qt's high-DPI
// scaling does the rest.
#pragma once

#include <QRect>
#include <QtGlobal>

#include <type_traits>

namespace zlp::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    // Every layout value is given in whole pixels; one that is not is a typo
    // that rounding would hide, so it is told wherever it is laid out.
    if (!std::is_constant_evaluated() && twips % kTwipsPerPixel != 0)
        qWarning("zlp: %d twips is not a whole pixel", twips);
    // Round to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QRect twipRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

} // namespace zlp::ui
