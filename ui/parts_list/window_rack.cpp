// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/window_rack.h"

#include "calc/file_writer.h"
#include "calc/program_folders.h"
#include "materials/catalogue_lock.h"
#include "sections/section_folders.h"

#include <QCoreApplication>
#include <QFile>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace volcalc::ui {
namespace {

// Another program's change of the rack takes a moment; a window waits no longer than that.
constexpr std::chrono::milliseconds RackWait{2000};

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

std::filesystem::path WindowRackFile() {
    const std::filesystem::path folder = UserDataFolder(UserFolders::FromEnvironment());
    return folder.empty() ? folder : folder / "rack.csv";
}

sections::SectionShapes& RackSections() {
    static const sections::SectionLibrary library(sections::ProgramSectionFolders(
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(),
        UserFolders::FromEnvironment()));
    static sections::SectionShapes shapes(library);
    return shapes;
}

WindowRack ReadWindowRack(const std::filesystem::path& file) {
    WindowRack rack;
    rack.Reading = jobs::ReadRackFile(file, &RackSections());
    if (rack.Reading.Problems.empty()) {
        rack.Text = FileText(file);
    }
    return rack;
}

QString SaveWindowRack(const std::filesystem::path& file, const std::string& text,
                       const std::string& loadedText) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    const CatalogueLock lock(file, RackWait);
    if (!lock.Held()) {
        return QStringLiteral("The rack %1 cannot be saved: %2.")
            .arg(QString::fromStdString(file.string()), lock.TimedOut()
                                                            ? QStringLiteral("another program is changing it")
                                                            : QString::fromStdString(lock.Problem()));
    }
    if (FileText(file) != loadedText) {
        return QStringLiteral("The rack %1 was changed by another program while it was open here; nothing is "
                              "saved. Open Stock\u2026 again to see what it holds now.")
            .arg(QString::fromStdString(file.string()));
    }
    RemoveLeftovers(file);
    PosixFileWriter writer;
    if (!ReplaceFile(writer, file, text)) {
        return QStringLiteral("The rack %1 cannot be written; it is as it was.")
            .arg(QString::fromStdString(file.string()));
    }
    return {};
}

} // namespace volcalc::ui
