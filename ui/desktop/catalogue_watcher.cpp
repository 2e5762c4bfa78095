// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/catalogue_watcher.h"

#include <QFile>
#include <QStringList>

#include <sys/stat.h>

namespace volcalc::ui {

CatalogueWatcher::CatalogueWatcher(std::filesystem::path file, std::function<void()> changed, QObject* parent)
    : QObject(parent), m_file(std::move(file)), m_changed(std::move(changed)) {
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { FolderChanged(); });
    Seen();
}

CatalogueWatcher::Stamp CatalogueWatcher::Now() const {
    struct stat status {};
    if (::stat(m_file.c_str(), &status) != 0) {
        return {};
    }
    return {true, static_cast<unsigned long long>(status.st_ino), static_cast<long long>(status.st_size),
            static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec};
}

namespace {

// The folder of the file, or the nearest folder above it that exists.
QString NearestFolder(const std::filesystem::path& file) {
    std::filesystem::path folder = std::filesystem::absolute(file).parent_path();
    std::error_code error;
    while (!std::filesystem::is_directory(folder, error) && folder.has_relative_path()) {
        folder = folder.parent_path();
    }
    return QFile::decodeName(QByteArray::fromStdString(folder.string()));
}

} // namespace

void CatalogueWatcher::WatchFolders() {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(m_file, error);
    QStringList wanted{NearestFolder(m_file)};
    if (!error && NearestFolder(resolved) != wanted.front()) {
        wanted << NearestFolder(resolved);
    }
    const QStringList watched = m_watcher.directories();
    for (const QString& folder : watched) {
        if (!wanted.contains(folder)) {
            m_watcher.removePath(folder);
        }
    }
    for (const QString& folder : wanted) {
        if (!watched.contains(folder)) {
            m_watcher.addPath(folder);
        }
    }
}

void CatalogueWatcher::Seen() {
    m_seen = Now();
    WatchFolders();
}

// New files beside the catalogue (another program's half-written one, its lock) change the
// folder too; only a new catalogue counts. A folder made on the way to the file is watched in
// place of the one above it.
void CatalogueWatcher::FolderChanged() {
    WatchFolders();
    const Stamp now = Now();
    if (now == m_seen) {
        return;
    }
    m_seen = now;
    m_changed();
}

} // namespace volcalc::ui
