// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting/order_plan.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace volcalc::ui {

class PartsListModel;

// "Order": the stock bars to buy for the parts list's pieces that are cut from bars, per shape,
// cross-section and material, with their cuts and offcuts, masses, offcut share and cost. The
// stock lengths and the kerf are remembered between runs.
class OrderDialog : public QDialog {
public:
    // The costs are those of the rows, each at the price it was calculated with.
    OrderDialog(const PartsListModel& model, QWidget* parent);

    // Shows the dialog planned for the list as it is now.
    void ShowAndPlan();

private:
    void BuildFields();
    void BuildButtons();
    // The fields' stock lengths and kerf; nothing, with the problem shown, when they do not read.
    std::optional<cutting::OrderSettings> ReadFields();
    void Plan();
    void CopyClicked();
    void ExportClicked();
    void PrintClicked();

    const PartsListModel& m_model;
    cutting::OrderSettings m_settings;
    std::vector<cutting::GroupOrder> m_orders;
    QLineEdit* m_stocksField = nullptr;
    QLineEdit* m_kerfField = nullptr;
    QLabel* m_problem = nullptr;
    QPlainTextEdit* m_planText = nullptr;
    QPushButton* m_planButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_printButton = nullptr;
};

} // namespace volcalc::ui
