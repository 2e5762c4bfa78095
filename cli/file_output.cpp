// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_output.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace volcalc::cli {

bool FileOutputBuffer::WriteAll(const char* data, std::size_t size) {
    while (size > 0 && m_failure.empty()) {
        const ssize_t written = ::write(m_fd, data, size);
        if (written < 0) {
            if (errno != EINTR) {
                m_failure = std::strerror(errno);
            }
            continue;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return m_failure.empty();
}

FileOutputBuffer::int_type FileOutputBuffer::overflow(int_type c) {
    if (sync() != 0) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FileOutputBuffer::sync() {
    const bool written = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return written ? 0 : -1;
}

} // namespace volcalc::cli
