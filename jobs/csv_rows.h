// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace volcalc::jobs {

// Where a list is malformed: the line of the file (blank lines count) and the 0-based field.
struct CsvSyntaxError {
    std::size_t Line = 0;
    std::size_t Field = 0;
    std::string Text;
};

// Reads RFC 4180 CSV (CRLF, LF or CR, an optional UTF-8 byte-order mark, quoted fields holding
// commas, quotes and line breaks; blanks around a field are dropped, blank lines skipped) and
// hands each record to `row` with the line of the file where it starts. Stops at the first
// malformed quote and returns where it is.
std::optional<CsvSyntaxError>
ReadCsvRows(std::istream& in,
            const std::function<void(const std::vector<std::string>& fields, std::size_t line)>& row);

// A field as a list file holds it, read back the same by ReadCsvRows: quoted only where it holds a
// comma, a quote or a line break. No formula guard: the text is the person's, not a spreadsheet's.
std::string CsvField(const std::string& text);

} // namespace volcalc::jobs
