// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace volcalc {

// An exclusive lock on a catalogue for the length of one change, held on a lock file beside it
// ("volcalc.ini.lock"), so that programs changing the same catalogue take turns. The lock file
// itself is left in place: removing it would let two programs lock two different files.
class CatalogueLock {
public:
    static constexpr std::chrono::milliseconds DefaultWait{10000};

    // Waits at most `wait` for the lock.
    explicit CatalogueLock(const std::filesystem::path& catalogue,
                           std::chrono::milliseconds wait = DefaultWait);
    ~CatalogueLock();
    CatalogueLock(const CatalogueLock&) = delete;
    CatalogueLock& operator=(const CatalogueLock&) = delete;

    bool Held() const { return m_fd >= 0; }
    // Not held because another program kept it for the whole wait.
    bool TimedOut() const { return m_timedOut; }
    // Why it is not held otherwise: the lock file could not be opened, or is a symbolic link,
    // which could lead two programs to lock two different files.
    const std::string& Problem() const { return m_problem; }

    static std::filesystem::path LockFileOf(const std::filesystem::path& catalogue);

private:
    int m_fd = -1;
    bool m_timedOut = false;
    std::string m_problem;
};

} // namespace volcalc
