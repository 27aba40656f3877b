// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of 100,000 folders, made in memory: on a disk, making and removing
// them alone can take minutes.
#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <memory>

inline constexpr int kHugeFolderSize = 100000;

// The folder, removed with the object; null where it cannot be made.
inline std::unique_ptr<QTemporaryDir> makeHugeFolder() {
    auto dir = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/zlp-bench-XXXXXX"));
    if (!dir->isValid()) return nullptr;
    for (int i = 0; i < kHugeFolderSize; ++i)
        if (!QDir(dir->path()).mkdir(QString::number(i))) return nullptr;
    return dir;
}
