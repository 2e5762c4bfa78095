// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_run.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace volcalc {
namespace {

using Outcome = test::CliOutcome;
using test::RunCli;

// Runs the real program through the shell, capturing both output streams.
TEST(CliProcess, HelpDocumentsTheLanguage) {
    test::TempFolder dir;
    const Outcome r = RunCli("--help", dir);
    EXPECT_EQ(r.status, 0);
    for (const char* word :
         {"object SHAPE UNIT QUANTITY", "aperture", "undo", "reset", "show", "density N", "--precise",
          "--strict", "--ini", "add-material", "remove-material", "materials", "Exit status"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

// Packagers and bug reports read the version the build was made from; what follows is not read.
TEST(CliProcess, VersionNamesTheProgramAndTheProjectVersion) {
    test::TempFolder dir;
    const Outcome r = RunCli("--version --bogus", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "volcalc-cli " VOLCALC_PROJECT_VERSION "\n");
    EXPECT_EQ(r.err, "");
}

// Through the real program: comments, failing lines reported on standard error by their line while
// the rest runs, exit status 1. What the lines compute is checked in-process (script_session_test).
TEST(CliProcess, ScriptFileWithFailures) {
    test::TempFolder dir;
    test::WriteBytes(dir / "parts.txt", "# a steel plate with a hole\n"
                                        "undo\n"
                                        "density 7850\n"
                                        "object Parallelepiped millimeter 1 1000 1000 10\n"
                                        "aperture Cylinder millimeter 4 100 1o\n"
                                        "aperture Cylinder millimeter 4 100 10\n");
    const Outcome r =
        RunCli("--ini " + (dir / "none.ini").string() + " " + (dir / "parts.txt").string(), dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "line 2: nothing to undo\nline 5: '1o' is not a valid floating point value.\n");
    EXPECT_EQ(r.out, "volume\tmeter\t0.010\t0.000\t0.010\nmass\tkilogram\t78.500\t2.466\t76.034\n");
}

TEST(CliProcess, StandardInputAndBadArguments) {
    test::TempFolder dir;
    const Outcome r = RunCli("--ini " + (dir / "none.ini").string() + " < /dev/null", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "volume\tmeter\t0.000\t0.000\t0.000\nmass\tkilogram\t0.000\t0.000\t0.000\n");
    EXPECT_EQ(RunCli("--bogus", dir).status, 2);
    EXPECT_EQ(RunCli((dir / "missing.txt").string(), dir).status, 2);
}

// Output that cannot be written, or input that cannot be read, is a failure of the whole run.
TEST(CliProcessFailures, WriteErrorsAndUnreadableInputs) {
    test::TempFolder dir;
    std::string shows;
    for (int i = 0; i < 20000; ++i) {
        shows += "show\n";
    }
    test::WriteBytes(dir / "shows.txt", shows);
    const std::string ini = "--ini " + (dir / "none.ini").string() + " ";
    const std::string script = (dir / "shows.txt").string();
    const struct {
        std::string arguments;
        std::string error;
    } cases[] = {
        {ini + script + " >/dev/full", "volcalc-cli: cannot write output: No space left on device\n"},
        {"--help >/dev/full", "volcalc-cli: cannot write output: No space left on device\n"},
        {ini + "--csv --input-csv " + (dir / "none.csv").string() + " >/dev/full",
         "volcalc-cli: cannot read " + (dir / "none.csv").string() + ": No such file or directory\n"},
        {ini + dir.Path().string(), "volcalc-cli: cannot read " + dir.Path().string() + ": Is a directory\n"},
        {ini + "/dev/zero", "volcalc-cli: cannot read /dev/zero: not a regular file\n"},
        {ini + "- < " + dir.Path().string(), "volcalc-cli: cannot read standard input: read error\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = RunCli(c.arguments, dir);
        EXPECT_EQ(r.status, 2) << c.arguments;
        EXPECT_EQ(r.err, c.error) << c.arguments;
    }
    // A reader that goes away early, with SIGPIPE ignored as some shells and services do.
    test::WriteBytes(dir / "pipe.sh", "trap '' PIPE\n" + std::string(VOLCALC_CLI) + " " + ini + script +
                                          " 2>" + (dir / "err.txt").string() +
                                          " | head -c 1 >/dev/null\nexit ${PIPESTATUS[0]}\n");
    const int status = std::system(("bash " + (dir / "pipe.sh").string()).c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_EQ(test::ReadBytes(dir / "err.txt"), "volcalc-cli: cannot write output: Broken pipe\n");
}

// Someone typing commands sees each answer before typing the next line.
TEST(CliProcess, TypedCommandsAreAnsweredAtOnce) {
    int toCli[2], fromCli[2];
    ASSERT_EQ(::pipe(toCli), 0);
    ASSERT_EQ(::pipe(fromCli), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(toCli[0], 0);
        ::dup2(fromCli[1], 1);
        ::close(toCli[1]);
        ::close(fromCli[0]);
        ::execl(VOLCALC_CLI, VOLCALC_CLI, "--ini", "/nonexistent/volcalc.ini", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(toCli[0]);
    ::close(fromCli[1]);
    const std::string line = "object Sphere meter 1 1\nshow\n";
    ASSERT_EQ(::write(toCli[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    pollfd answer{fromCli[0], POLLIN, 0};
    EXPECT_EQ(::poll(&answer, 1, 10000), 1) << "no answer while standard input is still open";
    ::close(toCli[1]);
    std::string out;
    std::array<char, 256> buffer{};
    for (ssize_t n; (n = ::read(fromCli[0], buffer.data(), buffer.size())) > 0;) {
        out.append(buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(fromCli[0]);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(out.substr(0, out.find('\n')), "volume\tmeter\t0.524\t0.000\t0.524");
}

// The separator the figures are written with comes from the user's settings, compiled here into
// a folder of the test's own; one that is not a single ASCII character would write half a
// character, so the point stands in for it.
TEST(CliProcess, FiguresTakeTheRegionalSeparator) {
    struct Case {
        const char* what;
        const char* locale;
        const char* volumes;
    };
    const Case cases[] = {
        {"comma from the settings", "de_DE", "volume\tmeter\t1,500\t0,000\t1,500\n"},
        {"two-byte separator: the point", "ps_AF", "volume\tmeter\t1.500\t0.000\t1.500\n"},
    };
    for (const Case& c : cases) {
        test::TempFolder dir;
        const std::string name = std::string(c.locale) + ".UTF-8";
        const std::string compile = "localedef -i " + std::string(c.locale) + " -f UTF-8 " +
                                    (dir / name).string() + " >/dev/null 2>&1";
        if (std::system(compile.c_str()) != 0) {
            GTEST_SKIP() << "no locale compiler here";
        }
        test::WriteBytes(dir / "box.txt", "object Parallelepiped millimeter 1 1000 1000 1500\nshow\n");
        // The C library keeps a few bytes of LOCPATH for good; they are not the program's to free.
        const Outcome r =
            RunCli("--ini " + (dir / "none.ini").string() + " " + (dir / "box.txt").string(), dir,
                   "ASAN_OPTIONS=detect_leaks=0 LOCPATH=" + dir.Path().string() + " LC_ALL=" + name);
        EXPECT_EQ(r.status, 0) << c.what;
        EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), c.volumes) << c.what;
    }
}

TEST(CliProcess, ReadsTheCatalogueBesideItself) {
    test::TempFolder dir;
    // The catalogue given with --ini is created by the first addition.
    test::WriteBytes(dir / "add.txt", "add-material Copper 8960\nmaterials\n");
    const Outcome added =
        RunCli("--ini " + (dir / "volcalc.ini").string() + " " + (dir / "add.txt").string(), dir);
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_NE(added.out.find("Copper\t8960\n"), std::string::npos);
    EXPECT_NE(test::ReadBytes(dir / "volcalc.ini").find("0=Copper"), std::string::npos);
}

// A material added in the window must be there for scripts too: in the build tree the command
// line reads the catalogue beside the window.
TEST(CliProcess, ReadsTheWindowsCatalogueInTheBuildTree) {
#ifdef VOLCALC_WINDOW_DIR
    test::TempFolder dir;
    EXPECT_EQ(RunCli("--where", dir).out, std::string(VOLCALC_WINDOW_DIR) + "/volcalc.ini\n");
#else
    GTEST_SKIP() << "built without the window";
#endif
}

// A catalogue that cannot be read stops the run at once, before any line: nothing is calculated
// with an empty list and nothing is written over it. Which files cannot be read, and why, is
// catalogue_damage_test's; a pipe is the one a careless program would hang on.
TEST(CliProcess, CatalogueThatCannotBeReadEndsTheRun) {
    test::TempFolder dir;
    const std::string catalogue = (dir / "fifo.ini").string();
    ASSERT_EQ(::mkfifo(catalogue.c_str(), 0600), 0);
    test::WriteBytes(dir / "add.txt", "add-material Copper 8960\nmaterials\n");
    const Outcome r = RunCli("--ini " + catalogue + " " + (dir / "add.txt").string(), dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "volcalc-cli: cannot read " + catalogue + ": not a regular file\n");
    EXPECT_EQ(RunCli("--ini " + (dir / "volcalc.ini").string() + " --where", dir).out,
              (dir / "volcalc.ini").string() + "\n");
}

TEST(CliProcess, ListingADamagedCatalogueWarns) {
    test::TempFolder dir;
    const std::string damaged = "[Count]\nCount=1\n[Material]\n0=Steel\n1=Oak\n[Density]\n0=7850\n1=700\n";
    test::WriteBytes(dir / "volcalc.ini", damaged);
    test::WriteBytes(dir / "list.txt", "materials\nadd-material Pine 500\n");
    const Outcome r =
        RunCli("--ini " + (dir / "volcalc.ini").string() + " " + (dir / "list.txt").string(), dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), "Steel\t7850\n");
    EXPECT_EQ(r.err,
              "volcalc-cli: warning: " + (dir / "volcalc.ini").string() +
                  ": [Material] holds entry 1, at or beyond \"Count\" (1); it is listed as read, and no "
                  "change is made to it\nline 2: Error at addition of a material\n" +
                  (dir / "volcalc.ini").string() +
                  ": [Material] holds entry 1, at or beyond \"Count\" (1)\n");
    EXPECT_EQ(test::ReadBytes(dir / "volcalc.ini"), damaged);
}

// The order: text after the totals, the JSON member, a piece too long for every stock named with
// status 1 while the rest is still planned, and so is a cross-section beyond the planner's range;
// apertures and solids that are not bars order nothing.
TEST(CliProcess, OrderOfStockBars) {
    test::TempFolder dir;
    test::WriteBytes(dir / "bars.txt", "density 7850\n"
                                       "object Angle millimeter 2 50 50 5 2400\n"
                                       "object Angle centimeter 1 5 5 0,5 115\n"
                                       "object Angle millimeter 1 50 50 5 7000\n"
                                       "object Pipe millimeter 1 48.3 40.3 2000\n"
                                       "aperture Cylinder millimeter 1 10 100\n"
                                       "object Sphere millimeter 1 100\n"
                                       "object Cylinder meter 1 200000 1\n");
    const std::string script = (dir / "bars.txt").string();
    const Outcome text =
        RunCli("--ini " + (dir / "none.ini").string() + " --order 6000 --kerf 3 " + script, dir);
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err, "volcalc-cli: order: Angle a=50; b=50; c=5, density 7850: 1 piece of 7000 mm is "
                        "longer than every stock length\n"
                        "volcalc-cli: order: Cylinder a=200000000, density 7850: 1 piece of 1000 mm has a "
                        "cross-section beyond the planner's 100000000 mm\n");
    // The purchase list heads the order; each group says how far its plan may be from the least.
    const auto section =
        text.out.find("order: stock lengths 6000 mm, kerf 3 mm\n"
                      "purchase:\n"
                      "  Angle a=50; b=50; c=5, density 7850: 1 × 6000 mm, 6 m, 22.373 kilogram\n");
    EXPECT_NE(section, std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  total: 2 bars, 12 m, 48.593 kilogram, 2 groups without a price\n"
                            "Angle a=50; b=50; c=5, density 7850\n"
                            "  1 × 6000: 2400 + 2400 + 1150, offcut 41\n"
                            "  net mass 22.186 kilogram, gross mass 22.373 kilogram, offcut share 0.7%\n"
                            "  proved optimal\n"
                            "  scrap 41 mm\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Pipe a=48.3; b=40.3, density 7850\n  1 × 6000: 2000, offcut 3997\n"),
              std::string::npos)
        << text.out;

    const Outcome json =
        RunCli("--ini " + (dir / "none.ini").string() + " --json --order 6000,12000 --kerf 3 " + script, dir);
    EXPECT_EQ(json.status, 1); // 7000 fits the 12 m bars, the cylinder fits no planner
    const auto order = nlohmann::json::parse(json.out).at("order");
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[2].at("parameters"), nlohmann::json({2e8}));
    const auto& angle = order[0];
    EXPECT_EQ(angle.at("shape"), "Angle");
    EXPECT_EQ(angle.at("parameters"), nlohmann::json({50, 50, 5}));
    EXPECT_EQ(angle.at("material"), "density 7850");
    EXPECT_EQ(angle.at("kerf"), 3);
    double bought = 0;
    for (const auto& bar : angle.at("bars")) {
        bought += bar.at("stock").get<double>();
        EXPECT_TRUE(bar.contains("cuts") && bar.contains("offcut"));
    }
    EXPECT_EQ(bought, 18000);
    EXPECT_GT(angle.at("gross_mass").get<double>(), angle.at("net_mass").get<double>());
}

// A job saved, opened and saved again is the same file; the --json report opens as the same job;
// --save-job keeps the lines that failed out and never overwrites a file that is no job.
TEST(CliProcess, JobRoundTripIsByteIdentical) {
    test::TempFolder dir;
    const std::string ini = "--ini " + (dir / "none.ini").string() + " ";
    test::WriteBytes(dir / "frame.txt", "density 7850\n"
                                        "object Parallelepiped millimeter 4 300 300 15\n"
                                        "object Cylinder centimeter 2 1.6 0.3e1\n"
                                        "object Cylinder millimeter 2 x 1\n"
                                        "aperture Cylinder millimeter 16 22 15\n");
    test::WriteBytes(dir / "more.txt", "density 2700\nobject Pipe meter 3 0.05 0.04 6\n");
    test::WriteBytes(dir / "empty.txt", "");
    const auto job = [&](const char* name) { return (dir / name).string(); };
    Outcome r = RunCli(ini + "--volume-unit centimeter --order 6000,12000 --kerf 3 --save-job " +
                           job("a.volcalc") + " " + job("frame.txt"),
                       dir);
    EXPECT_EQ(r.status, 1) << r.err; // the line with "x" failed; the list is saved all the same
    r = RunCli(ini + "--save-job " + job("b.volcalc") + " --job " + job("a.volcalc") + " " + job("more.txt"),
               dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCli(ini + "--job " + job("b.volcalc") + " --save-job " + job("c.volcalc") + " " + job("empty.txt"),
               dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string saved = test::ReadBytes(dir / "b.volcalc");
    EXPECT_EQ(test::ReadBytes(dir / "c.volcalc"), saved);
    const auto document = nlohmann::json::parse(saved);
    EXPECT_EQ(document.at("rows").size(), 4u);
    EXPECT_EQ(document.at("volume_unit"), "cubic centimeter");
    EXPECT_EQ(document.at("stock_lengths"), nlohmann::json({"6000", "12000"}));

    r = RunCli(ini + "--json --job " + job("b.volcalc") + " " + job("empty.txt") + " >" + job("report.json"),
               dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCli(ini + "--job " + job("report.json") + " --save-job " + job("d.volcalc") + " " +
                   job("empty.txt"),
               dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir / "d.volcalc"), saved);

    r = RunCli(ini + "--save-job " + job("frame.txt") + " " + job("more.txt"), dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "volcalc-cli: " + job("frame.txt") + ": not a job; --save-job does not overwrite it\n");
    r = RunCli(ini + "--job " + job("frame.txt") + " " + job("more.txt"), dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, ""); // nothing runs from a job that does not read
}

} // namespace
} // namespace volcalc
