#include "csv_rows.h"

#include <csv.h>

#include <array>
#include <memory>

namespace volcalc::cli {
namespace {

struct RowCollector {
    const std::function<void(const std::vector<std::string>&, std::size_t)>* row;
    std::vector<std::string> fields;
    std::size_t number = 0;
};

void OnField(void* text, std::size_t length, void* data) {
    auto* collector = static_cast<RowCollector*>(data);
    collector->fields.emplace_back(static_cast<const char*>(text), length);
}

void OnRowEnd(int, void* data) {
    auto* collector = static_cast<RowCollector*>(data);
    (*collector->row)(collector->fields, ++collector->number);
    collector->fields.clear();
}

struct ParserDeleter {
    void operator()(csv_parser* parser) const {
        csv_free(parser);
        delete parser;
    }
};

} // namespace

std::string
ReadCsvRows(std::istream& in,
            const std::function<void(const std::vector<std::string>& fields, std::size_t number)>& row) {
    std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
        return "cannot start the CSV reader";
    }
    RowCollector collector{&row, {}, 0};
    std::array<char, 1 << 16> buffer{};
    bool first = true;
    while (in) {
        in.read(buffer.data(), buffer.size());
        std::size_t length = static_cast<std::size_t>(in.gcount());
        const char* start = buffer.data();
        if (first && length >= 3 && std::string_view(start, 3) == "\xEF\xBB\xBF") {
            start += 3;
            length -= 3;
        }
        first = false;
        if (csv_parse(parser.get(), start, length, OnField, OnRowEnd, &collector) != length) {
            return "malformed CSV after row " + std::to_string(collector.number) + ": " +
                   csv_strerror(csv_error(parser.get()));
        }
    }
    if (csv_fini(parser.get(), OnField, OnRowEnd, &collector) != 0) {
        return "malformed CSV after row " + std::to_string(collector.number) + ": " +
               csv_strerror(csv_error(parser.get()));
    }
    return {};
}

} // namespace volcalc::cli
