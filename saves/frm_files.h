// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser: names the file to save a board to or to reopen one from.
// Its drive, directory and file lists start on the process's working
// directory and move on their own; the working directory never changes, so
// the board still finds its pictures.
#pragma once

#include "board/grid.h"
#include "saves/board_file.h"
#include "ui/form.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace zlp {

class FrmFiles : public ui::Form<FrmFiles> {
    Q_OBJECT
public:
    FrmFiles() : Form(QStringLiteral("FrmFiles")) {}

    // 0 nothing under way, 1 opening a saved board, 2 saving the board.
    Int16 FileMode = 0;
    // SavedCell0101 .. SavedCell1505 in cell-index order: the numbers read from
    // the last saved board, as read (the replay applies only 0, 1 and 2).
    std::array<long long, kCellCount> SavedCell{};

    // True when a file of that name exists; directories and hidden files do not count.
    static bool FileExists(const QString& name);

    // The directory the directory list shows; loads the window.
    QString shownDirectory();

    void drvList_Change();
    void dirList_Change();
    void filList_Click();
    void TxtFileName_Change();
    void OKButton_Click();
    void CancelButton_Click();

protected:
    ui::WindowDesign design() const override;
    void build(QWidget& w) override;
    void Form_Load() override;
    void closeBox() override { CancelButton_Click(); }

private:
    // Shows dir in the directory list (the path down to it, then its
    // subdirectories) and, through dirList_Change, its files in the file list.
    void openDirectory(const QString& dir);
    // Puts the drive list on the volume that holds the shown directory.
    void selectDriveOfShownDirectory();
    // The path as bytes, so a picked name that is not text still opens.
    QByteArray filePath() const;
    void openPath();
    void savePath();
    void ConfirmAndSave();
    void WriteBoard(const QByteArray& fileName);
    // A refusal or error: exclamation icon, OK button, over this window.
    void refuse(const QString& text, const QString& title);

    QString ChosenName;
    // The name last picked from the file list, as shown and as on disk.
    QString pickedName_;
    QByteArray pickedBytes_;
    bool PickedFromList = false;
    // Meaningful only while the window is loaded.
    QString shownDir_;
};

} // namespace zlp
