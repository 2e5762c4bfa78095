// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "materials/temp_folder.h"
#include "session_runner.h"

#include <gtest/gtest.h>

#include <fstream>

namespace volcalc {
namespace {

using testing_support::RunScriptText;

std::string Show(const char* vu, const char* o, const char* a, const char* t, const char* mu, const char* mo,
                 const char* ma, const char* mt) {
    return std::string("volume\t") + vu + '\t' + o + '\t' + a + '\t' + t + "\nmass\t" + mu + '\t' + mo +
           '\t' + ma + '\t' + mt + '\n';
}

TEST(ScriptSession, SteelCubeThenAperture) {
    const auto r = RunScriptText("density 7850\n"
                                 "object Parallelepiped millimeter 1 1000 1000 1000\n"
                                 "show\n"
                                 "aperture Parallelepiped millimeter 1 500 500 1000\n"
                                 "show\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              Show("meter", "1.000", "0.000", "1.000", "kilogram", "7850.000", "0.000", "7850.000") +
                  Show("meter", "1.000", "0.250", "0.750", "kilogram", "7850.000", "1962.500", "5887.500"));
}

// Each unit's figure is checked in units_test; here, that "show" reads both names, the quoted one too.
TEST(ScriptSession, ShowReadsBothDisplayUnits) {
    const auto r = RunScriptText(
        "density 7850\nobject Parallelepiped millimeter 1 1000 1000 1000\nshow inch \"metric ton\"\n");
    EXPECT_EQ(r.out,
              Show("inch", "61024.000", "0.000", "61024.000", "metric ton", "7.850", "0.000", "7.850"));
}

TEST(ScriptSession, UndoResetAndDensityChanges) {
    const auto r = RunScriptText("density 7850\n"
                                 "object Parallelepiped millimeter 1 100 100 100\n"
                                 "density 1000\n"
                                 "object Parallelepiped millimeter 3 100 100 100\n"
                                 "show meter kilogram\n"
                                 "undo\nshow\n"
                                 "reset\nshow\n");
    EXPECT_EQ(r.out, Show("meter", "0.004", "0.000", "0.004", "kilogram", "10.850", "0.000", "10.850") +
                         Show("meter", "0.001", "0.000", "0.001", "kilogram", "7.850", "0.000", "7.850") +
                         Show("meter", "0.000", "0.000", "0.000", "kilogram", "0.000", "0.000", "0.000"));
}

TEST(ScriptSession, NegativeTotalsAndPrecise) {
    cli::ScriptOptions options;
    options.precise = true;
    const auto r =
        RunScriptText("density 2\nobject Parallelepiped meter 1 1 1 1\naperture Sphere meter 1 2\n", options);
    // One sphere's volume is kept as a double: 4/3 pi rounded once, to its nearest double.
    EXPECT_EQ(r.out, "volume\tmeter\t1\t4.1887902047863914\t-3.1887902047863914\n"
                     "mass\tkilogram\t2\t8.3775804095727828\t-6.3775804095727828\n");
}

// A quantity is read as the window's field reads it when it is left; one that is not the typed
// number is said on standard error, and with --strict fails its line.
TEST(ScriptSession, QuantityIsClampedAsWhenTheFieldIsLeft) {
    const struct {
        const char* typed;
        const char* volume; // of one cubic metre at that quantity
        bool asTyped;
    } cases[] = {
        {"7", "7.000", true},   {"1000", "1000.000", true}, {"5000", "1000.000", false},
        {"0", "1.000", false},  {"-2", "1.000", false},     {"4.5", "1.000", false},
        {"4x", "1.000", false}, {"$10", "16.000", true},
    };
    for (const auto& c : cases) {
        const std::string script = "object Parallelepiped meter " + std::string(c.typed) + " 1 1 1\n";
        const auto r = RunScriptText(script);
        EXPECT_EQ(r.status, 0) << c.typed;
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
                  "volume\tmeter\t" + std::string(c.volume) + "\t0.000\t" + c.volume)
            << c.typed;
        const std::string readAs = "quantity \"" + std::string(c.typed) + "\" is read as " +
                                   std::string(c.volume).substr(0, std::string(c.volume).find('.'));
        EXPECT_EQ(r.err, c.asTyped ? "" : "line 1: warning: " + readAs + "\n") << c.typed;
        cli::ScriptOptions strict;
        strict.strict = true;
        const auto s = RunScriptText(script, strict);
        EXPECT_EQ(s.status, c.asTyped ? 0 : 1) << c.typed;
        EXPECT_EQ(s.err, c.asTyped ? "" : "line 1: " + readAs + "\n") << c.typed;
    }
}

struct FailingLine {
    const char* line;
    const char* message;
};

TEST(ScriptSession, FailingLinesReportAndChangeNothing) {
    const FailingLine cases[] = {
        {"object Parallelepiped millimeter 1 12a 1 1", "'12a' is not a valid floating point value."},
        {"object Parallelepiped millimeter 1 1 \"\" 1", "Wrong data input. Check up all entered parameters."},
        // The window's message for the same texts: the number as read, without its separator.
        {"object Parallelepiped millimeter 1 1.5a 1 1", "'15a' is not a valid floating point value."},
        {"object Parallelepiped millimeter 1 . 1 1", "'' is not a valid floating point value."},
        {"object Parallelepiped millimeter 1 1e600 1 1", "Floating point overflow."},
        {"object Pipe millimeter 1 10 12 5", "Wrong data input. Check up all entered parameters."},
        {"object Cylinder millimeter 1 10", "\"Cylinder\" takes 2 parameters, 1 given"},
        {"object Cube millimeter 1 10", "unknown object shape \"Cube\""},
        {"aperture Pipe millimeter 1 10 5 1", "unknown aperture shape \"Pipe\""},
        {"aperture None millimeter 1", "\"None\" is not a solid: choose an aperture shape"},
        {"object Sphere parsec 1 10", "unknown length unit \"parsec\""},
        {"show litre", "unknown volume unit \"litre\""},
        {"show meter stone", "unknown mass unit \"stone\""},
        {"density heavy", "'heavy' is not a valid integer value."},
        {"frobnicate", "unknown command \"frobnicate\""},
        {"object", "usage: object SHAPE UNIT QUANTITY P..."},
        {"undo now", "usage: undo"},
        {"show \"metric", "unclosed double quote"},
    };
    for (const auto& c : cases) {
        const auto r =
            RunScriptText("density 7850\nobject Sphere meter 1 1\n" + std::string(c.line) + "\nshow\n");
        EXPECT_EQ(r.status, 1) << c.line;
        EXPECT_EQ(r.err, "line 3: " + std::string(c.message) + "\n") << c.line;
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "volume\tmeter\t0.524\t0.000\t0.524") << c.line;
    }
}

TEST(ScriptSession, StrictStopsAtTheFirstFailure) {
    cli::ScriptOptions options;
    options.strict = true;
    const auto r = RunScriptText("object Sphere meter 1 x\nobject Sphere meter 1 y\n", options);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "line 1: 'x' is not a valid floating point value.\n");
    EXPECT_EQ(r.out, "");
}

TEST(ScriptSession, EveryShapeInEveryUnitAsObjectAndAperture) {
    for (auto group : {CalcGroup::Object, CalcGroup::Aperture}) {
        for (const ShapeEntry& shape : ShapesOf(group)) {
            if (shape.Rule == nullptr) {
                continue;
            }
            for (auto unit : LengthUnitNames) {
                std::string line = group == CalcGroup::Object ? "object" : "aperture";
                line += " \"" + std::string(shape.DisplayName) + "\" " + std::string(unit) + " 2";
                // A valid solid for every shape: each prefix of these values describes one.
                const std::vector<double> all = {8, 6, 3, 2, 5};
                const std::vector<double> values(all.begin(), all.begin() + shape.Parameters.size());
                for (double v : values) {
                    line += " " + std::to_string(static_cast<int>(v));
                }
                const auto r = RunScriptText(line + "\n");
                EXPECT_EQ(r.status, 0) << line << r.err;
                const double perPiece = static_cast<double>(*shape.Rule->VolumePerPiece(values));
                const double expected =
                    ScaleVolumeToCubicMetres(perPiece * 2 / 1e9, *LengthUnitFromName(unit));
                const std::string figure = FormatResult(group == CalcGroup::Object ? expected : -expected);
                EXPECT_NE(r.out.find("\t" + figure + "\n"), std::string::npos) << line << "\n" << r.out;
            }
        }
    }
}

TEST(ScriptSession, MaterialCommands) {
    test::TempFolder dir;
    const auto ini = dir / "volcalc.ini";
    std::ofstream(ini) << "[Count]\nCount=2\n[Material]\n0=Steel\n1=Aluminium\n[Density]\n0=7850\n1=2700\n";
    cli::ScriptOptions options;
    options.catalogue = ini;
    const auto r = RunScriptText("materials\n"
                                 "object Parallelepiped meter 1 1 1 1\n"
                                 "density 1000\n" // held only until a material is picked
                                 "material Aluminium\n"
                                 "object Parallelepiped meter 1 1 1 1\n"
                                 "add-material \"Pure water\" 999,9\n"
                                 "remove-material Steel\n"
                                 "materials\n"
                                 "material Steel\n"
                                 "show\n",
                                 options);
    EXPECT_EQ(r.err, "line 9: no material named \"Steel\"\n");
    EXPECT_EQ(r.out,
              "Steel\t7850\nAluminium\t2700\n"
              "Aluminium\t2700\nPure water\t999\n" +
                  Show("meter", "2.000", "0.000", "2.000", "kilogram", "10550.000", "0.000", "10550.000"));
    std::ifstream file(ini);
    const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(content.find("0=Aluminium"), std::string::npos) << content;
    EXPECT_NE(content.find("1=Pure water"), std::string::npos) << content;
}

// A material needs a name; a file that already holds a nameless one still reads, and keeps it.
TEST(ScriptSession, NamelessMaterialIsRefusedButOneInTheFileStillReads) {
    test::TempFolder dir;
    const auto ini = dir / "volcalc.ini";
    const std::string old = "[Count]\nCount=1\n[Material]\n0=\n[Density]\n0=100\n";
    std::ofstream(ini) << old;
    cli::ScriptOptions options;
    options.catalogue = ini;
    const auto r = RunScriptText("add-material \"\" 5\nmaterials\n", options);
    EXPECT_EQ(r.err, "line 1: Error at addition of a material\nThe material needs a name.\n");
    EXPECT_EQ(r.out.substr(0, 5), "\t100\n");
    EXPECT_EQ(test::ReadBytes(ini), old);
}

} // namespace
} // namespace volcalc
