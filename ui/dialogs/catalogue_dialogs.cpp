// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/catalogue_dialogs.h"

#include "ui/desktop/desktop_services.h"
#include "ui/dialogs/add_material_dialog.h"

#include <QApplication>
#include <QDialog>

namespace volcalc::ui {
namespace {

// A dialog shows the normal pointer even while the window behind it is busy.
class NormalPointer {
public:
    NormalPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalPointer() { QApplication::restoreOverrideCursor(); }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;
};

} // namespace

std::optional<Material> WindowCatalogueDialogs::AskNewMaterial() {
    if (!m_addMaterialDialog) {
        return std::nullopt;
    }
    return m_addMaterialDialog->Ask();
}

bool WindowCatalogueDialogs::Confirm(const std::string& text) {
    NormalPointer pointer;
    return Desktop().ShowMessage(QString::fromStdString(text), MessageKind::Confirmation,
                                 YesButton | NoButton) == YesButton;
}

void WindowCatalogueDialogs::ShowError(const std::string& text) {
    NormalPointer pointer;
    Desktop().ShowMessage(QString::fromStdString(text), MessageKind::Error, YesButton);
}

void WindowCatalogueDialogs::SetBusyCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace volcalc::ui
