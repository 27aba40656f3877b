// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: those stored with the windows (resources) and the picture files
// read at run time from the folder beside the working directory.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <optional>

namespace zlp::ui {

// The icon every window carries.
QIcon windowIcon();

// A picture stored with the windows, by file name ("x.gif"); null if absent.
// On a screen with more than one device pixel to a pixel, the picture drawn
// at twice the size ("x@2x.gif") where there is one, at the same size in
// pixels; so also for picture files.
QPixmap storedPicture(const QString& fileName);

// Resolves a picture path written with backslashes ("ZLP-Images\blank.gif")
// against the current directory with this platform's separator. Where the
// file system is case-sensitive, a name that differs only in case is found
// too. Returns the path of the existing file, or the plain translation when
// none exists.
QString resolvePicturePath(const QString& windowsPath);

// Reads a picture file; nothing when it is missing or cannot be decoded.
std::optional<QPixmap> loadPictureFile(const QString& windowsPath);

} // namespace zlp::ui
