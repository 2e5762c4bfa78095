// SPDX-License-Identifier: GPL-3.0-or-later
// Prices per kilogram and the currency, kept in the catalogue.
#include "calc/price.h"
#include "script_line_error.h"
#include "script_session.h"

namespace volcalc::cli {
namespace {

// What was typed reaches the terminal only as Echo shows it, never a control character raw.
template <typename Read> auto Echoing(Read read) {
    try {
        return read();
    } catch (const PriceError& e) {
        throw PriceError(EchoedMessage(e.what(), e.Text), e.Text);
    }
}

} // namespace

void ScriptSession::SetPrice(const Words& words) {
    ExpectWords(words, 2, 3, "price NAME [VALUE]");
    const auto position = static_cast<std::size_t>(FindMaterial(words[1]));
    Material material = m_catalogue->Materials()[position].Owned();
    material.Price = std::nullopt;
    if (words.size() == 3) {
        material.Price = Echoing([&] { return PriceFromText(words[2]); }); // a refusal fails the line
    }
    // The material picked takes its new price with its next calculation, as the ledger asks anew.
    m_catalogue->SetPrices({{position, std::move(material)}}, std::nullopt);
}

void ScriptSession::SetCurrency(const Words& words) {
    ExpectWords(words, 1, 2, "currency [CODE]");
    MaterialCatalogue& catalogue = Catalogue();
    const std::string currency =
        words.size() == 2 ? Echoing([&] { return CurrencyFromText(words[1]); }) : std::string();
    catalogue.SetPrices({}, currency);
}

ReportPrices ScriptSession::Prices() const {
    return {m_catalogue ? m_catalogue->Currency() : std::string(), false};
}

ReportPrices ScriptSession::RowByRowPrices() const {
    ReportPrices prices = Prices();
    prices.InText = m_catalogue && m_catalogue->Materials().AnyPriced();
    return prices;
}

} // namespace volcalc::cli
