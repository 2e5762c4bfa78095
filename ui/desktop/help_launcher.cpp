#include "ui/desktop/help_launcher.h"

#include "ui/desktop/desktop_services.h"

#include <QFile>
#include <QString>

#include <system_error>
#include <vector>

namespace volcalc::ui {
namespace {

const QString ChmType = QStringLiteral("application/vnd.ms-htmlhelp");

QString Text(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

void OpenHelp(QWidget* owner, const std::filesystem::path& folder) {
    // A stock desktop has no CHM viewer and would hand the file to an archive manager, or to
    // nothing: the pages then open as HTML.
    std::vector<std::filesystem::path> choices;
    if (!Desktop().DefaultApplication(ChmType).isEmpty()) {
        choices.push_back(folder / "TORVA.CHM");
    }
    choices.push_back(folder / "index.html");
    for (const std::filesystem::path& file : choices) {
        if (IsFile(file) && Desktop().ShellOpen(owner, Text(file))) {
            return;
        }
    }
    Desktop().ShowMessage(
        QStringLiteral("The help could not be opened: neither TORVA.CHM with a CHM viewer nor "
                       "index.html with the web browser opened from\n") +
            Text(folder),
        MessageKind::Error, OkButton);
}

} // namespace volcalc::ui
