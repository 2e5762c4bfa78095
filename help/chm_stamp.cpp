// SPDX-License-Identifier: GPL-3.0-or-later
// Clears the two build times that the help compiler writes into a compiled help file, so that
// the same pages always give the same bytes: the time in the file header and the time entry
// (code 10) of the internal #SYSTEM file. Everything else the compiler writes is already
// repeatable.
//
// Usage: chm_stamp FILE

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

class Damaged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A little-endian number of `size` bytes at `at`.
std::uint64_t Number(const Bytes& bytes, std::uint64_t at, unsigned size) {
    if (at > bytes.size() || size > bytes.size() - at) {
        throw Damaged("a field lies past the end of the file");
    }
    std::uint64_t value = 0;
    for (unsigned i = size; i > 0; --i) {
        value = (value << 8) | bytes[at + i - 1];
    }
    return value;
}

bool Tagged(const Bytes& bytes, std::uint64_t at, const char (&tag)[5]) {
    return at <= bytes.size() && bytes.size() - at >= 4 &&
           std::string(bytes.begin() + at, bytes.begin() + at + 4) == tag;
}

// The directory's variable-length numbers: seven bits a byte, most significant first, the high
// bit set on every byte but the last.
std::uint64_t EncodedNumber(const Bytes& bytes, std::uint64_t& at, std::uint64_t end) {
    std::uint64_t value = 0;
    for (int count = 0; count < 10; ++count) {
        if (at >= end) {
            break;
        }
        const unsigned char byte = bytes[at++];
        value = (value << 7) | (byte & 0x7f);
        if ((byte & 0x80) == 0) {
            return value;
        }
    }
    throw Damaged("a directory entry is cut short");
}

void Clear(Bytes& bytes, std::uint64_t at, std::uint64_t size) {
    if (at > bytes.size() || size > bytes.size() - at) {
        throw Damaged("a time field lies past the end of the file");
    }
    for (std::uint64_t i = 0; i < size; ++i) {
        bytes[at + i] = 0;
    }
}

void ClearBuildTimes(Bytes& bytes) {
    if (!Tagged(bytes, 0, "ITSF") || Number(bytes, 4, 4) != 3 || Number(bytes, 8, 4) < 0x60) {
        throw Damaged("not a compiled help file of version 3");
    }
    Clear(bytes, 0x10, 4);

    const std::uint64_t directory = Number(bytes, 0x48, 8);
    const std::uint64_t content = Number(bytes, 0x58, 8);
    if (!Tagged(bytes, directory, "ITSP")) {
        throw Damaged("the directory header is missing");
    }
    const std::uint64_t headerSize = Number(bytes, directory + 0x08, 4);
    const std::uint64_t chunkSize = Number(bytes, directory + 0x10, 4);
    const std::uint64_t chunks = Number(bytes, directory + 0x2c, 4);

    for (std::uint64_t chunk = 0; chunk < chunks; ++chunk) {
        const std::uint64_t start = directory + headerSize + chunk * chunkSize;
        if (!Tagged(bytes, start, "PMGL")) {
            continue; // an index chunk
        }
        const std::uint64_t freeSpace = Number(bytes, start + 4, 4);
        if (freeSpace > chunkSize || start + chunkSize > bytes.size()) {
            throw Damaged("a directory chunk is cut short");
        }
        const std::uint64_t end = start + chunkSize - freeSpace;
        std::uint64_t at = start + 0x14;
        while (at < end) {
            const std::uint64_t nameSize = EncodedNumber(bytes, at, end);
            if (nameSize > end - at) {
                throw Damaged("a directory name is cut short");
            }
            const std::string name(bytes.begin() + at, bytes.begin() + at + nameSize);
            at += nameSize;
            const std::uint64_t section = EncodedNumber(bytes, at, end);
            const std::uint64_t offset = EncodedNumber(bytes, at, end);
            const std::uint64_t size = EncodedNumber(bytes, at, end);
            if (name != "/#SYSTEM" || section != 0) {
                continue;
            }
            // #SYSTEM: a version number, then entries of a code, a size and the data.
            std::uint64_t entry = content + offset + 4;
            const std::uint64_t stop = content + offset + size;
            while (entry + 4 <= stop) {
                const std::uint64_t code = Number(bytes, entry, 2);
                const std::uint64_t dataSize = Number(bytes, entry + 2, 2);
                if (code == 10) {
                    Clear(bytes, entry + 4, dataSize);
                    return;
                }
                entry += 4 + dataSize;
            }
            throw Damaged("#SYSTEM holds no build time");
        }
    }
    throw Damaged("the #SYSTEM file is missing");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: chm_stamp FILE\n";
        return 2;
    }
    const std::string path = argv[1];
    Bytes bytes;
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "chm_stamp: cannot read " << path << "\n";
            return 1;
        }
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    try {
        ClearBuildTimes(bytes);
    } catch (const Damaged& error) {
        std::cerr << "chm_stamp: " << path << ": " << error.what() << "\n";
        return 1;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "chm_stamp: cannot write " << path << "\n";
        return 1;
    }
    return 0;
}
