// SPDX-License-Identifier: GPL-3.0-or-later
#include "purchase_text.h"

#include "calc/number_text.h"
#include "calc/price.h"
#include "order_text.h"

#include <algorithm>

namespace volcalc::cutting {

namespace {

std::string MassText(double kilograms, MassUnit massUnit) {
    return FormatResult(MassForDisplay(kilograms, massUnit)) + " " + std::string(NameOf(massUnit));
}

std::string CostText(const std::optional<double>& cost, std::string_view currency) {
    if (!cost) {
        return {};
    }
    return ", cost " + FormatCost(*cost) + (currency.empty() ? "" : " ") + std::string(currency);
}

std::string PurchaseLine(const Purchase& purchase, const OrderSettings& settings, MassUnit massUnit,
                         std::string_view currency, char separator) {
    return std::to_string(purchase.Count) + " × " + StockText(purchase.Stock, settings, separator) + ", " +
           MetresText(purchase.Length, separator) + " m, " + MassText(purchase.Mass, massUnit) +
           CostText(purchase.Cost, currency);
}

// "2 × 1200, 800 mm": equal lengths, which come together, once with their count.
std::string LengthsText(const std::vector<Units>& lengths, char separator) {
    std::string text;
    for (std::size_t i = 0; i < lengths.size();) {
        std::size_t j = i;
        while (j < lengths.size() && lengths[j] == lengths[i]) {
            ++j;
        }
        text += (text.empty() ? "" : ", ") + (j - i > 1 ? std::to_string(j - i) + " × " : std::string()) +
                LengthText(lengths[i], separator);
        i = j;
    }
    return text + " mm";
}

} // namespace

std::string MetresText(Units length, char separator) {
    constexpr Units PerMetre = 1000 * UnitsPerMillimetre;
    std::string text = std::to_string(length / PerMetre);
    if (const Units fraction = length % PerMetre; fraction != 0) {
        std::string digits = std::to_string(PerMetre + fraction).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += separator + digits;
    }
    return text;
}

std::string StockText(Units stock, const OrderSettings& settings, char separator) {
    const auto typed = std::find_if(settings.Stocks.begin(), settings.Stocks.end(),
                                    [&](const StockLength& s) { return s.Length.Length == stock; });
    if (typed == settings.Stocks.end()) {
        return LengthText(stock, separator) + " mm";
    }
    return TypedLengthText(typed->Length, separator);
}

namespace {

std::string DistanceText(const GroupOrder& order, const OrderSettings& settings, char separator) {
    if (order.Plan.ProvedOptimal) {
        return "proved optimal";
    }
    if (settings.Stocks.size() == 1) {
        const std::int64_t above = BarsAboveLeast(order, settings.Stocks.front().Length.Length);
        return "at most " + std::to_string(above) + (above == 1 ? " bar" : " bars") +
               " above the least possible";
    }
    return "at most " + LengthText(BoughtLength(order.Plan) - order.Plan.LowerBound, separator) +
           " mm above the least possible";
}

} // namespace

Units LowerBoundFigure(const GroupOrder& order, const OrderSettings& settings) {
    if (settings.Stocks.size() == 1) {
        const Units stock = settings.Stocks.front().Length.Length;
        return (order.Plan.LowerBound + stock - 1) / stock;
    }
    return order.Plan.LowerBound;
}

std::string BoundText(const GroupOrder& order, const OrderSettings& settings, char separator) {
    const std::string stopped = order.Plan.Cancelled      ? ", cancelled"
                                : order.Plan.StoppedEarly ? ", stopped early"
                                                          : "";
    return DistanceText(order, settings, separator) + stopped;
}

std::string PurchaseText(std::span<const GroupOrder> orders, const OrderSettings& settings, MassUnit massUnit,
                         std::string_view currency) {
    const char separator = DecimalSeparator();
    std::string text = "purchase:\n";
    for (const GroupOrder& order : orders) {
        for (const Purchase& purchase : order.Purchases) {
            text += "  " + GroupText(order.Group, separator) + ": " +
                    PurchaseLine(purchase, settings, massUnit, currency, separator) + "\n";
        }
    }
    const OrderTotals totals = TotalsOf(orders, settings);
    for (const Purchase& purchase : totals.PerStock) {
        text += "  all groups: " + PurchaseLine(purchase, settings, massUnit, currency, separator) + "\n";
    }
    text += "  total: " + std::to_string(totals.Bars) + (totals.Bars == 1 ? " bar, " : " bars, ") +
            MetresText(totals.Length, separator) + " m, " + MassText(totals.Mass, massUnit) +
            CostText(totals.Cost, currency);
    if (totals.UnpricedGroups > 0) {
        text += ", " + std::to_string(totals.UnpricedGroups) +
                (totals.UnpricedGroups == 1 ? " group" : " groups") + " without a price";
    }
    return text + "\n";
}

std::string OffcutsText(const GroupOrder& order, char separator) {
    if (order.Remnants.empty() && order.Scrap.empty()) {
        return {};
    }
    std::string text = "  ";
    if (!order.Remnants.empty()) {
        text += "remnants to keep " + LengthsText(order.Remnants, separator);
    }
    if (!order.Scrap.empty()) {
        text +=
            std::string(order.Remnants.empty() ? "" : "; ") + "scrap " + LengthsText(order.Scrap, separator);
    }
    return text + "\n";
}

} // namespace volcalc::cutting
