// SPDX-License-Identifier: GPL-3.0-or-later
// Saved-board files on disk, with plain system calls: only regular files are
// read or written, checked on the descriptor that was opened (so nothing can
// be swapped in between), no open waits on a FIFO or device, every read is
// bounded, and a replaced board holds the old board or the new one at every moment.
#pragma once

#include "saves/board_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace zlp {

// A regular file whose name does not start with a dot.
bool isVisibleFile(const std::string& path);

// Both passes of the reader over the file at path; Unreadable for anything
// but a regular file that can be opened.
ReadResult readBoardFile(const std::string& path);

// Creates or replaces path with text; when that fails, a file that was there
// holds what it held (the game tells no one: the player may save again). A link is followed and
// kept. The text goes to a new hidden file in the folder of the file it replaces and takes its name
// once it is written and synced. Where that folder takes no new file but the file itself may be
// written, the file is rewritten in place by a single write at its start, which a killed process
// either made whole or not at all. A longer file is then cut to the new board in a second step; a
// kill between the two leaves the whole new board and the old file's tail after it. The board's own
// format allows no padding that would spare that step.
void replaceFile(const std::string& path, std::string_view text);

// One entry of a folder, its name as the bytes on disk.
struct FolderEntry {
    std::string name;
    bool isFolder = false; // a folder, or a link to one
    bool isFile = false;   // a regular file, or a link to one
};

// The entries of a folder but "." and "..", unsorted; empty when it cannot be read.
std::vector<FolderEntry> listFolder(const std::string& folder);

// Test seam: called after each step of replaceFile that changes the disk or
// makes a change last, with the step's name, so a test can end the process
// at each such moment.
inline void (*afterSaveStep)(const char* step) = nullptr;

} // namespace zlp
