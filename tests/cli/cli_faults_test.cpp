// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's promises under hostile input, grouped by the fault they guard against.
#include "cli/command_line.h"
#include "jobs/csv_rows.h"
#include "materials/file_size_limit.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <sstream>

#include <sys/resource.h>

namespace volcalc::cli {
namespace {

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome RunWith(std::vector<std::string> arguments, const std::string& input = "") {
    std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::istringstream in(input);
    std::ostringstream out, err;
    Outcome run;
    run.status = RunCommandLine(views, std::filesystem::path("/nonexistent/volcalc.ini"), in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The "line" of each row a report holds, read back from its own format.
std::vector<std::size_t> ReportedLines(const std::string& format, const std::string& out) {
    std::vector<std::size_t> lines;
    if (format == "--json") {
        const auto document = nlohmann::json::parse(out);
        for (const auto& row : document["rows"]) {
            lines.push_back(row["line"].get<std::size_t>());
        }
        return lines;
    }
    std::vector<std::vector<std::string>> records;
    std::istringstream in(out);
    if (format == "--csv") {
        EXPECT_FALSE(jobs::ReadCsvRows(
            in, [&](const std::vector<std::string>& f, std::size_t) { records.push_back(f); }));
    } else {
        for (std::string line; std::getline(in, line);) {
            records.push_back({line.substr(0, line.find('\t'))});
        }
    }
    for (const auto& record : records) {
        if (!record[0].empty() && std::isdigit(static_cast<unsigned char>(record[0][0]))) {
            lines.push_back(std::stoul(record[0]));
        }
    }
    return lines;
}

TEST(Overflow, AFigureTheReportCannotWriteFailsItsLine) {
    const struct {
        const char* name;
        std::vector<std::string> units;
        const char* script; // line 1 sets the density, line 2 holds
        std::size_t failing;
        std::vector<std::size_t> held;
    } cases[] = {
        {"row volume in mm3",
         {"--volume-unit", "millimeter"},
         "object Parallelepiped meter 1 1e100 1e100 1e100",
         3,
         {2}},
        {"row mass in grams",
         {"--mass-unit", "gram"},
         "object Parallelepiped meter 1 1e100 1e100 1e104",
         3,
         {2}},
        {"totals in mm3",
         {"--volume-unit", "millimeter"},
         "object Parallelepiped meter 1 1e99 1e100 1e100\nobject Parallelepiped meter 1 1e99 1e100 1e100",
         4,
         {2, 3}},
    };
    for (const auto& c : cases) {
        for (const std::string format : {"--report", "--csv", "--json"}) {
            SCOPED_TRACE(std::string(c.name) + " " + format);
            const std::string script =
                std::string("density 10000\nobject Sphere meter 1 1\n") + c.script + "\n";
            std::vector<std::string> arguments = c.units;
            arguments.push_back(format);
            const Outcome run = RunWith(arguments, script);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, "line " + std::to_string(c.failing) + ": Floating point overflow.\n");
            EXPECT_EQ(ReportedLines(format, run.out), c.held) << run.out;
        }
    }
    // A parts list's row fails the same way, counted by its own line.
    test::TempFolder dir;
    test::WriteBytes(dir / "list.csv", "object,Sphere,meter,1,density 10000,1\n"
                                       "object,Parallelepiped,meter,1,,1e100,1e100,1e104\n");
    for (const std::string format : {"--report", "--csv", "--json"}) {
        const Outcome list =
            RunWith({"--mass-unit", "gram", format, "--input-csv", (dir / "list.csv").string()});
        EXPECT_EQ(list.status, 1) << format;
        EXPECT_EQ(list.err, "line 2: Floating point overflow.\n") << format;
        EXPECT_EQ(ReportedLines(format, list.out), std::vector<std::size_t>{1}) << format << list.out;
    }
}

// A "show" whose figures cannot be written in its units shows nothing, so the closing totals come.
TEST(FailingLineChangesNothing, FailingShowLeavesTheClosingTotals) {
    const Outcome run = RunWith({}, "object Parallelepiped meter 1 1e100 1e100 1e100\nshow millimeter\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "line 2: Floating point overflow.\n");
    EXPECT_EQ(run.out.rfind("volume\tmeter\t", 0), 0u) << run.out;
}

TEST(FailingLineChangesNothing, RefusedRemovalKeepsTheMaterialAndItsDensity) {
    test::TempFolder dir;
    test::WriteBytes(dir / "volcalc.ini",
                     "[Count]\nCount=2\n[Material]\n0=Water\n1=Lead\n[Density]\n0=1000\n1=11340\n");
    ScriptOptions options;
    options.catalogue = dir / "volcalc.ini";
    options.report = ReportFormat::Csv;
    std::ostringstream out, err;
    ScriptSession session(options, out, err);
    ASSERT_TRUE(session.RunLine("object Parallelepiped meter 1 1 1 1", 1));
    const ScriptSession::State before = session.CurrentState();
    {
        const test::FileSizeLimit full(1);
        EXPECT_FALSE(session.RunLine("remove-material Lead", 2));
    }
    EXPECT_EQ(err.str(), "line 2: Error at removing of a material\n" + (dir / "volcalc.ini").string() +
                             ": File too large\n");
    EXPECT_TRUE(session.CurrentState() == before);
    ASSERT_TRUE(session.RunLine("object Parallelepiped meter 1 1 1 1", 3));
    EXPECT_EQ(session.GetLedger().Totals().ObjectMass, 2000);
    // A removal that succeeds picks the next material, whose density then applies.
    ASSERT_TRUE(session.RunLine("remove-material Water", 4));
    ASSERT_TRUE(session.RunLine("object Parallelepiped meter 1 1 1 1", 5));
    EXPECT_EQ(session.GetLedger().Totals().ObjectMass, 13340);
}

TEST(FailingLineChangesNothing, FailingListRowKeepsTheDensityInForce) {
    test::TempFolder dir;
    test::WriteBytes(dir / "list.csv", "object,Parallelepiped,meter,1,density 1000,1,1,1\n"
                                       "object,Pipe,meter,1,density 5000,1,2,1\n" // bore wider than the pipe
                                       "object,Sphere,meter,1,density 7000,1e200\n" // overflows the ledger
                                       "object,Parallelepiped,meter,1,,1,1,1\n");
    const Outcome run = RunWith({"--input-csv", (dir / "list.csv").string(), "--csv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "line 2: Wrong data input. Check up all entered parameters.\n"
                       "line 3: Floating point overflow.\n");
    EXPECT_NE(run.out.find("\r\n,total,,,,,,,,,,,,2,,2000,,\r\n"), std::string::npos) << run.out;
}

TEST(Places, ListLinesCountBlankLinesCrLfAndQuotedLineBreaks) {
    test::TempFolder dir;
    test::WriteBytes(dir / "list.csv", "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\r\n"
                                       "\r\n"
                                       "object,Sphere,meter,1,\"density\r\n1\",1\r\n" // 3-4: a quoted break
                                       "   \r\n"
                                       "object,Sphere,meter,1,,x\n" // 6
                                       "\n"
                                       "object,Sphere,meter,1,,1,2\r" // 8, old Mac line end
                                       "object,\"Sph\"ere,meter\n");  // 9
    const Outcome run = RunWith({"--input-csv", (dir / "list.csv").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "line 3, column material: no material named \"density\\r\\n1\"\n"
              "line 6, column p1: 'x' is not a valid floating point value.\n"
              "line 8, column p2: \"Sphere\" takes 1 parameter, 2 given\n"
              "line 9, column shape: malformed CSV: text after the closing double quote of a field\n");

    test::WriteBytes(dir / "open.csv", "object,Sphere,meter,1,,1\n\nobject,\"Sphere,meter,1,,1\n\n");
    const Outcome open = RunWith({"--input-csv", (dir / "open.csv").string()});
    EXPECT_EQ(open.err, "line 3, column shape: malformed CSV: double quote opened here is never closed\n");
    EXPECT_EQ(open.out, "volume\tmeter\t0.524\t0.000\t0.524\nmass\tkilogram\t0.000\t0.000\t0.000\n");
}

TEST(Places, EchoedValuesAreOneShortLine) {
    const std::string huge(10'000'000, '7');
    const struct {
        std::string line;
        std::string message;
    } cases[] = {
        {"object Sphere meter 1 " + huge + "x",
         "'" + std::string(60, '7') + "…' is not a valid floating point value."},
        {"material \"a\tb\x01\"", "no material named \"a\\tb\\x01\""},
        {"add-material Lead " + huge, "'" + std::string(60, '7') + "…' is not a valid floating point value."},
        {"density 1" + huge, "'1" + std::string(59, '7') + "…' is not a valid integer value."},
        {"frob\x7F\x1B[2J", "unknown command \"frob\\x7F\\x1B[2J\""},
        {"object \"" + std::string(59, 'e') + "éé\" meter 1 1",
         "unknown object shape \"" + std::string(59, 'e') + "é…\""},
    };
    for (const auto& c : cases) {
        const Outcome run = RunWith({}, c.line + "\n");
        EXPECT_EQ(run.err, "line 1: " + c.message + "\n");
    }
}

} // namespace
} // namespace volcalc::cli
