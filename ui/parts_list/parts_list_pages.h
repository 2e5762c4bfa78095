// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QTextDocument;

namespace volcalc::ui {

class PartsListModel;
struct OnDemandFunctions;

// The list as tab-separated text with a header line, one line per row and the totals last, so
// that it pastes into a spreadsheet as cells. Cells read as the window shows them, but figures
// in full, so that the rows sum in the spreadsheet to the totals.
QString PartsListTabText(const PartsListModel& model);

// The printed list: a title, the date, the job's name, then the table with its
// header repeated on every page and the totals last, its columns fitted to the width of the
// page's text (in the document's units, 1/96 inch).
std::unique_ptr<QTextDocument> PartsListDocument(const PartsListModel& model, const QString& jobName,
                                                 double textWidth);

// Lays the list out on the printer's pages and prints it, through the module that prints.
void PrintPartsList(const OnDemandFunctions& module, const PartsListModel& model, const QString& jobName,
                    QPrinter& printer);

} // namespace volcalc::ui
