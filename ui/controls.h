// SPDX-License-Identifier: GPL-3.0-or-later
// The control kinds of the game's windows, placed in twips: command buttons,
// labels, text boxes, images, frames and lines. Every control is named.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/twips.h"

namespace zlp::ui {

namespace colours {
inline const QColor blue{0, 0, 255};
inline const QColor yellow{255, 255, 0};
inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};
// The desktop's greys of three-dimensional edges.
inline const QColor darkGrey{128, 128, 128};
inline const QColor lightGrey{192, 192, 192};
} // namespace colours

// A font by face, size and style. Faces missing here fall back through
// fontconfig to a metric-compatible face where one is installed.
QFont makeFont(const QString& face, double points, bool bold = false, bool underline = false);
// The system's default dialog font ("MS Sans Serif" 8.25 pt).
QFont defaultFont();
// Registers the substitutes for the faces the layouts name; call once at start.
void installFontSubstitutes();

// A caption as a label shows it: "&&" is one ampersand, a single "&" marks an
// access key and is not shown, and CR LF breaks the line.
QString labelText(const QString& caption);

// Shows text that is already broken into lines without breaking it again:
// the preferred font when every line fits the label, otherwise the narrow
// face at the largest size, down to 7 pt, at which the lines fit across and
// down. Layouts sized for a narrower system font keep their line breaks so.
void fitPreBrokenText(QLabel* label, const QString& text, const QFont& preferred);

// An image control: shows its picture at the picture's own size (the control
// takes that size once a picture is put in), optionally inside a single
// border that is flat (appearance 0, one black pixel) or three-dimensional
// (appearance 1, two pixels, sunken); the control grows and shrinks around the
// picture, which stays put. One that takes the focus shows it with dots just
// inside the border. A double click is one click: the second press of it is a
// double click, which no image handles.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(QWidget* parent, const QString& name, bool bordered);
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setAppearance(int appearance);
    int appearance() const { return appearance_; }
    bool bordered() const { return bordered_; }
    // Pixels of border on each side of the picture.
    int ring() const;

signals:
    void clicked();
    // After clicked(), when the click came from the mouse.
    void clickedByMouse();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool bordered_;
    int appearance_ = 0;
    bool secondOfDouble_ = false; // the press under way began a double click
};

// The caption as a one-line button draws it: trailing blanks pad the caption
// off centre, and go where they would bring its letters onto the button's
// frame or the pixel next to it (the stand-in faces are wider than those the
// blanks were counted for).
QString oneLineCaption(const QPushButton* button);

// A command button whose caption wraps at word boundaries when the button is
// tall enough for more than one line, as captions on the game's larger
// buttons do; a one-line button keeps its caption on one line. Enter presses
// the button that has the focus, as Space does; no button is a window's
// default. A graphical button paints its face flat in its own colour.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    void setFace(const QColor& face);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor face_; // valid for a graphical button
};

// A list box whose Click comes from a mouse click on an entry or from the
// keyboard moving the selection, not from the program filling the list.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Any control kind, named and placed in twips inside its container.
template <class T> T* addControl(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(twipRect(l, t, w, h));
    return control;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, int l, int t,
                       int w, int h);
QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w,
                 int h);
QLineEdit* addTextBox(QWidget* parent, const QString& name, int l, int t, int w, int h);
// A text box of several lines; Tab moves on to the next control, not into the text.
QPlainTextEdit* addMultiLineTextBox(QWidget* parent, const QString& name, int l, int t, int w,
                                    int h);
ImageControl* addImage(QWidget* parent, const QString& name, int l, int t, int w, int h,
                       bool bordered = false);
// A picture box: a container with the window-background colour, a flat
// one-pixel border and a picture inside it; it takes the keyboard focus.
// Putting a picture in sizes the box to the picture plus its border.
ImageControl* addPictureBox(QWidget* parent, const QString& name, int l, int t, int w, int h);
// A control placed inside a picture box counts its position from inside the border.
void placeInPictureBox(ImageControl* box, QWidget* control);
// A borderless container panel with its own background colour.
QFrame* addFrame(QWidget* parent, const QString& name, int l, int t, int w, int h,
                 const QColor& background);
// A line, a class of the game's own: a reader is told it is drawn only, which
// Qt's own answer for a plain widget would keep from it.
class LineControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
// A horizontal or vertical line from (x1, y1) to (x2, y2) in twips, widthPx pixels wide.
QWidget* addLine(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2, int widthPx,
                 const QColor& colour);

// A tooltip for the mouse only: a screen reader would read a control's own
// tooltip as its description, and what it hears is told apart (ui/accessible).
void setHint(QWidget* control, const QString& hint);

// Colours of a control: text (foreground) and background.
void setColours(QWidget* w, const QColor& text, const QColor& background);
// Paints a button's face in its own colour (the graphical button style).
void setButtonFace(QPushButton* b, const QColor& face);

} // namespace zlp::ui
