// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting/order_plan.h"

#include <QImage>
#include <QString>

#include <span>
#include <vector>

class QByteArray;
class QPrinter;
class QTextDocument;
class QWidget;

namespace volcalc::ui {

// What the windows do seldom and needs libraries of its own, printing (the print support library),
// the About box's JPEG wallpaper (libjpeg) and the order's cutting plans (GLPK), lives in a module
// that is loaded when first needed, so that starting the window loads none of these libraries.
struct OnDemandFunctions {
    // As DecodeJpeg (jpeg_decoder.h).
    QImage (*DecodeJpeg)(const QByteArray& bytes);
    // A high-resolution printer set to landscape pages; DeletePrinter frees it.
    QPrinter* (*NewPrinter)();
    void (*DeletePrinter)(QPrinter* printer);
    // The desktop's print dialog, which also offers printing into a PDF file; false when the user
    // cancelled.
    bool (*PrintDialog)(QWidget* owner, QPrinter& printer);
    // The width a document has on the printer's pages between the margins PrintDocument leaves,
    // in the document's units (1/96 inch).
    double (*PageTextWidth)(QPrinter& printer);
    // Lays the document out on the printer's pages as a job of that name and prints it, each
    // page numbered "Page 1 of 3".
    void (*PrintDocument)(QTextDocument& document, QPrinter& printer, const QString& jobName);
    // As cutting::PlanOrder (cutting/order_plan.h), followed and cancelled through the control.
    std::vector<cutting::GroupOrder> (*PlanOrder)(std::span<const cutting::OrderItem> items,
                                                  const cutting::OrderSettings& settings,
                                                  cutting::PlanControl& control);
};

// The name of the module's one exported function, which returns its table.
inline constexpr char OnDemandEntry[] = "volcalc_on_demand_functions";

// Loads the module on the first call, from beside the executable (the build tree, the portable
// folder) or from the installed tree's folder of private libraries, found from the executable's
// (../lib/x86_64-linux-gnu/orlisk-volcalc on Debian), and returns its functions; null when it
// cannot be loaded, and OnDemandProblem() says why.
const OnDemandFunctions* OnDemand();
QString OnDemandProblem();

} // namespace volcalc::ui
