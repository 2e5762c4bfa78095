// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// --order: the stock bars to buy for the pieces of the run, cut first from the rack (--stock),
// planned when it ends and written after the report's totals (as text, or as the JSON document's
// "purchase" and "order" members), or alone as CSV.

#include "calc/parts_list.h"
#include "cutting/order_plan.h"

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace volcalc::cli {

class OrderSection {
public:
    explicit OrderSection(cutting::OrderSettings settings) : m_settings(std::move(settings)) {}

    // Follows the calculations that count, as the report's rows do.
    void Add(const PartsListRow& row);
    void Undo();
    void Reset();

    // Plans every group; each piece the plan leaves out is named on `err`, and so is a failure
    // of the solver. False when there was one.
    bool Plan(std::ostream& err);
    // Costs in `currency`, the catalogue's.
    void WriteText(std::ostream& out, MassUnit massUnit, std::string_view currency) const;
    // The members "purchase" and "order" at the JSON document's indentation.
    void WriteJsonMember(std::ostream& out, MassUnit massUnit) const;
    // The order alone as CSV, as the window exports it.
    void WriteCsv(std::ostream& out) const;

    // The bars on the rack, cut before any is bought.
    void SetRack(std::vector<cutting::RackBars> rack) { m_settings.Rack = std::move(rack); }
    const std::vector<cutting::GroupOrder>& Orders() const { return m_orders; }

private:
    cutting::OrderSettings m_settings;
    std::vector<std::optional<cutting::OrderItem>> m_items; // one per calculation that counts
    std::vector<cutting::GroupOrder> m_orders;
};

} // namespace volcalc::cli
