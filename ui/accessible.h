// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the game's own control kinds. Qt already names
// buttons, labels and text boxes by their texts; image controls, lines and the
// board's grid stop are plain widgets to it. These give such a control a role
// (a name is set with setAccessibleName, which tells the accessibility layer of
// the change itself) and tell the layer when a tool's chosen state changes.
#pragma once

#include <QAccessible>
#include <QString>

class QLineEdit;
class QWidget;

namespace zlp::ui {

class ImageControl;

// Gives a control the role a screen reader announces. An image control in the
// role of a button or radio button can be pressed through the accessibility
// layer, which clicks it as the mouse does; a bordered image as a radio button
// reads as chosen while it shows the raised border (appearance 1). A separator
// is drawing only: it is hidden from the reader. Game windows are dialogs to
// the reader unless given the role of a window here.
void setReaderRole(QWidget* control, QAccessible::Role role);

// Tells the accessibility layer that the chosen state of a tool image may have changed.
void notifyChosen(ImageControl* tool);

// Has the screen reader speak text now, while the keyboard focus stays on
// control. A screen reader speaks neither a change to the focused control's
// own name nor a second focus notice for the object it already reads, so the
// text goes out as the focus notice of one of a few small objects under
// control's window (a game window), taken in turn: even the same text twice
// is spoken twice.
void speak(QWidget* control, const QString& text);

// Speaks text as speak() does once control's window is active and the
// reader has heard its title and focused control; at once if it already is.
// The text is spoken once; a newer one takes the place of one still waiting.
void speakWhenActive(QWidget* control, const QString& text);

// Has an empty box entered by Tab or Shift+Tab say its name, as any other
// control entered so does.
void speakNameOnTabIn(QLineEdit* box);

} // namespace zlp::ui
