// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogues laid out as the program writes them are read and changed as text; everything else
// goes the general way. Both must come to the same list and the same file.
#include "materials/plain_catalogue_check.h"

#include <gtest/gtest.h>

namespace volcalc {
namespace {

std::string Catalogue(std::string_view names, std::string_view densities, std::string_view count = "3") {
    return "[Count]\nCount=" + std::string(count) + "\n[Material]\n" + std::string(names) + "[Density]\n" +
           std::string(densities);
}

const std::string Names = "0=Steel\n1=Aluminium\n2=Copper\n";
const std::string Densities = "0=7850\n1=2700\n2=8960\n";

struct Layout {
    const char* what;
    std::string text;
    bool plain;
};

TEST(PlainCatalogueTest, AgreesWithTheGeneralReading) {
    const std::string prices = "[Price]\n0=12.5\n2=3\n[Currency]\nCurrency=EUR\n";
    std::string crlf = Catalogue(Names, Densities) + prices;
    for (std::size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2) {
        crlf.insert(at, "\r");
    }
    const std::string longName(2100, 'x');
    std::string manyNames;
    std::string manyDensities;
    std::string manyPrices = "[Price]\n";
    for (int i = 0; i < 1005; ++i) {
        manyNames += std::to_string(i) + "=Material " + std::to_string(i) + "\n";
        manyDensities += std::to_string(i) + "=" + std::to_string(1000 + i) + "\n";
        manyPrices += i % 7 == 3 || i == 10 || i == 100 || i == 1000 ? std::to_string(i) + "=1.5\n" : "";
    }
    const std::vector<Layout> layouts = {
        {"as written", Catalogue(Names, Densities), true},
        {"CRLF", crlf, true},
        {"empty", Catalogue("", "", "0"), true},
        {"ten and more entries",
         Catalogue("0=a\n1=b\n2=c\n3=d\n4=e\n5=f\n6=g\n7=h\n8=i\n9=j\n10=k\n11=l\n",
                   "0=1\n1=2\n2=3\n3=4\n4=5\n5=6\n6=7\n7=8\n8=9\n9=0\n10=11\n11=2147483647\n", "12"),
         true},
        {"keys of every length up to four digits", Catalogue(manyNames, manyDensities, "1005"), true},
        {"prices at keys of every length", Catalogue(manyNames, manyDensities, "1005") + manyPrices, true},
        {"prices and a currency", Catalogue(Names, Densities) + prices, true},
        {"the currency before the prices, blanks around it",
         Catalogue(Names, Densities) + "[Currency]\nCurrency= EUR \n[Price]\n1=0.1\n", true},
        {"prices as the general reading reads them",
         Catalogue(Names, Densities) + "[Price]\n0=1e3\n1= 7.25\n2=-1\n", true},
        {"prices of many digits, beyond the largest, or with a point at an end",
         Catalogue("0=a\n1=b\n2=c\n3=d\n4=e\n5=f\n", "0=1\n1=1\n2=1\n3=1\n4=1\n5=1\n", "6") +
             "[Price]\n0=0.1000000000000001\n1=123456789012.5\n2=1000000000000.5\n3=5.\n4=.5\n5=007\n",
         true},
        {"empty price and currency sections", Catalogue(Names, Densities) + "[Price]\n[Currency]\n", true},
        {"prices set out of order",
         Catalogue(manyNames, manyDensities, "1005") +
             "[Price]\n1000=1\n3=2\n100=3\n10=4\n502=5\n0=6\n1004=7\n",
         true},
        {"a price key twice", Catalogue(Names, Densities) + "[Price]\n0=1\n0=2\n", false},
        {"a price key at Count", Catalogue(Names, Densities) + "[Price]\n3=1\n", false},
        {"a price key at Count after the last", Catalogue(Names, Densities) + "[Price]\n2=1\n3=1\n", false},
        {"a price key twice, out of order", Catalogue(Names, Densities) + "[Price]\n1=1\n0=1\n1=2\n", false},
        {"a price key with a leading zero", Catalogue(Names, Densities) + "[Price]\n01=1\n", false},
        {"two price sections", Catalogue(Names, Densities) + "[Price]\n0=1\n[Price]\n1=1\n", false},
        {"another key among the currency", Catalogue(Names, Densities) + "[Currency]\nCode=EUR\n", false},
        {"a price header in other letters", Catalogue(Names, Densities) + "[price]\n0=1\n", false},
        {"prices before the densities",
         "[Count]\nCount=3\n[Material]\n" + Names + "[Price]\n0=1\n[Density]\n" + Densities, false},
        {"quoted and blank names", Catalogue("0=\"Steel\"\n1= Aluminium\n2=\n", Densities), true},
        {"names beyond the longest read", Catalogue("0=" + longName + "\n1=\xC3\xA4\n2=' '\n", Densities),
         true},
        {"densities spelled otherwise", Catalogue(Names, "0=0x10\n1= 7\n2=abc\n"), true},
        {"densities beyond 32 bits and below zero", Catalogue(Names, "0=2147483648\n1=-5\n2=007\n"), true},
        {"comments and stray lines on top",
         "; materials\n\n  # kg/m3\nCount=9\n" + Catalogue(Names, Densities), true},
        {"a comment among the entries", Catalogue(Names + "; more to come\n", Densities), false},
        {"a section on top", "[Notes]\n" + Catalogue(Names, Densities), false},
        {"a blank line", Catalogue(Names + "\n", Densities), false},
        {"keys out of order", Catalogue("0=Steel\n2=Copper\n1=Aluminium\n", Densities), false},
        {"a key with blanks", Catalogue("0=Steel\n1 =Aluminium\n2=Copper\n", Densities), false},
        {"fewer entries than Count", Catalogue(Names, Densities, "4"), false},
        {"more entries than Count", Catalogue(Names, Densities, "2"), false},
        {"Count spelled otherwise", Catalogue(Names, Densities, "03"), false},
        {"a header in other letters", "[count]\nCount=3\n[Material]\n" + Names + "[Density]\n" + Densities,
         false},
        {"no line end at the end", Catalogue(Names, "0=7850\n1=2700\n2=8960"), false},
        {"a carriage return before one line feed", Catalogue("0=Steel\r\n1=Aluminium\n2=Copper\n", Densities),
         false},
        {"a section after", Catalogue(Names, Densities) + "[Other]\n", false},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        EXPECT_EQ(PlainCatalogue::Read(std::make_shared<const std::string>(layout.text)).has_value(),
                  layout.plain);
        EXPECT_EQ(testing::PlainDisagreement(layout.text), "");
    }
}

} // namespace
} // namespace volcalc
