// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/frm_files.h"

#include "app/frm_main.h"
#include "board/frm_logic.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QStorageInfo>
#include <QStyle>

#include "saves/file_store.h"

#include <algorithm>

namespace zlp {

using namespace ui;

namespace {
const QString kFileError = QStringLiteral("Zentara's Logic Problems - File Error");
const QString kEnding = QStringLiteral(".txt");

// The volumes a player can pick: ready file systems mounted on a directory,
// the root first. The root is always there, even where the mount table does
// not show it (inside a container or a changed root).
QStringList pickableDrives() {
    QStringList drives{QStringLiteral("/")};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || !QFileInfo(v.rootPath()).isDir()) continue;
        if (!drives.contains(v.rootPath())) drives.append(v.rootPath());
    }
    return drives;
}

// The drive a directory lies on; the root when the mount table cannot tell.
QString driveOf(const QString& dir) {
    const QStorageInfo info(dir);
    return info.isValid() ? info.rootPath() : QStringLiteral("/");
}

// The path from the root down to dir, one entry per directory.
QStringList pathDownTo(const QString& dir) {
    QStringList chain;
    QDir d(dir);
    chain.prepend(d.absolutePath());
    while (d.cdUp()) chain.prepend(d.absolutePath());
    return chain;
}

// The folder the lists start on: the working one, or, when that has gone,
// the home folder or the root, so a folder is always reachable.
QString startDirectory() {
    for (const QString& dir : {QDir::currentPath(), QDir::homePath()})
        if (!dir.isEmpty() && QFileInfo(dir).isDir()) return dir;
    return QDir::rootPath();
}

// The file list's pattern "*.txt*", which ignores case.
bool matchesPattern(const std::string& name) {
    return QByteArray::fromStdString(name).toLower().contains(".txt");
}

// The names in the order of the lists: ignoring case first.
bool listedBefore(const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// A listing can take a while: the player sees the busy cursor meanwhile.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

WindowDesign FrmFiles::design() const {
    return {QStringLiteral("Zentara's Logic Problems - Open Saved File"),
            5580,
            3300,
            colours::yellow,
            false,
            defaultFont()};
}

void FrmFiles::build(QWidget& w) {
    auto* prompt =
        addLabel(&w, QStringLiteral("Label1"),
                 QStringLiteral("Select the saved file you wish to open:"), 120, 120, 5295, 480);
    prompt->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    prompt->setWordWrap(true);
    setColours(prompt, colours::blue, colours::yellow);

    auto* drives = addControl<QComboBox>(&w, QStringLiteral("drvList"), 240, 720, 2175, 315);
    for (const QString& drive : pickableDrives()) drives->addItem(drive, drive);
    connect(drives, &QComboBox::activated, this, &FrmFiles::drvList_Change);

    auto* dirs = addControl<QListWidget>(&w, QStringLiteral("dirList"), 240, 1080, 2175, 1215);
    dirs->setUniformItemSizes(true); // a huge folder is laid out at once
    connect(dirs, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openDirectory(item->data(Qt::UserRole).toString()); });

    auto* files = addControl<ListBox>(&w, QStringLiteral("filList"), 2520, 720, 1575, 1650);
    connect(files, &ListBox::clicked, this, &FrmFiles::filList_Click);
    files->setUniformItemSizes(true);

    auto* ok =
        addButton(&w, QStringLiteral("OKButton"), QStringLiteral("OK"), 4320, 2280, 1215, 375);
    connect(ok, &QPushButton::clicked, this, &FrmFiles::OKButton_Click);
    auto* cancel = addButton(&w, QStringLiteral("CancelButton"), QStringLiteral("Cancel"), 4320,
                             2760, 1215, 375);
    connect(cancel, &QPushButton::clicked, this, &FrmFiles::CancelButton_Click);

    auto* name = addTextBox(&w, QStringLiteral("TxtFileName"), 960, 2640, 2415, 375);
    name->setFont(makeFont(QStringLiteral("MS Sans Serif"), 12));
    connect(name, &QLineEdit::textChanged, this, &FrmFiles::TxtFileName_Change);

    auto* ending = addLabel(&w, QStringLiteral("LblEnding"), kEnding, 3480, 2760, 390, 300);
    ending->setFont(makeFont(QStringLiteral("MS Sans Serif"), 12, true));
    setColours(ending, colours::blue, colours::yellow);

    tabOrder({name, ok, cancel, files, dirs, drives});
    // The window labels none of these, so a screen reader is given names of its own (a
    // drive list is read by the drive it shows).
    name->setAccessibleName(QStringLiteral("File name"));
    files->setAccessibleName(QStringLiteral("Files"));
    dirs->setAccessibleName(QStringLiteral("Folders"));

    // The lists start where the program runs.
    openDirectory(startDirectory());
}

void FrmFiles::Form_Load() {
    setLeft(300);
    setTop(300);
    PickedFromList = false;
    ChosenName.clear();
    pickedName_.clear();
    pickedBytes_.clear();
    // The file list's filter (read-only files in, hidden files out) is set in dirList_Change.
    if (FileMode == 1) {
        setCaption(QStringLiteral("Zentara's Logic Problems - Open Saved File"));
        control<QLabel>(QStringLiteral("Label1"))
            ->setText(QStringLiteral("Select the saved file you wish to open:"));
        control<QLineEdit>(QStringLiteral("TxtFileName"))->hide();
        control<QLabel>(QStringLiteral("LblEnding"))->hide();
    } else if (FileMode == 2) {
        setCaption(QStringLiteral("Zentara's Logic Problems - Save a Logic Problem"));
        control<QLabel>(QStringLiteral("Label1"))
            ->setText(QStringLiteral(
                "What do you want to name your file and where do you want to save it?"));
        control<QLineEdit>(QStringLiteral("TxtFileName"))->show();
        control<QLabel>(QStringLiteral("LblEnding"))->show();
    }
}

bool FrmFiles::FileExists(const QString& name) {
    return isVisibleFile(QFile::encodeName(name).toStdString());
}

QString FrmFiles::shownDirectory() {
    load();
    return shownDir_;
}

void FrmFiles::openDirectory(const QString& dir) {
    if (!QFileInfo(dir).isDir()) return;
    const BusyCursor busy;
    shownDir_ = QDir(dir).absolutePath();

    auto* dirs = control<QListWidget>(QStringLiteral("dirList"));
    dirs->clear();
    const QIcon open = dirs->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = dirs->style()->standardIcon(QStyle::SP_DirClosedIcon);
    // Each item is made whole before it joins the list: an item changed inside
    // the list is looked for among all the others, too slow for a huge folder.
    auto addEntry = [dirs](const QIcon& icon, const QString& path, const QString& name,
                           qsizetype depth) {
        auto* item = new QListWidgetItem(icon, QString(2 * depth, QLatin1Char(' ')) + name);
        item->setData(Qt::UserRole, path);
        dirs->addItem(item);
        return item;
    };
    const QStringList chain = pathDownTo(shownDir_);
    QListWidgetItem* shown = nullptr;
    for (qsizetype i = 0; i < chain.size(); ++i)
        shown = addEntry(open, chain[i], i == 0 ? chain[i] : QFileInfo(chain[i]).fileName(), i);
    // Hidden folders are not listed, nor one whose name is not text: its path could not be opened.
    QStringList subs;
    for (const FolderEntry& e : listFolder(QFile::encodeName(shownDir_).toStdString())) {
        if (!e.isFolder || e.name[0] == '.') continue;
        const QByteArrayView bytes(e.name.data(), qsizetype(e.name.size()));
        const QString name = QString::fromUtf8(bytes);
        if (QFile::encodeName(name) == bytes) subs.append(name);
    }
    std::sort(subs.begin(), subs.end(), listedBefore);
    const QString prefix = shownDir_.endsWith(QLatin1Char('/')) ? shownDir_ : shownDir_ + '/';
    for (const QString& sub : subs) addEntry(closed, prefix + sub, sub, chain.size());
    dirs->setCurrentItem(shown);

    selectDriveOfShownDirectory();
    dirList_Change();
}

void FrmFiles::selectDriveOfShownDirectory() {
    auto* drives = control<QComboBox>(QStringLiteral("drvList"));
    const QString root = driveOf(shownDir_);
    if (drives->findData(root) < 0) drives->addItem(root, root);
    drives->setCurrentIndex(drives->findData(root));
}

void FrmFiles::drvList_Change() {
    auto* drives = control<QComboBox>(QStringLiteral("drvList"));
    const QString root = drives->currentData().toString();
    // A drive has no current directory of its own here: the working directory
    // when it lies on that drive, otherwise the drive's top.
    const QString home = startDirectory();
    const QString target = driveOf(home) == root ? home : root;
    const QFileInfo info(target);
    if (info.isDir() && info.isReadable() && QDir(target).isReadable())
        openDirectory(target);
    else
        selectDriveOfShownDirectory();
}

void FrmFiles::dirList_Change() {
    auto* files = control<QListWidget>(QStringLiteral("filList"));
    files->clear();
    // Read-only files are listed; hidden ones, directories and special files
    // are not. A name that is not text is shown as best it can be and keeps
    // its bytes, so the file still opens.
    const BusyCursor busy;
    std::vector<std::pair<QString, QByteArray>> found;
    for (FolderEntry& e : listFolder(QFile::encodeName(shownDir_).toStdString())) {
        if (!e.isFile || e.name[0] == '.' || !matchesPattern(e.name)) continue;
        QByteArray bytes = QByteArray::fromStdString(e.name);
        found.emplace_back(QString::fromUtf8(bytes), std::move(bytes));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return listedBefore(a.first, b.first); });
    for (auto& [text, bytes] : found) {
        auto* item = new QListWidgetItem(text);
        item->setData(Qt::UserRole, bytes);
        files->addItem(item);
    }
}

void FrmFiles::filList_Click() {
    auto* files = control<QListWidget>(QStringLiteral("filList"));
    const QListWidgetItem* item = files->currentItem();
    if (!item) return;
    ChosenName = item->text();
    pickedName_ = ChosenName;
    pickedBytes_ = item->data(Qt::UserRole).toByteArray();
    control<QLineEdit>(QStringLiteral("TxtFileName"))->setText(ChosenName);
    PickedFromList = true;
    control<QLabel>(QStringLiteral("LblEnding"))->hide();
}

void FrmFiles::TxtFileName_Change() {
    if (PickedFromList) ChosenName = control<QLineEdit>(QStringLiteral("TxtFileName"))->text();
}

void FrmFiles::OKButton_Click() {
    // A directory highlighted but not opened: open it, and that is all.
    const QListWidgetItem* highlighted =
        control<QListWidget>(QStringLiteral("dirList"))->currentItem();
    if (highlighted && highlighted->data(Qt::UserRole).toString() != shownDir_) {
        openDirectory(highlighted->data(Qt::UserRole).toString());
        return;
    }
    if (FileMode == 1)
        openPath();
    else if (FileMode == 2)
        savePath();
}

void FrmFiles::openPath() {
    if (!PickedFromList) {
        refuse(QStringLiteral("You did not choose a file to open."),
               QStringLiteral("Zentara's Logic Problems - Open a Saved File"));
        return;
    }
    const ReadResult read = readBoardFile(filePath().toStdString());
    if (read.outcome == ReadOutcome::Unreadable) {
        refuse(QStringLiteral("The file ") + ChosenName +
                   QStringLiteral(" cannot be read.  Please choose another file."),
               kFileError);
    } else if (read.outcome == ReadOutcome::NotABoard) {
        refuse(QStringLiteral("This file is not a Zentara's Logic Problems file.  Please "
                              "choose another file."),
               kFileError);
    } else {
        SavedCell = read.board.cells;
        FrmMain::get().PuzzleNumber = read.board.puzzleNumber;
        // The board's set-up unloads this window while this handler waits here:
        // from now on only the object's own variables may be touched.
        const QPointer<FrmFiles> self(this);
        FrmLogic::get().showModal();
        if (!self) return;
    }
    PickedFromList = false;
}

void FrmFiles::savePath() {
    if (!PickedFromList) {
        ChosenName = control<QLineEdit>(QStringLiteral("TxtFileName"))->text();
        if (!ChosenName.endsWith(kEnding, Qt::CaseSensitive)) ChosenName += kEnding;
    }
    ConfirmAndSave();
    PickedFromList = false;
    unload();
}

QByteArray FrmFiles::filePath() const {
    // A name as picked keeps the bytes it has on disk, text or not.
    const QByteArray name =
        ChosenName == pickedName_ ? pickedBytes_ : QFile::encodeName(ChosenName);
    // A name that brings its own directory is taken as it stands.
    if (name.contains('/')) return name;
    const QByteArray dir = QFile::encodeName(shownDir_);
    return dir.endsWith('/') ? dir + name : dir + '/' + name;
}

void FrmFiles::ConfirmAndSave() {
    const QByteArray path = filePath();
    if (isVisibleFile(path.toStdString())) {
        QMessageBox ask(
            QMessageBox::Information, QStringLiteral("Zentara's Logic Problems - File Message"),
            QStringLiteral("The file ") + ChosenName +
                QStringLiteral(" already exists.  Choose OK to replace file, Cancel to stop."),
            QMessageBox::Ok | QMessageBox::Cancel, window());
        ask.setTextFormat(Qt::PlainText); // a name is shown as it is, never as markup
        ask.setDefaultButton(QMessageBox::Ok);
        if (ask.exec() == QMessageBox::Ok) WriteBoard(path);
    } else {
        WriteBoard(path);
    }
}

void FrmFiles::WriteBoard(const QByteArray& fileName) {
    const std::string text =
        formatBoard(FrmMain::get().PuzzleNumber, FrmLogic::get().board.CellState);
    // A failed save leaves the old file whole and is not reported.
    replaceFile(fileName.toStdString(), text);
    PickedFromList = false;
}

void FrmFiles::CancelButton_Click() {
    FileMode = 0;
    unload();
}

void FrmFiles::refuse(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, window());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace zlp
