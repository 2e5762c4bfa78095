// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_section.h"

#include "calc/number_text.h"
#include "calc/units.h"
#include "cutting/order_rows.h"
#include "cutting/order_text.h"
#include "cutting/solver_guard.h"

#include <nlohmann/json.hpp>

namespace volcalc::cli {
namespace {

constexpr const char* ProgramName = "volcalc-cli: ";

// Whole millimetres as integers, others with their decimals.
nlohmann::ordered_json LengthJson(cutting::Units length) {
    if (length % cutting::UnitsPerMillimetre == 0) {
        return length / cutting::UnitsPerMillimetre;
    }
    return cutting::ToMillimetres(length);
}

} // namespace

void OrderSection::Add(const PartsListRow& row) {
    m_items.push_back(cutting::OrderItemOfRow(row));
}

void OrderSection::Undo() {
    if (!m_items.empty()) {
        m_items.pop_back();
    }
}

void OrderSection::Reset() {
    m_items.clear();
}

bool OrderSection::Plan(std::ostream& err) {
    std::vector<cutting::OrderItem> items;
    for (const auto& item : m_items) {
        if (item) {
            items.push_back(*item);
        }
    }
    try {
        m_orders = cutting::PlanOrder(items, m_settings);
    } catch (const cutting::SolverError& error) {
        m_orders.clear();
        err << ProgramName << "order: not planned, " << error.what() << '\n';
        return false;
    }
    bool planned = true;
    for (const cutting::GroupOrder& order : m_orders) {
        for (const cutting::UnplannedPieces& pieces : order.Group.Unplanned) {
            err << ProgramName << "order: " << cutting::UnplannedText(order.Group, pieces, DecimalSeparator())
                << '\n';
            planned = false;
        }
    }
    return planned;
}

void OrderSection::WriteText(std::ostream& out, MassUnit massUnit, std::string_view currency) const {
    out << cutting::OrderText(m_orders, m_settings, massUnit, currency);
}

void OrderSection::WriteJsonMember(std::ostream& out, MassUnit massUnit) const {
    nlohmann::ordered_json groups = nlohmann::ordered_json::array();
    for (const cutting::GroupOrder& order : m_orders) {
        nlohmann::ordered_json bars = nlohmann::ordered_json::array();
        for (const cutting::Bar& bar : order.Plan.Bars) {
            nlohmann::ordered_json cuts = nlohmann::ordered_json::array();
            for (cutting::Units cut : bar.Cuts) {
                cuts.push_back(LengthJson(cut));
            }
            bars.push_back(
                {{"stock", LengthJson(bar.Stock)}, {"cuts", cuts}, {"offcut", LengthJson(bar.Offcut)}});
        }
        nlohmann::ordered_json parameters = nlohmann::ordered_json::array();
        for (double value : order.Group.CrossSection) {
            // A cross-section beyond the planner's range is named as calculated.
            parameters.push_back(value <= cutting::LongestMillimetres ? LengthJson(cutting::ToUnits(value))
                                                                      : nlohmann::ordered_json(value));
        }
        groups.push_back({{"shape", order.Group.Shape},
                          {"parameters", parameters},
                          {"material", order.Group.Material},
                          {"kerf", LengthJson(m_settings.Kerf)},
                          {"bars", bars},
                          {"net_mass", MassForDisplay(order.NetMass, massUnit)},
                          {"gross_mass", MassForDisplay(order.GrossMass, massUnit)}});
    }
    std::string text = groups.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 3)) {
        text.insert(at + 1, "  ");
    }
    out << "\n  \"order\": " << text;
}

} // namespace volcalc::cli
