// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/list_rows.h"

#include <gtest/gtest.h>

#include <sstream>

namespace volcalc::jobs {
namespace {

// Keeps what the reader handed over.
class Rows : public ListRowTarget {
public:
    bool Begin(std::size_t) override { return true; }
    void Take(const ListRow& row) override {
        Taken.push_back(std::string(row.Words.Group) + " " + std::string(row.Material) + " " +
                        std::to_string(row.Density.value_or(0)) + " " +
                        std::to_string(row.Calculation.Read.Input.Quantity));
    }
    void Refuse(const std::string& place, const std::string& message) override {
        Refused.push_back(place + ": " + message);
    }
    std::vector<std::string> Taken;
    std::vector<std::string> Refused;
};

// A rack of stock is a list whose rows are all of the one group, read as objects.
TEST(ListRows, OnlyGroupAcceptsItsOwnRowsAndRefusesOthers) {
    std::istringstream in("group,shape,unit,quantity,material,p1\n"
                          "stock,Cylinder,millimeter,2,S235,20,6000\n"
                          "object,Cylinder,millimeter,1,,20,100\n"
                          "stock,Cylinder,millimeter,3,density 7850,20\n");
    Rows rows;
    EXPECT_FALSE(ReadListRows(in, {nullptr, false, "stock"}, rows));
    ASSERT_EQ(rows.Taken.size(), 1u);
    EXPECT_EQ(rows.Taken[0], "stock S235 0 2");
    ASSERT_EQ(rows.Refused.size(), 2u);
    EXPECT_EQ(rows.Refused[0], "line 3, column group: expected stock, found \"object\"");
    EXPECT_EQ(rows.Refused[1].substr(0, 22), "line 4, column p2: \"Cy");
}

} // namespace
} // namespace volcalc::jobs
