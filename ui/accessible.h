// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the game's own control kinds. Qt already names
// buttons, labels and text boxes by their texts; image controls, lines and the
// board's grid stop are plain widgets to it. These give such a control a role
// (a name is set with setAccessibleName, which tells the accessibility layer of
// the change itself) and tell the layer when a tool's chosen state changes.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace zlp::ui {

class ImageControl;

// Gives a control the role a screen reader announces. An image control in the
// role of a button or radio button can be pressed through the accessibility
// layer, which clicks it as the mouse does; a bordered image as a radio button
// reads as chosen while it shows the raised border (appearance 1).
void setReaderRole(QWidget* control, QAccessible::Role role);

// Tells the accessibility layer that the chosen state of a tool image may have changed.
void notifyChosen(ImageControl* tool);

// A caption as it should be read: no access-key marks, no blanks around it.
QString readerText(const QString& caption);

} // namespace zlp::ui
