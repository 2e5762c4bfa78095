// SPDX-License-Identifier: GPL-3.0-or-later
// The order's stock lengths and kerf, as the command line and the window take them: any text
// is taken or refused cleanly, and whatever is taken plans without a throw.
#include "cutting/order_arguments.h"
#include "cutting/order_plan.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

using namespace volcalc::cutting;

constexpr Units Longest = static_cast<Units>(LongestMillimetres) * UnitsPerMillimetre;

void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

void CheckStocks(const LengthsReading& reading, std::string_view text) {
    if (reading.Fault != LengthFault::None) {
        if (!reading.Lengths().empty()) {
            Fail("refused stock lengths with lengths", text);
        }
        return;
    }
    if (reading.Lengths().empty()) {
        Fail("stock lengths taken without a length", text);
    }
    for (Units stock : reading.Lengths()) {
        if (stock <= 0 || stock > Longest) {
            Fail("a stock length the planner refuses was taken", text);
        }
    }
}

std::optional<Units> CheckKerf(const LengthsReading& reading, std::string_view text) {
    if (reading.Fault == LengthFault::None) {
        if (reading.Lengths().size() != 1 || reading.Lengths()[0] < 0 || reading.Lengths()[0] > Longest) {
            Fail("a kerf the planner refuses was taken", text);
        }
        return reading.Lengths()[0];
    }
    return std::nullopt;
}

// A few pieces, so that every run plans in a moment.
void Plan(const LengthsReading& stocks, std::optional<Units> kerf) {
    if (stocks.Fault != LengthFault::None || !kerf || stocks.Lengths().size() > 4) {
        return;
    }
    const OrderItem items[] = {
        {"Cylinder", {20}, 1000, 3, "Steel", 2.5, 2.0},
        {"Cylinder", {20}, 0.0004, 1, "Steel", 0, 2.0},
        {"Cylinder", {20}, 2e8, 1, "Steel", 500, 2.0},
    };
    PlanOrder(items, MillimetreSettings(stocks.Lengths(), *kerf));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t line = input.find('\n');
    const std::string_view stocks = input.substr(0, line);
    const std::string_view kerf =
        line == std::string_view::npos ? std::string_view() : input.substr(line + 1);

    const LengthsReading commandLine = ReadCommandLineStocks(stocks);
    CheckStocks(commandLine, stocks);
    Plan(commandLine, CheckKerf(ReadOrderLength(kerf, DecimalForm::Point, true), kerf));

    const LengthsReading window = ReadWindowStocks(stocks);
    CheckStocks(window, stocks);
    if (window.Fault == LengthFault::None && stocks.find(',') != std::string_view::npos &&
        stocks.find(';') == std::string_view::npos) {
        Fail("the window took a text that reads two ways", stocks);
    }
    Plan(window, CheckKerf(ReadOrderLength(kerf, DecimalForm::PointOrComma, true), kerf));
    return 0;
}
