// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/parts_list/bar_diagrams_view.h"

#include <QString>

#include <memory>
#include <vector>

class QTextDocument;

namespace volcalc::ui {

// The printed order: a title, the date, the job it is for, then the order's text (headed by its purchase
// list) with each group's line in bold; on the next page the diagrams for the saw, each group's name over its
// bars drawn across `textWidth` (the page's width between the margins, 1/96 inch).
std::unique_ptr<QTextDocument> OrderDocument(const QString& jobName, const QString& orderText,
                                             const std::vector<DiagramGroup>& diagrams, double textWidth);

} // namespace volcalc::ui
