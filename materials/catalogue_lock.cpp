// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/catalogue_lock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace volcalc {

namespace {

// A lock file made by another user may be read-only to us; flock needs no write access.
int OpenLockFile(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0 && errno == EACCES) {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    }
    return fd;
}

} // namespace

std::filesystem::path CatalogueLock::LockFileOf(const std::filesystem::path& catalogue) {
    return std::filesystem::path(catalogue.string() + ".lock");
}

CatalogueLock::CatalogueLock(const std::filesystem::path& catalogue, std::chrono::milliseconds wait) {
    const int fd = OpenLockFile(LockFileOf(catalogue));
    if (fd < 0) {
        m_problem = errno == ELOOP ? "the lock file is a symbolic link" : std::strerror(errno);
        return;
    }
    // Polled rather than blocking, so that the wait has an end even without signals.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return;
        }
        const bool busy = errno == EWOULDBLOCK || errno == EINTR;
        if (!busy || std::chrono::steady_clock::now() >= deadline) {
            m_timedOut = busy;
            m_problem = busy ? "" : std::strerror(errno);
            ::close(fd);
            return;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(5000));
    }
}

CatalogueLock::~CatalogueLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // closing the last descriptor releases the lock
    }
}

} // namespace volcalc
