// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting/order_plan.h"

#include "ui/parts_list/order_planning.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;

namespace volcalc::ui {

class BarDiagramsView;
class PartsListModel;

// "Order": the stock bars to buy for the parts list's pieces that are cut from bars, per shape,
// cross-section and material, with their cuts and offcuts, masses, offcut share and cost, and
// each distinct bar drawn for the saw. The stock lengths and the kerf are remembered between
// runs. The search runs on a thread of its own, with its progress shown and a Cancel button that
// keeps the best plan found so far.
class OrderDialog : public QDialog {
public:
    // The search of a run: the on-demand module's unless replaced.
    using Planner = std::function<std::vector<cutting::GroupOrder>(
        std::span<const cutting::OrderItem>, const cutting::OrderSettings&, cutting::PlanControl&)>;

    // The costs are those of the rows, each at the price it was calculated with.
    OrderDialog(const PartsListModel& model, QWidget* parent);

    // Shows the dialog planned for the list as it is now.
    void ShowAndPlan();
    // Plans with this search from now on (tests hold a run in progress with it).
    void UsePlanner(Planner planner) { m_planner = std::move(planner); }
    // The name of the job the printed order is headed by.
    void SetJobName(const QString& name) { m_jobName = name; }

private:
    void BuildFields();
    void BuildButtons();
    void BuildProgress();
    // The fields' stock lengths and kerf; nothing, with the problem shown, when they do not read.
    std::optional<cutting::OrderSettings> ReadFields();
    void Plan();
    void ShowProgress(int group, int groups, int permille);
    void Planned(PlanningOutcome outcome);
    void SetPlanning(bool planning);
    void CancelClicked();
    void StockClicked();
    void CutClicked();
    void CopyClicked();
    void ExportClicked();
    void PrintClicked();

    const PartsListModel& m_model;
    cutting::OrderSettings m_settings;
    std::vector<cutting::GroupOrder> m_orders;
    Planner m_planner;
    QString m_jobName = QStringLiteral("Untitled");
    OrderPlanning* m_planning = nullptr;
    QLineEdit* m_stocksField = nullptr;
    QLineEdit* m_kerfField = nullptr;
    QLineEdit* m_keepField = nullptr;
    QPushButton* m_stockButton = nullptr;
    QPushButton* m_cutButton = nullptr;
    QLabel* m_problem = nullptr;
    QPlainTextEdit* m_planText = nullptr;
    BarDiagramsView* m_diagrams = nullptr;
    QScrollArea* m_diagramsArea = nullptr;
    QWidget* m_progressRow = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_planButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_printButton = nullptr;
};

} // namespace volcalc::ui
