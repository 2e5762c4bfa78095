// SPDX-License-Identifier: GPL-3.0-or-later
// The rack of stock through the command line: read, planned from, written in every form alike,
// and changed by programs running at once.
#include "cli_run.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace volcalc {
namespace {

using Outcome = test::CliOutcome;
using test::RunCli;

const char* const Header = "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n";

// Rods of 20 mm and 30 mm, some cut from the rack, with remnants and scrap.
void WriteOrder(const test::TempFolder& dir) {
    test::WriteBytes(dir / "parts.txt", "density 7850\n"
                                        "object Cylinder millimeter 4 20 2400\n"
                                        "object Cylinder millimeter 1 20 1150\n"
                                        "object Cylinder millimeter 3 30 5000\n");
    test::WriteBytes(dir / "rack.csv", "stock,Cylinder,millimeter,2,density 7850,20,3000\n"
                                       "stock,Cylinder,meter,1,density 7850,0.03,5.2\n");
}

std::string Lengths(const nlohmann::json& lengths, const char* separator) {
    std::string text;
    for (const auto& length : lengths) {
        text += (text.empty() ? "" : separator) + std::to_string(length.get<int>());
    }
    return text;
}

// The text and the CSV say of each group what the JSON says: the rack's bars it cuts, the bars
// bought, its bound, its remnants and scrap, and the purchase heading them.
TEST(StockRackProcess, TextCsvAndJsonSayTheSame) {
    test::TempFolder dir;
    WriteOrder(dir);
    const std::string order = "--ini " + (dir / "none.ini").string() +
                              " --order 6000 --kerf 3 --keep-offcuts 500 --stock " +
                              (dir / "rack.csv").string() + " " + (dir / "parts.txt").string();
    const Outcome text = RunCli(order, dir);
    const Outcome csv = RunCli("--csv " + order, dir);
    const Outcome json = RunCli("--json " + order, dir);
    ASSERT_EQ(text.status, 0) << text.err;
    ASSERT_EQ(csv.status, 0) << csv.err;
    ASSERT_EQ(json.status, 0) << json.err;
    const auto document = nlohmann::json::parse(json.out);
    ASSERT_EQ(document.at("order").size(), 2u);
    for (const auto& group : document.at("order")) {
        const std::string name = "Cylinder a=" + std::to_string(group.at("parameters")[0].get<int>());
        const std::string cell =
            "\"Cylinder\",\"a=" + std::to_string(group.at("parameters")[0].get<int>()) + "\"";
        const auto from = text.out.find(name + ", density 7850\n");
        ASSERT_NE(from, std::string::npos) << text.out;
        const std::string block = text.out.substr(from, text.out.find("\nCylinder", from + 1) - from);
        ASSERT_FALSE(group.at("from_stock").empty()) << name;
        const auto& racked = group.at("from_stock")[0];
        EXPECT_NE(block.find("  from stock " + std::to_string(group.at("from_stock").size()) + " × " +
                             std::to_string(racked.at("stock").get<int>()) + ": " +
                             Lengths(racked.at("cuts"), " + ") + ", offcut " +
                             std::to_string(racked.at("offcut").get<int>())),
                  std::string::npos)
            << name << "\n"
            << block;
        EXPECT_NE(csv.out.find("from_stock," + cell), std::string::npos) << csv.out;
        const bool optimal = group.at("proved_optimal").get<bool>();
        EXPECT_EQ(block.find("  proved optimal\n") != std::string::npos, optimal) << block;
        EXPECT_NE(csv.out.find(std::string(optimal ? ",true," : ",false,") + "\"" +
                               Lengths(group.at("remnants"), " + ") + "\",\"" +
                               Lengths(group.at("scrap"), " + ") + "\","),
                  std::string::npos)
            << csv.out;
        for (const auto& purchase : group.at("purchase")) {
            const std::string bought = std::to_string(purchase.at("count").get<int>()) + " × 6000 mm, " +
                                       std::to_string(purchase.at("length").get<int>() / 1000) + " m";
            EXPECT_NE(text.out.find("  " + name + ", density 7850: " + bought), std::string::npos)
                << text.out;
            EXPECT_NE(csv.out.find("purchase," + cell + ",\"density 7850\"," +
                                   std::to_string(purchase.at("count").get<int>()) + ",6000,,,"),
                      std::string::npos)
                << csv.out;
        }
    }
    const auto& total = document.at("purchase");
    EXPECT_NE(text.out.find("  total: " + std::to_string(total.at("bars").get<int>()) + " bars, " +
                            std::to_string(total.at("length").get<int>() / 1000) + " m, "),
              std::string::npos)
        << text.out;
    EXPECT_NE(csv.out.find("\r\ntotal,,,," + std::to_string(total.at("bars").get<int>()) + ",,,,"),
              std::string::npos)
        << csv.out;
}

// Programs cutting plans from one rack at once take turns: each takes its own bar and puts its own
// remnant, none of their changes is lost.
TEST(StockRackProcess, ProgramsChangingOneRackAtOnceLoseNothing) {
    test::TempFolder dir;
    test::WriteBytes(dir / "parts.txt", "density 7850\nobject Cylinder millimeter 1 20 5000\n");
    const std::string rack = (dir / "rack.csv").string();
    constexpr int Programs = 4;
    test::WriteBytes(rack, "stock,Cylinder,millimeter,4,density 7850,20,6000\n");
    std::string command;
    for (int i = 0; i < Programs; ++i) {
        command += std::string(VOLCALC_CLI) + " --ini " + (dir / "none.ini").string() +
                   " --order 6000 --keep-offcuts 500 --stock " + rack + " --update-stock " + rack + " " +
                   (dir / "parts.txt").string() + " >/dev/null 2>>" + (dir / "errors.txt").string() +
                   " || echo failed >>" + (dir / "errors.txt").string() + " &\n";
    }
    ASSERT_EQ(std::system((command + "wait\n").c_str()), 0);
    EXPECT_EQ(test::ReadBytes(dir / "errors.txt"), "");
    EXPECT_EQ(test::ReadBytes(rack),
              std::string(Header) + "stock,Cylinder,millimeter,4,density 7850,20,1000\n");
}

// A damaged rack plans nothing and changes nothing; an order the rack and the limits cannot cover
// is refused, naming its group, and leaves the rack as it was.
TEST(StockRackProcess, DamagedRacksAndUncoveredOrdersChangeNothing) {
    test::TempFolder dir;
    WriteOrder(dir);
    const std::string rack = (dir / "rack.csv").string();
    const std::string kept = test::ReadBytes(rack);
    const std::string order = "--ini " + (dir / "none.ini").string() + " --stock " + rack +
                              " --update-stock " + rack + " " + (dir / "parts.txt").string();
    const Outcome limited = RunCli("--order 6000:1 " + order, dir);
    EXPECT_EQ(limited.status, 1);
    EXPECT_NE(
        limited.err.find("volcalc-cli: order: Cylinder a=30, density 7850: 1 piece of 5000 mm cannot be "
                         "covered by the stock limits and the rack\n"),
        std::string::npos)
        << limited.err;
    EXPECT_NE(limited.err.find("the rack " + rack + " is not changed"), std::string::npos) << limited.err;
    EXPECT_EQ(test::ReadBytes(rack), kept);

    test::WriteBytes(rack, kept + "stock,Cylinder,millimeter,1,density 7850,20,-5\n");
    const Outcome damaged = RunCli("--order 6000 " + order, dir);
    EXPECT_EQ(damaged.status, 2);
    EXPECT_EQ(damaged.out, "");
    EXPECT_EQ(damaged.err.rfind("volcalc-cli: " + rack + ": line 3, column p2: ", 0), 0u) << damaged.err;
    EXPECT_EQ(test::ReadBytes(rack), kept + "stock,Cylinder,millimeter,1,density 7850,20,-5\n");
}

} // namespace
} // namespace volcalc
