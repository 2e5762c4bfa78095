// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A list of calculations in the command line's --input-csv format, as CAD programs and
// spreadsheets export it: group,shape,unit,quantity,material,p1..p5 a row, with an optional header
// row. Each row is checked here, with the same messages wherever a list is read (the command line,
// the window's import, the stock rack); what a row's material is and where the row goes is the
// caller's, through ListRowTarget.

#include "jobs/calculation_check.h"
#include "jobs/row_text.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace volcalc::jobs {

// The columns by position.
inline constexpr std::size_t QuantityColumn = 3;
inline constexpr std::size_t MaterialColumn = 4;

// "line 3, column p1": where a row's failure belongs.
std::string ColumnPlace(std::size_t line, std::size_t column);

// A failure that belongs to one column of the row; the caller throws it for its own checks, such as
// a material that it does not know.
class ColumnError : public LineError {
public:
    ColumnError(std::size_t column, const std::string& message) : LineError(message), Column(column) {}
    std::size_t Column;
};

// A row that passed the checks. Its views point into the record and live as long as the call that
// hands it over.
struct ListRow {
    std::size_t Line = 0; // where the record starts in the file (blank lines count)
    CalculationWords Words;
    CheckedCalculation Calculation;
    // The material column: empty, a material's name, or none of the two for "density N".
    std::string_view Material;
    std::optional<std::int32_t> Density; // "density N"
};

// Where a list's rows go.
class ListRowTarget {
public:
    virtual ~ListRowTarget() = default;
    // Before each record but the header, with its line: false skips it (after a failure under
    // --strict, or when the output is gone).
    virtual bool Begin(std::size_t line) = 0;
    // Takes a checked row. Throws ColumnError, CalculationWordsError, LineError or CalculationError
    // to refuse it, leaving nothing of it behind.
    virtual void Take(const ListRow& row) = 0;
    // A record refused: where ("line 3, column p1", or "line 3") and the message the user reads.
    virtual void Refuse(const std::string& place, const std::string& message) = 0;
};

struct ListReading {
    // The standard sections a shape may name; none: the shape table's shapes alone.
    sections::SectionShapes* Sections = nullptr;
    // A quantity not read as typed ("4x") refuses the row.
    bool StrictQuantity = false;
    // The group every row must name, read as an object ("stock" for a rack of bars); empty:
    // "object" or "aperture".
    std::string_view OnlyGroup;
};

// Reads every record and hands each row to the target. Returns the message of malformed CSV
// ("line 7, column quantity: malformed CSV: ..."), where the reading stopped, or nothing.
std::optional<std::string> ReadListRows(std::istream& in, const ListReading& reading, ListRowTarget& target);

} // namespace volcalc::jobs
