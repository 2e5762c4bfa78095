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
    std::string crlf = Catalogue(Names, Densities);
    for (std::size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2) {
        crlf.insert(at, "\r");
    }
    const std::string longName(2100, 'x');
    std::string manyNames;
    std::string manyDensities;
    for (int i = 0; i < 1005; ++i) {
        manyNames += std::to_string(i) + "=Material " + std::to_string(i) + "\n";
        manyDensities += std::to_string(i) + "=" + std::to_string(1000 + i) + "\n";
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
