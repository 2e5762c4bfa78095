// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting/order_plan.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QThread;
class QTimer;

namespace volcalc::ui {

// What a finished run brings back to the window.
struct PlanningOutcome {
    std::vector<cutting::GroupOrder> Orders;
    QString Problem;        // why there is no plan; empty when there is one
    bool Cancelled = false; // the plan is the best the search had found when asked to stop
};

// Plans an order on a thread of its own, so that the window answers while the search runs; the
// progress and the outcome arrive on the window's thread. One run at a time.
class OrderPlanning : public QObject {
public:
    // Runs on the planning thread; SolverError and std::invalid_argument become the outcome's
    // problem.
    using PlanFunction = std::function<std::vector<cutting::GroupOrder>(cutting::PlanControl&)>;

    explicit OrderPlanning(QObject* parent);
    // A run still going is asked to stop and waited for; its outcome is dropped.
    ~OrderPlanning() override;
    OrderPlanning(const OrderPlanning&) = delete;
    OrderPlanning& operator=(const OrderPlanning&) = delete;

    // `progress` is called now and then with the group being planned (from 1), the groups in all
    // and the share of the whole search done, in thousandths; `done` once at the end.
    using ProgressFunction = std::function<void(int group, int groups, int permille)>;
    void Start(PlanFunction plan, ProgressFunction progress, std::function<void(PlanningOutcome)> done);
    // Asks the search to stop and keep the best plan found so far.
    void Cancel();
    bool Running() const { return m_thread != nullptr; }

private:
    void Finished();

    QTimer* m_timer;
    QThread* m_thread = nullptr;
    ProgressFunction m_progress;
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::shared_ptr<PlanningOutcome> m_outcome;
    std::function<void(PlanningOutcome)> m_done;
};

} // namespace volcalc::ui
