// SPDX-License-Identifier: GPL-3.0-or-later
#include "../materials/temp_folder.h"
#include "session_runner.h"

#include <gtest/gtest.h>

namespace volcalc::cli {
namespace {

using testing_support::RunScriptText;

ScriptOptions WithSections(std::filesystem::path user = {}) {
    ScriptOptions options;
    options.sectionFolders = {std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections",
                              std::move(user)};
    options.precise = true;
    return options;
}

// IPE 200: 2·100·8.5 + 183·5.6 + 4·144·(1 − π/4) mm².
constexpr double Ipe200 = 2848.410657883;

TEST(SectionScript, ADesignationIsAShapeWithItsLength) {
    const struct {
        const char* line;
        double cubicMetres;
    } cases[] = {
        {"object \"IPE 200\" meter 4 6", 4 * 6 * Ipe200 / 1e6},
        {"object ipe200 millimeter 1 1000", Ipe200 / 1e6},
        {"object \"HE 200 A\" centimeter 2 50", 2 * 0.5 * 5383.0 / 1e6},
        {"object \"IPE 200\" inch 1 100", 2.54 * Ipe200 / 1e6},
        {"object \"IPE 200\" foot 1 1", 0.3048 * Ipe200 / 1e6},
        {"object \"IPE 200\" meter 1 0", 0},
        // W8X31 is tabulated as 9.13 in².
        {"object W8X31 foot 4 20", 4 * 20 * 0.3048 * 9.13 * 645.16 / 1e6},
        {"object \"w 200 x 46.1\" inch 1 12", 0.3048 * 9.13 * 645.16 / 1e6},
    };
    for (const auto& c : cases) {
        const auto r = RunScriptText(std::string("density 7850\n") + c.line + "\n", WithSections());
        ASSERT_EQ(r.status, 0) << c.line << r.err;
        const std::string volume = r.out.substr(0, r.out.find('\n'));
        const double shown = std::stod(volume.substr(volume.rfind('\t') + 1));
        EXPECT_NEAR(shown, c.cubicMetres, 2e-3 * c.cubicMetres + 1e-15) << c.line;
    }
}

TEST(SectionScript, FailingSectionLinesChangeNothing) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"object \"IPE 201\" meter 1 6", "Unknown section \"IPE 201\"; closest: IPE 200, IPE 220, IPE 180."},
        {"object \"IPE 200\" meter 1 6 7", "\"IPE 200\" takes 1 parameter, 2 given"},
        {"object \"IPE 200\" meter 1 -6", "Wrong data input. Check up all entered parameters."},
        {"aperture \"IPE 200\" meter 1 6", "unknown aperture shape \"IPE 200\""},
        {"object Cube meter 1 6", "unknown object shape \"Cube\""},
    };
    for (const auto& c : cases) {
        const auto r = RunScriptText("density 1000\nobject Sphere meter 1 1\n" + std::string(c.line) + "\n",
                                     WithSections());
        EXPECT_EQ(r.status, 1) << c.line;
        EXPECT_EQ(r.err, "line 3: " + std::string(c.message) + "\n") << c.line;
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
                  "volume\tmeter\t0.52359877559829893\t0\t0.52359877559829893")
            << c.line;
    }
}

TEST(SectionScript, ReportRowsNameTheSectionAndItsLength) {
    ScriptOptions options = WithSections();
    options.report = ReportFormat::Csv;
    const auto r = RunScriptText("density 7850\nobject \"he 200 a\" meter 4 6\n", options);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n2,object,\"HEA 200\",meter,4,\"6\",,,,,\"density 7850\",7850,"),
              std::string::npos)
        << r.out;
}

TEST(SectionScript, BadUserTablesAreReportedOnceWhenFirstRead) {
    test::TempFolder user;
    test::WriteBytes(user / "mine.csv", "designation,h,b,t,area_cm2\nMY 1,40,40,2,2.39\nMY 2,40\n");
    const auto r = RunScriptText("density 1\nobject \"MY 1\" meter 1 1\nobject \"my 1\" meter 1 1\n",
                                 WithSections(user.Path()));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "volcalc-cli: warning: " + (user / "mine.csv").string() +
                         ", line 3: 2 fields where the header has 5; the row is left out.\n");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "volume\tmeter\t0.00047799999999999996\t0\t0.00047799999999999996");
}

} // namespace
} // namespace volcalc::cli
