// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QTextDocument;

namespace volcalc::ui {

// The printed order: a title, the date, then the order's text with each group's line in bold.
std::unique_ptr<QTextDocument> OrderDocument(const QString& orderText);

} // namespace volcalc::ui
