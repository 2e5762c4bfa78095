#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace volcalc::cli {

// Reads RFC 4180 CSV (CRLF or LF, an optional UTF-8 byte-order mark, quoted fields holding
// commas, quotes and line breaks) and hands each record with its 1-based number to `row`.
// Returns an error text for malformed input, else an empty text.
std::string
ReadCsvRows(std::istream& in,
            const std::function<void(const std::vector<std::string>& fields, std::size_t number)>& row);

} // namespace volcalc::cli
