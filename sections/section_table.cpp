// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_table.h"

#include "sections/american_columns.h"
#include "sections/section_perimeter.h"
#include "sections/table_fields.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace volcalc::sections {
namespace {

constexpr std::array<std::string_view, 8> FlangedHeader = {"designation", "h",  "b",  "tw",
                                                           "tf",          "r1", "r2", "area_cm2"};
constexpr std::array<std::string_view, 7> AngleHeader = {"designation", "h",  "b",       "t",
                                                         "r1",          "r2", "area_cm2"};
constexpr std::array<std::string_view, 5> HollowHeader = {"designation", "h", "b", "t", "area_cm2"};

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return true;
        }
    }
    return false;
}

std::size_t Characters(std::string_view text) {
    std::size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// Comma-separated fields; a field in double quotes may hold commas, and "" stands for one quote.
std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) {
        field = std::string(Trimmed(field));
    }
    return fields;
}

template <std::size_t N>
bool IsHeader(const std::vector<std::string>& fields, const std::array<std::string_view, N>& names) {
    if (fields.size() != N) {
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (Lowered(fields[i]) != names[i]) {
            return false;
        }
    }
    return true;
}

std::optional<TableColumns> ColumnsOfHeader(const std::vector<std::string>& fields) {
    if (IsHeader(fields, FlangedHeader)) {
        return TableColumns::Flanged;
    }
    if (IsHeader(fields, AngleHeader)) {
        return TableColumns::Angle;
    }
    if (IsHeader(fields, HollowHeader)) {
        return TableColumns::Hollow;
    }
    return std::nullopt;
}

struct TableRow {
    SectionDimensions Size;
    double TabulatedArea = 0; // mm²
    std::string MetricDesignation;
};

TableRow ParseRow(const std::vector<std::string>& f, TableColumns columns, bool areaRequired) {
    TableRow row;
    SectionDimensions& s = row.Size;
    s.H = Number(f[1], "h");
    s.B = Number(f[2], "b");
    std::size_t areaColumn = 0;
    switch (columns) {
    case TableColumns::Flanged:
        s.Web = Number(f[3], "tw");
        s.Flange = Number(f[4], "tf");
        s.RootRadius = Number(f[5], "r1", 0.0);
        s.ToeRadius = Number(f[6], "r2", 0.0);
        areaColumn = 7;
        break;
    case TableColumns::Angle:
        s.Wall = Number(f[3], "t");
        s.RootRadius = Number(f[4], "r1", 0.0);
        s.ToeRadius = Number(f[5], "r2", 0.0);
        areaColumn = 6;
        break;
    case TableColumns::Hollow:
        s.Wall = Number(f[3], "t");
        areaColumn = 4;
        break;
    }
    row.TabulatedArea =
        100.0 * Number(f[areaColumn], "area_cm2", areaRequired ? std::nullopt : std::optional(0.0));
    if (const char* problem = ShapeProblem(columns, s)) {
        throw RowProblem{problem};
    }
    return row;
}

class TableReader {
public:
    TableReader(const TableSource& source, SectionCatalogue& catalogue)
        : m_source(source), m_catalogue(catalogue) {
        if (source.Shipped) {
            m_family = {std::string(source.Shipped->Family), std::string(source.Shipped->Standard),
                        source.Shipped->Kind, ColumnsOf(source.Shipped->Kind)};
        } else {
            m_family.Name = source.FamilyName;
        }
    }

    void Read(std::string_view text) {
        if (text.starts_with("\xEF\xBB\xBF")) {
            text.remove_prefix(3);
        }
        std::size_t lineNumber = 0;
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            const std::string_view line = Trimmed(text.substr(0, end));
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            ++lineNumber;
            if (!line.empty()) {
                ReadLine(line, lineNumber);
            }
            if (m_abandoned) {
                return;
            }
        }
        if (!m_columns) {
            Problem(lineNumber == 0 ? 1 : lineNumber, "no header line; the file is left out");
        }
    }

private:
    void ReadLine(std::string_view line, std::size_t number) {
        if (line.starts_with('#')) {
            if (!m_columns) {
                ReadSetting(Trimmed(line.substr(1)), number);
            }
            return;
        }
        if (!m_columns) {
            ReadHeader(Fields(line), number);
            return;
        }
        ReadRow(Fields(line), number);
    }

    void ReadSetting(std::string_view setting, std::size_t number) {
        const std::size_t colon = setting.find(':');
        if (colon == std::string_view::npos || m_source.Shipped) {
            return; // a comment
        }
        const std::string name = Lowered(Trimmed(setting.substr(0, colon)));
        const std::string_view value = Trimmed(setting.substr(colon + 1));
        const bool known = name == "family" || name == "standard" || name == "kind";
        if (known && HasControlCharacter(value)) {
            Problem(number, "the " + name + " holds a control character; the line is passed over");
        } else if (name == "family" && !value.empty()) {
            m_family.Name = std::string(value);
        } else if (name == "standard") {
            m_family.Standard = std::string(value);
        } else if (name == "kind") {
            if (const auto kind = KindFromWord(value)) {
                m_family.Kind = *kind;
            } else {
                Problem(number, "unknown kind " + Shown(value) + "; the tabulated areas are used");
            }
        }
    }

    void ReadHeader(const std::vector<std::string>& fields, std::size_t number) {
        m_columns = ColumnsOfHeader(fields);
        m_american = AmericanLayoutOf(fields);
        if (m_american) {
            m_columns = ColumnsOf(*m_american);
        }
        if (!m_columns) {
            Problem(number, "the header is not 'designation,h,b,tw,tf,r1,r2,area_cm2', "
                            "'designation,h,b,t,r1,r2,area_cm2' or 'designation,h,b,t,area_cm2'; "
                            "the file is left out");
            m_abandoned = true;
            return;
        }
        if (m_family.Kind != SectionKind::Tabulated && ColumnsOf(m_family.Kind) != *m_columns) {
            Problem(number, "the columns do not suit the kind '" + std::string(KindWord(m_family.Kind)) +
                                "'; the tabulated areas are used");
            m_family.Kind = SectionKind::Tabulated;
        }
        m_family.Columns = *m_columns;
        m_familyIndex = m_catalogue.AddFamily(m_family);
    }

    void ReadRow(const std::vector<std::string>& fields, std::size_t number) {
        const std::size_t expected = m_american                           ? FieldCount(*m_american)
                                     : m_columns == TableColumns::Flanged ? 8
                                     : m_columns == TableColumns::Angle   ? 7
                                                                          : 5;
        try {
            if (fields.size() != expected) {
                throw RowProblem{std::to_string(fields.size()) + " fields where the header has " +
                                 std::to_string(expected)};
            }
            if (fields[0].empty()) {
                throw RowProblem{"no designation"};
            }
            CheckDesignation(fields[0]);
            const bool areaRequired = AreaIsTabulated(m_family.Kind);
            if (!m_american) {
                Add(fields[0], ParseRow(fields, *m_columns, areaRequired));
                return;
            }
            CheckDesignation(fields[1]);
            AmericanRow american = ParseAmericanRow(fields, *m_american, areaRequired);
            Add(fields[0], {american.Size, american.TabulatedArea, std::move(american.MetricDesignation)});
        } catch (const RowProblem& problem) {
            Problem(number, problem.Message + "; the row is left out");
        }
    }

    // Listings are tab-separated, messages one line each.
    static void CheckDesignation(const std::string& designation) {
        if (HasControlCharacter(designation)) {
            throw RowProblem{"the designation " + Shown(designation) + " holds a control character"};
        }
        if (Characters(designation) > LongestDesignation) {
            throw RowProblem{"the designation " + Shown(designation) + " is longer than " +
                             std::to_string(LongestDesignation) + " characters"};
        }
    }

    void Add(const std::string& designation, const TableRow& row) {
        Section section{.Designation = designation,
                        .Family = m_familyIndex,
                        .Size = row.Size,
                        .TabulatedArea = row.TabulatedArea,
                        .MetricDesignation = row.MetricDesignation};
        section.AreaFromTable =
            AreaIsTabulated(m_family.Kind) || (m_source.Shipped != nullptr && UsesTabulatedArea(designation));
        if (m_source.Shipped != nullptr && UsesOutlinePerimeter(designation)) {
            section.Size.TabulatedPerimeter = 0;
        }
        section.Area = section.AreaFromTable ? row.TabulatedArea : SectionArea(m_family.Kind, row.Size);
        if (!(section.Area > 0)) {
            throw RowProblem{"the dimensions give no area"};
        }
        if (!std::isfinite(section.Area)) {
            throw RowProblem{"the area is too large for any section"};
        }
        section.Perimeter = SectionPerimeter(m_family.Kind, section.Size);
        if (!m_catalogue.Add(std::move(section))) {
            throw RowProblem{Shown(designation) + " is listed already"};
        }
    }

    void Problem(std::size_t line, const std::string& message) {
        m_catalogue.AddProblem(m_source.Label + ", line " + std::to_string(line) + ": " + message + ".");
    }

    const TableSource& m_source;
    SectionCatalogue& m_catalogue;
    SectionFamily m_family;
    std::optional<TableColumns> m_columns;
    std::optional<AmericanLayout> m_american;
    std::size_t m_familyIndex = 0;
    bool m_abandoned = false;
};

} // namespace

void ReadSectionTable(std::string_view text, const TableSource& source, SectionCatalogue& catalogue) {
    TableReader(source, catalogue).Read(text);
}

} // namespace volcalc::sections
