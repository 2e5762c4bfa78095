// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/rack_update.h"
#include "jobs/stock_rack.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>

#include "materials/catalogue_lock.h"

#include <csignal>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace volcalc::jobs {
namespace {

// A rack row that does not read is named with the file, the line and the reason; a rack with
// one is not to be planned from, however many others read.
TEST(StockRack, EachDamagedRowIsNamedWithItsFileLineAndReason) {
    const struct {
        const char* name;
        const char* row;
        const char* problem; // after "rack.csv: "; empty when the row reads
    } cases[] = {
        {"a rod of 2 m", "stock,Cylinder,meter,2,S235,0.02,2", ""},
        {"a rod by its density", "stock,Cylinder,millimeter,1,density 7850,20,3000", ""},
        {"another group", "object,Cylinder,millimeter,1,S235,20,3000",
         "line 2, column group: expected stock, found \"object\""},
        {"no material", "stock,Cylinder,millimeter,1,,20,3000",
         "line 2, column material: a rack row names the material of its bars"},
        {"a shape not cut from bars", "stock,Sphere,millimeter,1,S235,100",
         "line 2, column shape: \"Sphere\" is not cut from bars"},
        {"an unknown shape", "stock,Bar of gold,millimeter,1,S235,100", "line 2, column shape: "},
        {"a length that is no number", "stock,Cylinder,millimeter,1,S235,20,long", "line 2, column p2: "},
        {"a count read otherwise than typed", "stock,Cylinder,millimeter,4x,S235,20,3000",
         "line 2, column quantity: "},
        {"a length beyond the planner", "stock,Cylinder,meter,1,S235,0.02,100001",
         "line 2, column p2: the bar's length must be from 0.001 to 100000000 mm"},
        {"a negative cross-section", "stock,Cylinder,millimeter,1,S235,-20,3000",
         "line 2, column p1: the cross-section must be from 0 to 100000000 mm"},
        {"too many columns", "stock,Cylinder,millimeter,1,S235,1,2,3,4,5,6", "line 2: expected "},
        {"a broken quote", "stock,\"Cylinder,millimeter,1,S235,20,3000",
         "line 2, column shape: malformed CSV"},
    };
    for (const auto& c : cases) {
        std::istringstream in(std::string("group,shape,unit,quantity,material,p1,p2\n") + c.row + "\n");
        const RackReading reading = ReadRack(in, "rack.csv", nullptr);
        if (*c.problem == '\0') {
            EXPECT_TRUE(reading.Problems.empty()) << c.name << ": " << reading.Problems.front();
            EXPECT_EQ(reading.Rack.Rows.size(), 1u) << c.name;
            continue;
        }
        ASSERT_EQ(reading.Problems.size(), 1u) << c.name;
        EXPECT_EQ(reading.Problems[0].rfind(std::string("rack.csv: ") + c.problem, 0), 0u)
            << c.name << ": " << reading.Problems[0];
    }
}

cutting::RackBars Rod(cutting::Units length, std::int64_t count) {
    return {"Cylinder", {20}, "S235", length, count};
}

// The rack's bars that a plan cuts leave it and its remnants join it, rows that are used up go,
// rows kept are written as typed; a bar no longer there refuses the whole change.
TEST(StockRack, ChangeTakesTheBarsCutAndPutsTheRemnants) {
    std::istringstream in("stock,Cylinder,meter,2,S235,0.02,3\n"
                          "stock,Cylinder,millimeter,1,S235,20,1200\n"
                          "stock,Cylinder,millimeter,1,S235,30,1200\n");
    StockRack rack = ReadRack(in, "rack.csv", nullptr).Rack;
    StockRack before = rack;
    EXPECT_EQ(
        ApplyChange(rack, {{Rod(3000000, 1), Rod(1200000, 1)}, {Rod(1200000, 1), Rod(450500, 2)}}, nullptr),
        "");
    EXPECT_EQ(RackText(rack), "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n"
                              "stock,Cylinder,meter,1,S235,0.02,3\n"
                              "stock,Cylinder,millimeter,1,S235,30,1200\n"
                              "stock,Cylinder,millimeter,1,S235,20,1200\n"
                              "stock,Cylinder,millimeter,2,S235,20,450.5\n");
    EXPECT_EQ(ApplyChange(before, {{Rod(3000000, 3)}, {}}, nullptr),
              "the rack no longer holds 1 × Cylinder a=20, S235 of 3000 mm that the plan cuts: it changed "
              "since it was read");
}

// A writer that stops at one step: the rack's file is left as it was.
class StoppingWriter : public PosixFileWriter {
public:
    bool Commit() override { return false; }
};

TEST(StockRack, UpdateOfTheFileIsAllOrNothing) {
    test::TempFolder dir;
    const auto file = dir / "rack.csv";
    const std::string text = "stock,Cylinder,millimeter,2,S235,20,3000\n";
    test::WriteBytes(file, text);
    StoppingWriter stopping;
    const RackChange change{{Rod(3000000, 1)}, {Rod(500000, 1)}};
    const RackUpdate refused = UpdateRackFile(file, change, nullptr, stopping);
    EXPECT_FALSE(refused.Done);
    EXPECT_EQ(test::ReadBytes(file), text);
    PosixFileWriter writer;
    EXPECT_TRUE(UpdateRackFile(file, change, nullptr, writer).Done);
    EXPECT_EQ(test::ReadBytes(file), "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n"
                                     "stock,Cylinder,millimeter,1,S235,20,3000\n"
                                     "stock,Cylinder,millimeter,1,S235,20,500\n");
    // A rack not there yet starts empty: the remnants make it.
    PosixFileWriter fresh;
    EXPECT_TRUE(UpdateRackFile(dir / "new.csv", {{}, {Rod(500000, 1)}}, nullptr, fresh).Done);
    EXPECT_EQ(test::ReadBytes(dir / "new.csv"), "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n"
                                                "stock,Cylinder,millimeter,1,S235,20,500\n");
}

// Killed after the new rack is written beside the old one and before it is renamed over it.
class KilledWriter : public PosixFileWriter {
public:
    bool Sync() override {
        std::raise(SIGKILL);
        return false;
    }
};

// A program killed half-way leaves the old rack whole, and the next change clears what it left;
// a change waits for another program's and is refused, with a message, when it waited too long.
TEST(StockRack, KilledAndConcurrentChangesLoseNothing) {
    test::TempFolder dir;
    const auto file = dir / "rack.csv";
    const std::string text = "stock,Cylinder,millimeter,2,S235,20,3000\n";
    test::WriteBytes(file, text);
    const RackChange change{{Rod(3000000, 1)}, {}};
    const pid_t child = fork();
    if (child == 0) {
        KilledWriter killed;
        UpdateRackFile(file, change, nullptr, killed);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(test::ReadBytes(file), text);
    EXPECT_GT(dir.Entries().size(), 2u); // the rack, its lock and the new file left behind
    {
        const CatalogueLock held(file);
        PosixFileWriter waiting;
        const RackUpdate refused =
            UpdateRackFile(file, change, nullptr, waiting, std::chrono::milliseconds(0));
        EXPECT_EQ(refused.Problem,
                  "cannot change the rack " + file.string() + ": another program is changing it");
    }
    PosixFileWriter writer;
    EXPECT_TRUE(UpdateRackFile(file, change, nullptr, writer).Done);
    EXPECT_EQ(test::ReadBytes(file), "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n"
                                     "stock,Cylinder,millimeter,1,S235,20,3000\n");
    EXPECT_EQ(dir.Entries().size(), 2u);
}

} // namespace
} // namespace volcalc::jobs
