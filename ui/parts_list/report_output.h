// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <string>

class QPrinter;
class QWidget;

namespace volcalc::ui {

struct OnDemandFunctions;

// "Export CSV…" of the parts list and of the order: the save dialog as ChooseFileToSave opens it,
// then the file chosen replaced by the text; an error box names a file that could not be written.
// `what` names the document in the messages ("list", "order").
void ExportText(QWidget* owner, const QString& caption, const QString& fileName, const QString& what,
                const std::function<std::string()>& text);

// "Print…": the desktop's print dialog, then `print` on the printer chosen. An error box says why
// when the printing module cannot be loaded.
void PrintThroughDialog(QWidget* owner, const QString& what,
                        const std::function<void(const OnDemandFunctions&, QPrinter&)>& print);

} // namespace volcalc::ui
