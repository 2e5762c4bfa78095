// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_section.h"

#include "order_json.h"

#include "calc/number_text.h"
#include "cutting/order_rows.h"
#include "cutting/order_text.h"
#include "cutting/plan_cuts.h"

namespace volcalc::cli {
namespace {

constexpr const char* ProgramName = "volcalc-cli: ";

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
        for (const cutting::Demand& pieces : order.Plan.Uncovered) {
            err << ProgramName << "order: " << cutting::GroupText(order.Group, DecimalSeparator()) << ": "
                << pieces.Count << (pieces.Count == 1 ? " piece" : " pieces") << " of "
                << cutting::LengthText(pieces.Length, DecimalSeparator())
                << " mm cannot be covered by the stock limits and the rack\n";
            planned = false;
        }
    }
    return planned;
}

void OrderSection::WriteText(std::ostream& out, MassUnit massUnit, std::string_view currency) const {
    out << cutting::OrderText(m_orders, m_settings, massUnit, currency);
}

void OrderSection::WriteCsv(std::ostream& out) const {
    out << cutting::OrderCsv(m_orders, m_settings);
}

void OrderSection::WriteJsonMember(std::ostream& out, MassUnit massUnit) const {
    WriteOrderJsonMember(out, m_orders, m_settings, massUnit);
}

} // namespace volcalc::cli
