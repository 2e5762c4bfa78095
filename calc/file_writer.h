// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace volcalc {

// The steps of replacing a file as a whole: a new file is made beside the old one, written, forced
// to the disk and closed, then renamed over the old one. Each step reports whether the system
// accepted it, so that a test can refuse any one of them.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Makes the new file beside the target. Refused for a target that cannot be written or that
    // is not a plain file.
    virtual bool Open(const std::filesystem::path& target) = 0;
    virtual bool Write(std::string_view data) = 0;
    virtual bool Sync() = 0;
    virtual bool Close() = 0;
    // Renames the new file over the target.
    virtual bool Commit() = 0;
    // Removes the new file after a refused step; the target is not touched.
    virtual void Discard() = 0;
};

// The real file system, through POSIX calls.
class PosixFileWriter : public FileWriter {
public:
    ~PosixFileWriter() override;
    bool Open(const std::filesystem::path& target) override;
    bool Write(std::string_view data) override;
    bool Sync() override;
    bool Close() override;
    bool Commit() override;
    void Discard() override;

private:
    int m_fd = -1;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
};

// Removes the new files that a writer killed half-way left beside the target. Only safe while no
// other program may be writing the target, that is under its CatalogueLock.
void RemoveLeftovers(const std::filesystem::path& target);

// Puts the content in place of the target's, all of it or none: false, with the target as it was,
// when any step is refused.
bool ReplaceFile(FileWriter& writer, const std::filesystem::path& target, std::string_view content);

} // namespace volcalc
