// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"
#include "failing_writer.h"
#include "file_size_limit.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace volcalc::test {
namespace {

enum class Operation { Add, Remove };
enum class Fault {
    Open,
    Write,
    Sync,
    Close,
    Commit,
    FullDisk,
    MissingFolder,
    FolderInPlace,
    ReadOnlyFile,
    ReadOnlyFolder
};

class FaultTest : public CatalogueTest, public ::testing::WithParamInterface<std::tuple<Operation, Fault>> {
protected:
    // What the disk shows: the folder's entries and the file's bytes.
    std::string Disk() const {
        if (!std::filesystem::exists(Folder.Path())) {
            return "no folder";
        }
        std::string state;
        for (const auto& name : Folder.Entries()) {
            if (!name.ends_with(".lock")) { // the lock file stays for the next change
                state += name + ";";
            }
        }
        return std::filesystem::is_regular_file(IniPath) ? state + File() : state;
    }

    void Break(Fault fault) {
        switch (fault) {
        case Fault::MissingFolder:
            std::filesystem::remove_all(Folder.Path());
            break;
        case Fault::FolderInPlace:
            std::filesystem::remove(IniPath);
            std::filesystem::create_directory(IniPath);
            break;
        case Fault::ReadOnlyFile:
            ::chmod(IniPath.c_str(), 0444);
            break;
        case Fault::ReadOnlyFolder:
            ::chmod(Folder.Path().c_str(), 0555);
            break;
        case Fault::FullDisk:
            break;
        default:
            Catalogue.SetFileWriter(Writer);
        }
    }

    static WriteStep StepOf(Fault fault) {
        return fault <= Fault::Commit ? static_cast<WriteStep>(static_cast<int>(fault) + 1) : WriteStep::None;
    }

    FailingWriter Writer{StepOf(std::get<1>(GetParam()))};
};

TEST_P(FaultTest, ShowsErrorAndKeepsFileAndList) {
    const auto [operation, fault] = GetParam();
    if (RunningAsRoot() && (fault == Fault::ReadOnlyFile || fault == Fault::ReadOnlyFolder)) {
        GTEST_SKIP() << "root writes read-only files and folders; the injected faults cover the refusal";
    }
    Load(ThreeMaterials);
    Catalogue.PickMaterial(1);
    Break(fault);
    const std::string disk = Disk();
    {
        const FileSizeLimit limit(fault == Fault::FullDisk ? 16 : RLIM_INFINITY);
        operation == Operation::Add ? Add("Oak", 700) : Catalogue.RemoveMaterial();
    }
    EXPECT_EQ(Disk(), disk);
    ExpectList({"Steel", "Aluminium", "Copper"}, {7850, 2700, 8900});
    EXPECT_EQ(Catalogue.SelectedIndex(), 1);
    EXPECT_EQ(Catalogue.SelectedDensity(), 2700);
    const std::vector<std::string> add = {"add-dialog", "error: Error at addition of a material"};
    const std::vector<std::string> remove = {"busy", "confirm: This material will be deleted. Are you sure?",
                                             "error: Error at removing of a material", "normal"};
    // Every refusal says why on a second line, naming the file.
    for (std::string& event : Dialogs.Events) {
        if (event.starts_with("error: ")) {
            EXPECT_NE(event.find("\n" + Folder.Path().string()), std::string::npos) << event;
        }
        event = event.substr(0, event.find('\n'));
    }
    EXPECT_EQ(Dialogs.Events, operation == Operation::Add ? add : remove);
}

std::string FaultName(const ::testing::TestParamInfo<FaultTest::ParamType>& info) {
    static const char* const faults[] = {"Open",         "Write",         "Sync",          "Close",
                                         "Commit",       "FullDisk",      "MissingFolder", "FolderInPlace",
                                         "ReadOnlyFile", "ReadOnlyFolder"};
    const bool add = std::get<0>(info.param) == Operation::Add;
    return std::string(add ? "Add" : "Remove") + faults[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest,
                         ::testing::Combine(::testing::Values(Operation::Add, Operation::Remove),
                                            ::testing::Values(Fault::Open, Fault::Write, Fault::Sync,
                                                              Fault::Close, Fault::Commit, Fault::FullDisk,
                                                              Fault::MissingFolder, Fault::FolderInPlace,
                                                              Fault::ReadOnlyFile, Fault::ReadOnlyFolder)),
                         FaultName);

} // namespace
} // namespace volcalc::test
