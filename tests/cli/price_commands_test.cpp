// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/temp_folder.h"
#include "session_runner.h"

#include <gtest/gtest.h>

namespace volcalc {
namespace {

using testing_support::RunScriptText;

// Prices set from a script are saved with their materials, priced rows cost their mass times the
// price, and a refused price or currency fails its line, with no control character echoed raw, and
// leaves the file as it was: a currency that is not UTF-8 would turn the file into another code page.
TEST(PriceCommands, SetSaveListCostAndRefuse) {
    test::TempFolder dir;
    const auto ini = dir / "volcalc.ini";
    test::WriteBytes(ini, "[Count]\nCount=3\n[Material]\n0=Steel\n1=Oak\n2=Brass\n[Density]\n0=7850\n1=700\n"
                          "2=8500\n");
    cli::ScriptOptions options;
    options.catalogue = ini;
    options.report = cli::ReportFormat::Csv;
    const auto r = RunScriptText("price Steel 1,5\n"
                                 "price Oak 2\n"
                                 "price Oak\n"        // cleared again
                                 "price Brass -1\n"   // refused
                                 "price Copper 1\n"   // no such material
                                 "currency \"E R\"\n" // refused
                                 "currency EUR\n"
                                 "price Brass \x1B[2J\n" // refused
                                 "currency \x07\n"       // refused
                                 "currency K\xE8\n"      // refused
                                 "materials\n"
                                 "object Parallelepiped meter 1 1 1 0.01\n"    // 78.5 kg of steel
                                 "aperture Parallelepiped meter 1 1 1 0.001\n" // takes mass, not cost
                                 "material Oak\n"
                                 "object Parallelepiped meter 1 1 1 1\n" // no price
                                 "density 100\n"
                                 "object Parallelepiped meter 1 1 1 1\n", // typed: no price
                                 options);
    EXPECT_EQ(r.err, "line 4: A price cannot be negative: '-1'\n"
                     "line 5: no material named \"Copper\"\n"
                     "line 6: 'E R' is not a valid currency code.\n"
                     "line 8: '\\x1B[2J' is not a valid price.\n"
                     "line 9: '\\x07' is not a valid currency code.\n"
                     "line 10: Error at saving the prices\nThe currency code is not UTF-8 text.\n");
    const std::string materials = "Steel\t7850\t1.5\nOak\t700\nBrass\t8500\n";
    ASSERT_EQ(r.out.substr(0, materials.size()), materials);
    const std::string rows[] = {
        ",\"Steel\",7850,0.01,0.01,78.5,78.5,1.5,117.75,2.04,2.04\r\n",
        "\"Steel\",7850,-0.001,-0.001,-7.8500000000000005,-7.8500000000000005,1.5,0,,\r\n",
        ",\"Oak\",700,1,1,700,700,,,6,6\r\n",
        ",\"density 100\",100,1,1,100,100,,,6,6\r\n",
        ",aperture total,,,,,,,,,,,,-0.001,,-7.8500000000000005,,0,,\r\n",
        ",total,,,,,,,,,,,,2.009,,870.65,,117.75,,14.04\r\n",
    };
    for (const std::string& row : rows) {
        EXPECT_NE(r.out.find(row), std::string::npos) << row << r.out;
    }
    EXPECT_EQ(test::ReadBytes(ini),
              "[Count]\nCount=3\n[Material]\n0=Steel\n1=Oak\n2=Brass\n[Density]\n0=7850\n"
              "1=700\n2=8500\n[Price]\n0=1.5\n[Currency]\nCurrency=EUR\n");
}

} // namespace
} // namespace volcalc
