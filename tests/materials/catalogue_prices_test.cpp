// SPDX-License-Identifier: GPL-3.0-or-later
// Prices stay with their materials through every change, on files read as text and the general way.
#include "materials/catalogue_store.h"
#include "materials/ini_file.h"
#include "materials/plain_catalogue.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace volcalc {
namespace {

using Priced = std::pair<std::string, std::optional<double>>;

// One change to the catalogue, and what the file then lists: name and price of each material.
struct PriceStep {
    const char* What;
    enum { Add, Remove, SetPrice } Kind;
    std::string Name;
    std::optional<double> Price;
    std::optional<std::string> Currency;
    std::vector<Priced> Expected;
};

std::vector<Priced> Listed(const MaterialList& list) {
    std::vector<Priced> listed;
    for (const MaterialView material : list) {
        listed.emplace_back(std::string(material.Name), material.Price);
    }
    return listed;
}

std::size_t PositionOf(const MaterialList& list, const std::string& name) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].Name == name) {
            return i;
        }
    }
    ADD_FAILURE() << name << " is not listed";
    return 0;
}

const std::vector<PriceStep> Steps = {
    {"a removal before any price",
     PriceStep::Remove,
     "Lead",
     std::nullopt,
     std::nullopt,
     {{"Steel", {}}, {"Brass", {}}, {"Copper", {}}, {"Oak", {}}}},
    {"a price",
     PriceStep::SetPrice,
     "Brass",
     6.5,
     std::nullopt,
     {{"Steel", {}}, {"Brass", 6.5}, {"Copper", {}}, {"Oak", {}}}},
    {"another, with the currency",
     PriceStep::SetPrice,
     "Oak",
     0.75,
     "EUR",
     {{"Steel", {}}, {"Brass", 6.5}, {"Copper", {}}, {"Oak", 0.75}}},
    {"an addition has no price",
     PriceStep::Add,
     "Pine",
     std::nullopt,
     std::nullopt,
     {{"Steel", {}}, {"Brass", 6.5}, {"Copper", {}}, {"Oak", 0.75}, {"Pine", {}}}},
    {"removing the first moves every price down",
     PriceStep::Remove,
     "Steel",
     std::nullopt,
     std::nullopt,
     {{"Brass", 6.5}, {"Copper", {}}, {"Oak", 0.75}, {"Pine", {}}}},
    {"removing one without a price keeps the gap where it belongs",
     PriceStep::Remove,
     "Copper",
     std::nullopt,
     std::nullopt,
     {{"Brass", 6.5}, {"Oak", 0.75}, {"Pine", {}}}},
    {"a price on the last",
     PriceStep::SetPrice,
     "Pine",
     1e-3,
     std::nullopt,
     {{"Brass", 6.5}, {"Oak", 0.75}, {"Pine", 1e-3}}},
    {"a price cleared",
     PriceStep::SetPrice,
     "Brass",
     std::nullopt,
     std::nullopt,
     {{"Brass", {}}, {"Oak", 0.75}, {"Pine", 1e-3}}},
    {"an addition after a price",
     PriceStep::Add,
     "Zinc",
     std::nullopt,
     std::nullopt,
     {{"Brass", {}}, {"Oak", 0.75}, {"Pine", 1e-3}, {"Zinc", {}}}},
    {"removing a priced one in the middle",
     PriceStep::Remove,
     "Oak",
     std::nullopt,
     std::nullopt,
     {{"Brass", {}}, {"Pine", 1e-3}, {"Zinc", {}}}},
    {"the currency cleared",
     PriceStep::SetPrice,
     "Zinc",
     2.0,
     "",
     {{"Brass", {}}, {"Pine", 1e-3}, {"Zinc", 2.0}}},
    {"removing the last priced one before another",
     PriceStep::Remove,
     "Pine",
     std::nullopt,
     std::nullopt,
     {{"Brass", {}}, {"Zinc", 2.0}}},
};

// The same changes on a file laid out as the program writes it, read as text throughout, prices and
// all, and on one with a comment among its entries, read the general way throughout. After each,
// the file read afresh lists what the change gave back.
TEST(CataloguePrices, EveryChangeKeepsEachPriceWithItsMaterial) {
    const std::string names = "0=Steel\n1=Lead\n2=Brass\n3=Copper\n4=Oak\n";
    const std::string densities = "[Density]\n0=7850\n1=11340\n2=8500\n3=8960\n4=700\n";
    const std::pair<const char*, std::string> layouts[] = {
        {"plain", "[Count]\nCount=5\n[Material]\n" + names + densities},
        {"general", "[Count]\nCount=5\n[Material]\n" + names + "; woods last\n" + densities},
    };
    for (const auto& [layout, text] : layouts) {
        const test::TempFolder folder;
        test::WriteBytes(folder / "volcalc.ini", text);
        CatalogueStore store(folder / "volcalc.ini");
        const auto readAsText = [&] {
            return PlainCatalogue::Read(IniFile(folder / "volcalc.ini").SharedText()).has_value();
        };
        std::string currency;
        for (const PriceStep& step : Steps) {
            SCOPED_TRACE(std::string(layout) + ": " + step.What);
            const MaterialList before = store.Load().List;
            const std::size_t position = step.Kind == PriceStep::Add ? 0 : PositionOf(before, step.Name);
            CatalogueStore::Change change;
            switch (step.Kind) {
            case PriceStep::Add:
                change = store.Add({step.Name, 1000});
                break;
            case PriceStep::Remove:
                change = store.Remove(position, before[position]);
                break;
            case PriceStep::SetPrice: {
                Material priced = before[position].Owned();
                priced.Price = step.Price;
                change = store.SetPrices({{position, priced}}, step.Currency);
                break;
            }
            }
            ASSERT_TRUE(change.Done) << change.Detail;
            EXPECT_EQ(readAsText(), std::string_view(layout) == "plain");
            ASSERT_TRUE(change.After);
            EXPECT_EQ(Listed(*change.After), step.Expected);
            const CatalogueStore::Snapshot after = store.Load();
            EXPECT_EQ(Listed(after.List), step.Expected);
            EXPECT_EQ(after.Damage, "");
            currency = step.Currency.value_or(currency);
            EXPECT_EQ(change.CurrencyAfter, currency);
            EXPECT_EQ(after.Currency, currency);
        }
    }
}

// Prices obey the rules of every change: a price beyond "Count" is damage, and nothing is written.
TEST(CataloguePrices, APriceBeyondCountIsDamage) {
    const test::TempFolder folder;
    const std::string text = "[Count]\nCount=1\n[Material]\n0=Steel\n[Density]\n0=7850\n[Price]\n1=3\n";
    test::WriteBytes(folder / "volcalc.ini", text);
    CatalogueStore store(folder / "volcalc.ini");
    EXPECT_NE(store.Load().Damage.find("[Price] holds entry 1"), std::string::npos);
    EXPECT_FALSE(store.SetPrices({{0, {"Steel", 7850, 2.0}}}, std::nullopt).Done);
    EXPECT_FALSE(store.Add({"Lead", 11340}).Done);
    EXPECT_EQ(IniFile(folder / "volcalc.ini").Text(), text);
}

} // namespace
} // namespace volcalc
