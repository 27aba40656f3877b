// The drawings of the game's pictures. Every function draws the same pixels on
// every run: fixed geometry, fixed palettes, fonts loaded from fixed files.
#pragma once

#include "tools/pictures/indexed_image.h"

#include <array>
#include <string>

namespace zlp::pictures {

// Loads the fonts the drawings use; returns an error message, empty on success.
QString loadFonts();

// Stored with the windows.
IndexedImage xPicture();
IndexedImage oPicture();
IndexedImage redOPicture();
IndexedImage purpleOPicture();
IndexedImage windowIcon(int size);  // 32, or 16 for the small image
IndexedImage eraserIcon(int size);  // 32 or 16
IndexedImage examplePicture(int n); // 1, 2 or 3

// Picture files.
IndexedImage blankPicture();
IndexedImage magnifierPicture();
// The column headings of one puzzle: 15 items, left to right; "&&" stands for "&".
IndexedImage headingPicture(const std::array<std::string, 15>& items);

// Sizes the board gives these pictures, in pixels.
inline constexpr int kCellPicture = 23;
inline constexpr int kHeadingWidth = 358;
inline constexpr int kHeadingHeight = 81;
inline constexpr int kHeadingPitch = 24; // one grid column
inline constexpr int kHeadingHidden = 8; // rows above the board's visible area
inline constexpr int kMagnifierWidth = 102;
inline constexpr int kMagnifierHeight = 106;

} // namespace zlp::pictures
