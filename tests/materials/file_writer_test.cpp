// SPDX-License-Identifier: GPL-3.0-or-later
#include "failing_writer.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace volcalc::test {
namespace {

struct StepCase {
    WriteStep FailAt;
    std::vector<std::string> Calls;
};

std::ostream& operator<<(std::ostream& out, const StepCase& c) {
    return out << "step " << static_cast<int>(c.FailAt);
}

class RefusedStepTest : public ::testing::TestWithParam<StepCase> {};

// Whatever step is refused, the new file is closed and removed and the old one is untouched.
TEST_P(RefusedStepTest, LeavesTargetAsItWas) {
    TempFolder folder;
    WriteBytes(folder / "a.ini", "old");
    FailingWriter writer(GetParam().FailAt);
    EXPECT_FALSE(ReplaceFile(writer, folder / "a.ini", "new content"));
    EXPECT_EQ(writer.Calls, GetParam().Calls);
    EXPECT_EQ(ReadBytes(folder / "a.ini"), "old");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RefusedStepTest,
    ::testing::Values(StepCase{WriteStep::Open, {"open"}},
                      StepCase{WriteStep::Write, {"open", "write", "close", "discard"}},
                      StepCase{WriteStep::Sync, {"open", "write", "sync", "close", "discard"}},
                      StepCase{WriteStep::Close, {"open", "write", "sync", "close", "discard"}},
                      StepCase{WriteStep::Commit, {"open", "write", "sync", "close", "commit", "discard"}}));

class FileWriterTest : public ::testing::Test {
protected:
    PosixFileWriter System;
};

TEST_F(FileWriterTest, ReplacesKeepingPermissions) {
    TempFolder folder;
    WriteBytes(folder / "a.ini", "old");
    ::chmod((folder / "a.ini").c_str(), 0640);
    ASSERT_TRUE(ReplaceFile(System, folder / "a.ini", "new"));
    EXPECT_EQ(ReadBytes(folder / "a.ini"), "new");
    EXPECT_EQ(std::filesystem::status(folder / "a.ini").permissions(),
              static_cast<std::filesystem::perms>(0640));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.ini"});
}

TEST_F(FileWriterTest, ReplacesFileBehindLink) {
    TempFolder folder;
    WriteBytes(folder / "real.ini", "old");
    std::filesystem::create_symlink("real.ini", folder / "a.ini");
    ASSERT_TRUE(ReplaceFile(System, folder / "a.ini", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "a.ini"));
    EXPECT_EQ(ReadBytes(folder / "real.ini"), "new");
}

} // namespace
} // namespace volcalc::test
