// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings of the game's pictures. Every function draws the same pixels on
// every run: fixed geometry, fixed palettes, fonts loaded from fixed files.
// `ratio` 2 draws a picture at twice its size, for screens with two device
// pixels to a pixel, with the same palette and the same shapes.
#pragma once

#include "tools/pictures/indexed_image.h"

#include <array>
#include <string>

namespace zlp::pictures {

// Loads the fonts the drawings use; returns an error message, empty on success.
QString loadFonts();

// Stored with the windows.
IndexedImage xPicture(int ratio = 1);
IndexedImage oPicture(int ratio = 1);
IndexedImage redOPicture(int ratio = 1);
IndexedImage purpleOPicture(int ratio = 1);
IndexedImage windowIcon(int size); // 16 (set by hand), or any larger size in 16 colours
IndexedImage eraserIcon(int size); // the same
IndexedImage examplePicture(int n, int ratio = 1); // n: 1, 2 or 3

// The window icon in full colour with smoothed edges, for the desktop's
// larger icon sizes.
QImage desktopIcon(int size);

// Picture files.
IndexedImage blankPicture(int ratio = 1);
IndexedImage magnifierPicture(int ratio = 1);
// The column headings of one puzzle: 15 items, left to right; "&&" stands for "&".
IndexedImage headingPicture(const std::array<std::string, 15>& items, int ratio = 1);

// Sizes the board gives these pictures, in pixels.
inline constexpr int kCellPicture = 23;
inline constexpr int kHeadingWidth = 358;
inline constexpr int kHeadingHeight = 81;
inline constexpr int kHeadingPitch = 24; // one grid column
inline constexpr int kHeadingHidden = 8; // rows above the board's visible area
inline constexpr int kMagnifierWidth = 102;
inline constexpr int kMagnifierHeight = 106;

} // namespace zlp::pictures
