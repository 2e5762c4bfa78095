// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting/order_plan.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;
class QTimer;

namespace volcalc::ui {

// What the search shares with the window while it runs on its own thread: the window asks it to
// stop, the search says how far it is. The search reads and writes these from its thread only
// through the atomics.
struct PlanningControl {
    std::atomic<bool> Cancelled{false};
    std::atomic<int> GroupsDone{0};
    std::atomic<int> Groups{0};
};

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
    using PlanFunction = std::function<std::vector<cutting::GroupOrder>(PlanningControl&)>;

    explicit OrderPlanning(QObject* parent);
    // A run still going is asked to stop and waited for; its outcome is dropped.
    ~OrderPlanning() override;
    OrderPlanning(const OrderPlanning&) = delete;
    OrderPlanning& operator=(const OrderPlanning&) = delete;

    // `progress` is called with the groups planned and the groups in all, `done` once at the end.
    void Start(PlanFunction plan, std::function<void(int, int)> progress,
               std::function<void(PlanningOutcome)> done);
    // Asks the search to stop and keep the best plan found so far.
    void Cancel();
    bool Running() const { return m_thread != nullptr; }

private:
    void Finished();

    QTimer* m_timer;
    QThread* m_thread = nullptr;
    std::function<void(int, int)> m_progress;
    std::shared_ptr<PlanningControl> m_control;
    std::shared_ptr<PlanningOutcome> m_outcome;
    std::function<void(PlanningOutcome)> m_done;
};

} // namespace volcalc::ui
