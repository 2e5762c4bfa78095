// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_plan.h"

#include "plan_cuts.h"

#include <algorithm>
#include <functional>
#include <map>

namespace volcalc::cutting {

namespace {

// Thousandths of a millimetre, so that a rack row and a part typed alike are one kind.
std::vector<Units> SectionUnits(std::span<const double> crossSection) {
    std::vector<Units> units;
    for (double value : crossSection) {
        units.push_back(value >= 0 && value <= LongestMillimetres ? ToUnits(value) : -1);
    }
    return units;
}

// The stock lengths to buy, then the group's bars on the rack.
std::vector<StockKind> KindsOf(const OrderGroup& group, const OrderSettings& settings) {
    std::vector<StockKind> kinds;
    for (const StockLength& stock : settings.Stocks) {
        kinds.push_back({stock.Length.Length, stock.Limit, false});
    }
    const std::vector<Units> section = SectionUnits(group.CrossSection);
    for (const RackBars& bars : settings.Rack) {
        if (bars.Shape == group.Shape && bars.Material == group.Material &&
            SectionUnits(bars.CrossSection) == section && bars.Count > 0 && bars.Length > 0) {
            kinds.push_back({bars.Length, bars.Count, true});
        }
    }
    return kinds;
}

std::vector<Units> Offcuts(const GroupOrder& order) {
    std::vector<Units> offcuts;
    for (const auto* bars : {&order.FromStock, &order.Plan.Bars}) {
        for (const Bar& bar : *bars) {
            if (bar.Offcut > 0) {
                offcuts.push_back(bar.Offcut);
            }
        }
    }
    std::sort(offcuts.begin(), offcuts.end(), std::greater<>());
    return offcuts;
}

void SplitOffcuts(GroupOrder& order, const OrderSettings& settings) {
    for (Units offcut : Offcuts(order)) {
        const bool kept = settings.KeepOffcuts && offcut >= settings.KeepOffcuts->Length;
        (kept ? order.Remnants : order.Scrap).push_back(offcut);
    }
}

void ListPurchases(GroupOrder& order, const OrderSettings& settings, double perUnit) {
    for (const StockLength& stock : settings.Stocks) {
        const Units length = stock.Length.Length;
        const auto count = std::count_if(order.Plan.Bars.begin(), order.Plan.Bars.end(),
                                         [&](const Bar& bar) { return bar.Stock == length; });
        const bool listed = std::any_of(order.Purchases.begin(), order.Purchases.end(),
                                        [&](const Purchase& p) { return p.Stock == length; });
        if (count == 0 || listed) {
            continue;
        }
        Purchase purchase{length, count, length * count, perUnit * static_cast<double>(length * count),
                          std::nullopt};
        if (order.Group.PricePerKg) {
            purchase.Cost = *order.Group.PricePerKg * purchase.Mass;
        }
        order.Purchases.push_back(purchase);
    }
}

void Weigh(GroupOrder& order, const OrderSettings& settings) {
    Units planned = order.Group.NetLength;
    for (const auto* left : {&order.Plan.Oversized, &order.Plan.Uncovered}) {
        for (const Demand& piece : *left) {
            planned -= piece.Length * piece.Count;
        }
    }
    const Units bought = BoughtLength(order.Plan);
    // One cross-section of one material: mass goes with length.
    const double perUnit =
        order.Group.NetLength > 0 ? order.Group.NetMass / static_cast<double>(order.Group.NetLength) : 0.0;
    order.NetMass = perUnit * static_cast<double>(planned);
    order.GrossMass = perUnit * static_cast<double>(bought);
    if (order.Group.PricePerKg) {
        order.Cost = *order.Group.PricePerKg * order.GrossMass;
    }
    ListPurchases(order, settings, perUnit);
    Units cut = bought;
    for (const Bar& bar : order.FromStock) {
        cut += bar.Stock;
    }
    Units offcuts = 0;
    for (Units offcut : Offcuts(order)) {
        offcuts += offcut;
    }
    if (cut > 0) {
        order.OffcutShare = static_cast<double>(offcuts) / static_cast<double>(cut);
    }
}

// Hands each piece cut the mark of the next item of its length not yet served.
class MarkQueue {
public:
    explicit MarkQueue(const std::vector<MarkedPieces>& marks) {
        for (const MarkedPieces& pieces : marks) {
            m_byLength[pieces.Length].push_back(pieces);
        }
    }
    std::vector<std::vector<std::string>> MarksOf(const std::vector<Bar>& bars) {
        std::vector<std::vector<std::string>> marks;
        for (const Bar& bar : bars) {
            marks.emplace_back();
            for (Units cut : bar.Cuts) {
                marks.back().push_back(Next(cut));
            }
        }
        return marks;
    }

private:
    std::string Next(Units length) {
        std::vector<MarkedPieces>& queue = m_byLength[length];
        std::size_t& at = m_next[length];
        while (at < queue.size() && queue[at].Count == 0) {
            ++at;
        }
        if (at == queue.size()) {
            return {};
        }
        --queue[at].Count;
        return queue[at].Mark;
    }

    std::map<Units, std::vector<MarkedPieces>> m_byLength;
    std::map<Units, std::size_t> m_next;
};

GroupOrder PlanGroup(OrderGroup group, const OrderSettings& settings, PlanControl* control) {
    GroupOrder order{std::move(group), {}, {}, {}, {}, {}, {}, {}, 0, 0, 0, std::nullopt};
    order.Plan =
        PlanCuts({KindsOf(order.Group, settings), settings.Kerf.Length, order.Group.Pieces}, control);
    const auto bought = std::stable_partition(order.Plan.Bars.begin(), order.Plan.Bars.end(),
                                              [](const Bar& bar) { return bar.OnHand; });
    order.FromStock.assign(order.Plan.Bars.begin(), bought);
    order.Plan.Bars.erase(order.Plan.Bars.begin(), bought);
    for (const Demand& piece : order.Plan.Oversized) {
        order.Group.Unplanned.push_back({ToMillimetres(piece.Length), piece.Count, Unplannable::Longer});
    }
    if (!order.Group.Marks.empty()) {
        MarkQueue marks(order.Group.Marks);
        order.FromStockMarks = marks.MarksOf(order.FromStock);
        order.BarMarks = marks.MarksOf(order.Plan.Bars);
    }
    SplitOffcuts(order, settings);
    Weigh(order, settings);
    return order;
}

std::vector<GroupOrder> PlanGroups(std::span<const OrderItem> items, const OrderSettings& settings,
                                   PlanControl* control) {
    std::vector<GroupOrder> orders;
    std::vector<OrderGroup> groups = GroupOrderItems(items);
    for (OrderGroup& group : groups) {
        if (control != nullptr) {
            control->EnterGroup(orders.size(), groups.size());
        }
        orders.push_back(PlanGroup(std::move(group), settings, control));
    }
    return orders;
}

} // namespace

std::vector<Units> OrderSettings::StockUnits() const {
    std::vector<Units> units;
    for (const StockLength& stock : Stocks) {
        units.push_back(stock.Length.Length);
    }
    return units;
}

OrderSettings MillimetreSettings(std::span<const Units> stocks, Units kerf) {
    OrderSettings settings;
    for (Units stock : stocks) {
        settings.Stocks.push_back({Millimetres(stock), std::nullopt});
    }
    settings.Kerf = Millimetres(kerf);
    return settings;
}

std::int64_t BarsAboveLeast(const GroupOrder& order, Units stock) {
    const auto fewest = (order.Plan.LowerBound + stock - 1) / stock;
    return static_cast<std::int64_t>(order.Plan.Bars.size()) - fewest;
}

std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings) {
    return PlanGroups(items, settings, nullptr);
}

std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings,
                                  PlanControl& control) {
    return PlanGroups(items, settings, &control);
}

OrderTotals TotalsOf(std::span<const GroupOrder> orders, const OrderSettings& settings) {
    OrderTotals totals;
    for (const StockLength& stock : settings.Stocks) {
        Purchase all{stock.Length.Length, 0, 0, 0, 0.0};
        for (const GroupOrder& order : orders) {
            for (const Purchase& purchase : order.Purchases) {
                if (purchase.Stock == all.Stock) {
                    all.Count += purchase.Count;
                    all.Length += purchase.Length;
                    all.Mass += purchase.Mass;
                    all.Cost =
                        purchase.Cost && all.Cost ? std::optional(*all.Cost + *purchase.Cost) : std::nullopt;
                }
            }
        }
        if (all.Count > 0 && std::none_of(totals.PerStock.begin(), totals.PerStock.end(),
                                          [&](const Purchase& p) { return p.Stock == all.Stock; })) {
            totals.PerStock.push_back(all);
        }
    }
    for (const GroupOrder& order : orders) {
        totals.Bars += static_cast<std::int64_t>(order.Plan.Bars.size());
        totals.Length += BoughtLength(order.Plan);
        totals.Mass += order.GrossMass;
        if (order.Cost) {
            totals.Cost = totals.Cost.value_or(0.0) + *order.Cost;
        } else if (!order.Plan.Bars.empty()) {
            ++totals.UnpricedGroups;
        }
    }
    return totals;
}

} // namespace volcalc::cutting
