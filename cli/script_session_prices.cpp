// SPDX-License-Identifier: GPL-3.0-or-later
// Prices per kilogram and the currency, kept in the catalogue.
#include "calc/price.h"
#include "script_session.h"

namespace volcalc::cli {

void ScriptSession::SetPrice(const Words& words) {
    ExpectWords(words, 2, 3, "price NAME [VALUE]");
    const auto position = static_cast<std::size_t>(FindMaterial(words[1]));
    std::optional<double> price;
    if (words.size() == 3) {
        price = PriceFromText(words[2]); // a refusal is the line's failure, with its message
    }
    // The material picked takes its new price with its next calculation, as the ledger asks anew.
    m_catalogue->SetPrices({{position, price}}, std::nullopt);
}

void ScriptSession::SetCurrency(const Words& words) {
    ExpectWords(words, 1, 2, "currency [CODE]");
    MaterialCatalogue& catalogue = Catalogue();
    const std::string currency = words.size() == 2 ? CurrencyFromText(words[1]) : std::string();
    catalogue.SetPrices({}, currency);
}

ReportPrices ScriptSession::Prices() const {
    return {m_catalogue ? m_catalogue->Prices().Currency() : std::string(), false};
}

ReportPrices ScriptSession::RowByRowPrices() const {
    ReportPrices prices = Prices();
    prices.InText = m_catalogue && m_catalogue->Prices().Any();
    return prices;
}

} // namespace volcalc::cli
