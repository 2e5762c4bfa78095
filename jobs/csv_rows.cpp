// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/csv_rows.h"

#include <array>

namespace volcalc::jobs {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// One character at a time, so that a record may span any number of reads and lines.
class CsvScanner {
public:
    using RowHandler = std::function<void(const std::vector<std::string>&, std::size_t)>;
    explicit CsvScanner(const RowHandler& row) : m_row(row) {}

    bool Take(char c) {
        if (m_state == State::Quoted) {
            return TakeQuoted(c); // line breaks are part of the field, CRLF and all
        }
        const bool secondHalfOfCrLf = m_afterCr && c == '\n';
        m_afterCr = c == '\r';
        if (secondHalfOfCrLf) {
            return true;
        }
        switch (m_state) {
        case State::QuoteInQuoted:
            return TakeAfterQuote(c);
        case State::Closed:
            return TakeAfterClosed(c);
        default:
            return TakeUnquoted(c);
        }
    }

    bool Finish() {
        if (m_state == State::Quoted) {
            return Fail(m_quoteLine, "double quote opened here is never closed");
        }
        if (m_state != State::RowStart) {
            EndRow();
        }
        return true;
    }

    CsvSyntaxError Error() const { return m_error; }

private:
    enum class State { RowStart, FieldStart, Unquoted, Quoted, QuoteInQuoted, Closed };

    static bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

    bool TakeUnquoted(char c) {
        if (IsLineEnd(c)) {
            if (m_state != State::RowStart) {
                EndRow();
            }
            ++m_line;
            return true;
        }
        if (m_state == State::RowStart) {
            if (IsBlank(c)) {
                return true; // a line of blanks is a blank line
            }
            m_rowLine = m_line;
            m_state = State::FieldStart;
        }
        if (c == ',') {
            EndField();
        } else if (c == '"') {
            if (m_state == State::Unquoted) {
                return Fail(m_line, "double quote inside a field that does not start with one");
            }
            m_state = State::Quoted;
            m_quoteLine = m_line;
        } else if (m_state == State::Unquoted || !IsBlank(c)) {
            m_field += c;
            m_state = State::Unquoted;
        }
        return true;
    }

    bool TakeQuoted(char c) {
        if (c == '"') {
            m_state = State::QuoteInQuoted;
            return true;
        }
        if (IsLineEnd(c) && !(c == '\n' && m_field.ends_with('\r'))) {
            ++m_line;
        }
        m_field += c;
        return true;
    }

    bool TakeAfterQuote(char c) {
        if (c == '"') {
            m_field += '"'; // a doubled quote stands for one
            m_state = State::Quoted;
            return true;
        }
        m_state = State::Closed;
        return TakeAfterClosed(c);
    }

    bool TakeAfterClosed(char c) {
        if (c == ',') {
            EndField();
        } else if (IsLineEnd(c)) {
            EndRow();
            ++m_line;
        } else if (!IsBlank(c)) {
            return Fail(m_line, "text after the closing double quote of a field");
        }
        return true;
    }

    void EndField() {
        if (m_state == State::Unquoted) {
            while (!m_field.empty() && IsBlank(m_field.back())) {
                m_field.pop_back();
            }
        }
        m_fields.push_back(std::move(m_field));
        m_field.clear();
        m_state = State::FieldStart;
    }

    void EndRow() {
        EndField();
        m_row(m_fields, m_rowLine);
        m_fields.clear();
        m_state = State::RowStart;
    }

    bool Fail(std::size_t line, const char* text) {
        m_error = {line, m_fields.size(), text};
        return false;
    }

    const RowHandler& m_row;
    State m_state = State::RowStart;
    bool m_afterCr = false;
    std::size_t m_line = 1;
    std::size_t m_rowLine = 1;
    std::size_t m_quoteLine = 1;
    std::string m_field;
    std::vector<std::string> m_fields;
    CsvSyntaxError m_error;
};

} // namespace

std::optional<CsvSyntaxError>
ReadCsvRows(std::istream& in,
            const std::function<void(const std::vector<std::string>& fields, std::size_t line)>& row) {
    CsvScanner scanner(row);
    std::array<char, 1 << 16> buffer{};
    bool first = true;
    while (in) {
        in.read(buffer.data(), buffer.size());
        std::string_view chunk(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (first && chunk.starts_with("\xEF\xBB\xBF")) {
            chunk.remove_prefix(3);
        }
        first = false;
        for (char c : chunk) {
            if (!scanner.Take(c)) {
                return scanner.Error();
            }
        }
    }
    if (!scanner.Finish()) {
        return scanner.Error();
    }
    return std::nullopt;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

} // namespace volcalc::jobs
