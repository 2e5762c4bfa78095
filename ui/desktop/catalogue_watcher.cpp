#include "ui/desktop/catalogue_watcher.h"

#include <QFile>

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

// The user's own catalogue and its folder may only be made by the first change.
void CatalogueWatcher::WatchFolder() {
    std::filesystem::path folder = m_file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const QString name = QFile::decodeName(QByteArray::fromStdString(folder.string()));
    if (m_watcher.directories().isEmpty() && std::filesystem::is_directory(folder)) {
        m_watcher.addPath(name);
    }
}

void CatalogueWatcher::Seen() {
    m_seen = Now();
    WatchFolder();
}

// New files beside the catalogue (another program's half-written one, its lock) change the
// folder too; only a new catalogue counts.
void CatalogueWatcher::FolderChanged() {
    const Stamp now = Now();
    if (now == m_seen) {
        return;
    }
    m_seen = now;
    m_changed();
}

} // namespace volcalc::ui
