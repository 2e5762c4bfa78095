// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ledger.h"
#include "calc/shapes.h"
#include "jobs/job_file.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace volcalc::jobs {
namespace {

// The material of a row as the catalogue would give it.
struct Material : DensitySource {
    Material(std::string name, std::int32_t density, std::optional<double> price)
        : name(std::move(name)), density(density), price(price) {}
    std::string name;
    std::int32_t density = 0;
    std::optional<double> price;
    std::int32_t SelectedDensity() const override { return density; }
    std::string SelectedName() const override { return name; }
    std::optional<double> SelectedPrice() const override { return price; }
};

PartsListRow Row(CalcGroup group, const char* shape, std::vector<std::string_view> texts,
                 std::int32_t quantity, const Material& material, std::string mark = {},
                 std::string note = {}) {
    Ledger ledger;
    ledger.SetDensitySource(&material);
    PartsListRow row =
        ledger.Calculate(group, {*FindShape(group, shape), texts, quantity, LengthUnit::Millimeter});
    row.Mark = std::move(mark);
    row.Note = std::move(note);
    return row;
}

// A frame: marks and notes with quotes, line breaks and letters beyond ASCII, a price with many
// digits, a density set by hand, an aperture.
Job Frame() {
    const Material steel{"S235 \"hot rolled\"", 7850, 1.2345678901234567};
    const Material byHand{"", 2700, std::nullopt};
    Job job;
    job.Units = {VolumeUnit::Centimeter, MassUnit::Kilogram};
    job.Currency = "EUR";
    job.Order = {{"6000", "12000"}, "3"};
    job.Rows = {
        Row(CalcGroup::Object, "Parallelepiped", {"300", "300", "15"}, 4, steel, "BP1", "base plate\nC1–C4"),
        Row(CalcGroup::Aperture, "Cylinder", {"22", "15"}, 16, steel, "", "holes Ø22"),
        Row(CalcGroup::Object, "Pipe", {"48.3", "40,3", "2400"}, 7, byHand, "B\"2\"")};
    for (std::size_t i = 0; i < job.Rows.size(); ++i) {
        job.Rows[i].Line = i + 1;
    }
    return job;
}

TEST(JobFile, ReadsBackWhatWasWrittenToTheBit) {
    const Job job = Frame();
    const std::string text = JobText(job);
    const Job read = ReadJobText(text, "frame.volcalc", nullptr);
    EXPECT_EQ(read, job);
    EXPECT_EQ(JobText(read), text);
}

// A report written before jobs had a version (no format, version, marks, notes or order) reads
// as a job with none of them.
TEST(JobFile, AReportOfBeforeReadsAsAJob) {
    Job job = Frame();
    for (PartsListRow& row : job.Rows) {
        row.Mark.clear();
        row.Note.clear();
    }
    job.Order = {};
    std::string text = JobText(job);
    for (const char* member :
         {"  \"format\": \"volcalc-job\",\n", "  \"version\": 1,\n", "  \"stock_lengths\": [],\n",
          "  \"kerf\": \"\",\n", "      \"mark\": \"\",\n", "      \"note\": \"\",\n"}) {
        for (std::size_t at; (at = text.find(member)) != std::string::npos;) {
            text.erase(at, std::string_view(member).size());
        }
    }
    ASSERT_EQ(text.find("mark"), std::string::npos);
    EXPECT_EQ(ReadJobText(text, "old.json", nullptr), job);
}

// Each damage is refused with the file, the row where there is one, and the reason.
TEST(JobFile, DamagedDocumentsAreRefusedWithFileRowAndReason) {
    const std::string good = JobText(Frame());
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"not JSON", "Parallelepiped,300,300,15\n", "f: not a job: not a JSON document (at byte 1)"},
        {"cut short", good.substr(0, good.size() / 2),
         "f: not a job: the file ends before its document does (cut short?)"},
        {"binary garbage",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         "f: not a job: not a JSON document (at byte 1)"},
        {"other JSON", "{\"rows\": []}", "f: not a job (no \"format\": \"volcalc-job\")"},
        {"nested deep", "[[[[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]]]]",
         "f: not a job: nested deeper than a job is"},
        {"later version", replaced("\"version\": 1", "\"version\": 2"),
         "f: a job of version 2, written by a later version of the program; this one reads versions up to 1"},
        {"unknown shape", replaced("\"Pipe\"", "\"Pipa\""), "f: row 3: unknown object shape \"Pipa\""},
        {"text that is not a number", replaced("\"2400\"", "\"24OO\""),
         "f: row 3: '24OO' is not a valid floating point value."},
        {"values of no solid", replaced("\"48.3\"", "\"30\""),
         "f: row 3: Wrong data input. Check up all entered parameters."},
        {"quantity beyond the field's", replaced("\"quantity\": 4", "\"quantity\": 0"),
         "f: row 1: quantity \"0\" is read as 1"},
        {"quantity not a number", replaced("\"quantity\": 4", "\"quantity\": \"4\""),
         "f: row 1: \"quantity\" is not a whole number from -2147483648 to 2147483647"},
        {"missing member", replaced("\"unit\": \"millimeter\",", ""), "f: row 1: no \"unit\""},
        {"negative price", replaced("\"price_per_kg\": 1.2345678901234567", "\"price_per_kg\": -1"),
         "f: row 1: \"price_per_kg\" is not a price"},
        {"unknown display unit", replaced("\"cubic centimeter\"", "\"cubic parsec\""),
         "f: unknown volume unit \"cubic parsec\""},
        {"figures that overflow", replaced("\"2400\"", "\"1e306\""), "f: row 3: Floating point overflow"},
    };
    for (const Case& c : cases) {
        try {
            ReadJobText(c.text, "f", nullptr);
            ADD_FAILURE() << c.name << ": read";
        } catch (const JobError& e) {
            EXPECT_EQ(e.what(), c.message) << c.name;
        }
    }
}

// A huge file is refused by its size, before anything of it is read; a job's file is replaced
// only by a job.
TEST(JobFile, HugeFilesAndFilesOfOtherKinds) {
    test::TempFolder dir;
    const auto huge = dir / "huge.volcalc";
    const int fd = ::open(huge.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{2} << 30), 0); // sparse: nothing is written
    ::close(fd);
    EXPECT_THROW(
        try { ReadJob(huge, nullptr); } catch (const JobError& e) {
            EXPECT_EQ(std::string(e.what()),
                      huge.string() + ": too large for a job (2147483648 bytes, at most 1073741824)");
            throw;
        },
        JobError);
    EXPECT_FALSE(MayHoldJob(huge));
    test::WriteBytes(dir / "list.csv", "object,Cylinder,millimeter,1,,20,100\n");
    EXPECT_FALSE(MayHoldJob(dir / "list.csv"));
    EXPECT_TRUE(MayHoldJob(dir / "new.volcalc"));
    test::WriteBytes(dir / "job.volcalc", JobText(Frame()));
    EXPECT_TRUE(MayHoldJob(dir / "job.volcalc"));
    EXPECT_EQ(ReadJob(dir / "job.volcalc", nullptr), Frame());
}

} // namespace
} // namespace volcalc::jobs
