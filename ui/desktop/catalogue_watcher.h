// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>

#include <filesystem>
#include <functional>

namespace volcalc::ui {

// Tells when another program has changed the catalogue file. The folder is watched, not the file:
// every change replaces the file by renaming a new one over it. It is the folder of the file itself
// (a symbolic link followed) and that of the path as given, each the nearest one that exists: the
// user's own catalogue and its folders are made by the first change, which may be another program's.
class CatalogueWatcher : public QObject {
public:
    CatalogueWatcher(std::filesystem::path file, std::function<void()> changed, QObject* parent = nullptr);

    // The file as it is now counts as seen; only a later change of it is told. Taken before the
    // file is read, so that a change made while it is read is told afterwards.
    void Seen();

private:
    struct Stamp {
        bool Exists = false;
        unsigned long long Inode = 0;
        long long Size = 0;
        long long ModifiedNanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp Now() const;
    void FolderChanged();
    // Watches the folders that are to be watched now, and those only.
    void WatchFolders();

    std::filesystem::path m_file;
    std::function<void()> m_changed;
    QFileSystemWatcher m_watcher;
    Stamp m_seen;
};

} // namespace volcalc::ui
