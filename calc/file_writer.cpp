// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/file_writer.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volcalc {

namespace {

// A symbolic link is followed so that the file it names is replaced, not the link.
std::filesystem::path ResolvedTarget(const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        const auto resolved = std::filesystem::weakly_canonical(target, error);
        if (!error) {
            return resolved;
        }
    }
    return target;
}

// The replacement keeps the owner, where we may set it, and the permissions of the file it
// replaces; a new file gets the usual ones. The owner goes first, as a change of owner may clear
// the set-user and set-group bits.
bool TakeOverOwnerAndMode(int fd, const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        if (::fchown(fd, status.st_uid, status.st_gid) != 0) {
            // Not allowed: the group alone may still be one of ours.
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), status.st_gid);
        }
        return ::fchmod(fd, status.st_mode & 07777) == 0;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(fd, 0666 & ~mask) == 0;
}

// The new file is hidden and named as no user names a file, so that clearing away what a killed
// writer left behind takes none of the user's own files ("volcalc.ini.tmp-backup").
constexpr std::string_view NewFileMark = ".being-written-by-volcalc-";

std::string NewFilePrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + std::string(NewFileMark);
}

bool IsLeftoverName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + 6 && name.starts_with(prefix);
}

// An existing target must be a plain file that we may write: replacing a read-only file by
// renaming would otherwise slip past its protection.
bool TargetWritable(const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(status.st_mode) && ::access(target.c_str(), W_OK) == 0;
}

} // namespace

PosixFileWriter::~PosixFileWriter() {
    if (m_fd >= 0) {
        ::close(m_fd);
        Discard();
    }
}

bool PosixFileWriter::Open(const std::filesystem::path& target) {
    m_target = ResolvedTarget(target);
    m_temporary.clear();
    if (!TargetWritable(m_target)) {
        return false;
    }
    std::string pattern = (m_target.parent_path() / NewFilePrefix(m_target)).string() + "XXXXXX";
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0) {
        return false;
    }
    m_temporary = pattern;
    if (!TakeOverOwnerAndMode(m_fd, m_target)) {
        ::close(m_fd);
        m_fd = -1;
        Discard();
        return false;
    }
    return true;
}

bool PosixFileWriter::Write(std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(m_fd, data.data(), std::min<std::size_t>(data.size(), SSIZE_MAX));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool PosixFileWriter::Sync() {
    return ::fsync(m_fd) == 0;
}

bool PosixFileWriter::Close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
}

bool PosixFileWriter::Commit() {
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        return false;
    }
    m_temporary.clear();
    // The rename itself reaches the disk with the folder; a refusal here no longer loses anything.
    std::filesystem::path folderPath = m_target.parent_path();
    if (folderPath.empty()) {
        folderPath = ".";
    }
    const int folder = ::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void PosixFileWriter::Discard() {
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

void RemoveLeftovers(const std::filesystem::path& target) {
    const std::filesystem::path resolved = ResolvedTarget(target);
    const std::string prefix = NewFilePrefix(resolved);
    const std::filesystem::path folder = resolved.parent_path().empty() ? "." : resolved.parent_path();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (IsLeftoverName(name, prefix) && entry.is_regular_file(error)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

bool ReplaceFile(FileWriter& writer, const std::filesystem::path& target, std::string_view content) {
    if (!writer.Open(target)) {
        return false;
    }
    bool accepted = writer.Write(content) && writer.Sync();
    accepted = writer.Close() && accepted; // closed whatever happened before
    accepted = accepted && writer.Commit();
    if (!accepted) {
        writer.Discard();
    }
    return accepted;
}

} // namespace volcalc
