// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_library.h"

#include "sections/section_table.h"
#include "sections/shipped_tables.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace volcalc::sections {
namespace {

// Far beyond any table of sections; a larger file is a mistake, not a table.
constexpr std::uintmax_t LargestTable = 64u << 20;

bool IsTableName(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return extension == ".csv";
}

std::vector<std::filesystem::path> TablesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> tables;
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
        return tables;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (IsTableName(entry.path())) {
            tables.push_back(entry.path());
        }
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

void ReadTableFile(const std::filesystem::path& file, const ShippedTable* shipped,
                   SectionCatalogue& catalogue) {
    const std::string label = file.string();
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error || !std::filesystem::is_regular_file(status)) {
        catalogue.AddProblem(label + ", line 1: not a regular file; the file is left out.");
        return;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > LargestTable) {
        catalogue.AddProblem(label + ", line 1: larger than 64 MB; the file is left out.");
        return;
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (!in && !in.eof()) {
        catalogue.AddProblem(label + ", line 1: cannot be read; the file is left out.");
        return;
    }
    ReadSectionTable(text, {label, file.stem().string(), shipped}, catalogue);
}

} // namespace

SectionCatalogue LoadSectionCatalogue(const SectionFolders& folders) {
    SectionCatalogue catalogue;
    std::vector<std::filesystem::path> programTables = TablesIn(folders.Program);
    for (const ShippedTable& shipped : ShippedTables()) {
        const auto found = std::find_if(programTables.begin(), programTables.end(),
                                        [&](const auto& path) { return path.filename() == shipped.File; });
        if (found != programTables.end()) {
            ReadTableFile(*found, &shipped, catalogue);
            programTables.erase(found);
        }
    }
    for (const auto& table : programTables) {
        ReadTableFile(table, nullptr, catalogue);
    }
    for (const auto& table : TablesIn(folders.User)) {
        ReadTableFile(table, nullptr, catalogue);
    }
    return catalogue;
}

const SectionCatalogue& SectionLibrary::Catalogue() const {
    std::call_once(m_once, [this] {
        m_catalogue = std::make_unique<SectionCatalogue>(LoadSectionCatalogue(m_folders));
    });
    return *m_catalogue;
}

} // namespace volcalc::sections
