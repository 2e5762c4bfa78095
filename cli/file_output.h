// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <streambuf>
#include <string>

namespace volcalc::cli {

// Standard output as a stream buffer that remembers why a write failed, so that a full disk or
// a closed pipe is reported with its reason instead of passing for success.
class FileOutputBuffer : public std::streambuf {
public:
    explicit FileOutputBuffer(int fd) : m_fd(fd) { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }
    FileOutputBuffer(const FileOutputBuffer&) = delete;
    FileOutputBuffer& operator=(const FileOutputBuffer&) = delete;

    // Empty while every write succeeded; else the system's reason for the first failure.
    const std::string& Failure() const { return m_failure; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool WriteAll(const char* data, std::size_t size);

    int m_fd;
    std::string m_failure;
    std::array<char, 1 << 16> m_buffer{};
};

} // namespace volcalc::cli
