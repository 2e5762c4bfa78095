// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_planning.h"

#include "cutting/plan_cuts.h"

#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>

#include <stdexcept>

namespace volcalc::ui {
namespace {

// How often the window looks at the search's progress: often enough to look alive, seldom enough
// to cost nothing.
constexpr int ProgressMilliseconds = 100;

} // namespace

// What the planning thread and the window share: the control the search follows, and where it
// was at its last report, which the window reads on its timer.
struct OrderPlanning::Shared {
    std::atomic<int> Group{0};
    std::atomic<int> Groups{0};
    std::atomic<int> Permille{0};
    cutting::PlanControl Control{[this](const cutting::PlanProgress& progress) {
        const double inGroup =
            progress.Total > 0 ? static_cast<double>(progress.Done) / static_cast<double>(progress.Total) : 0;
        const double groups = static_cast<double>(std::max<std::size_t>(1, progress.Groups));
        Group = static_cast<int>(progress.Group) + 1;
        Groups = static_cast<int>(progress.Groups);
        Permille =
            static_cast<int>(1000 * (static_cast<double>(progress.Group) + std::min(1.0, inGroup)) / groups);
    }};
};

OrderPlanning::OrderPlanning(QObject* parent) : QObject(parent), m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_shared && m_progress) {
            m_progress(m_shared->Group, m_shared->Groups, m_shared->Permille);
        }
    });
}

OrderPlanning::~OrderPlanning() {
    if (m_thread) {
        m_shared->Control.Cancel();
        m_thread->wait();
        delete m_thread;
    }
}

void OrderPlanning::Start(PlanFunction plan, ProgressFunction progress,
                          std::function<void(PlanningOutcome)> done) {
    m_shared = std::make_shared<Shared>();
    m_outcome = std::make_shared<PlanningOutcome>();
    m_done = std::move(done);
    // The thread holds its own shares of the control and the outcome, whatever becomes of this.
    m_thread = QThread::create([plan = std::move(plan), shared = m_shared, outcome = m_outcome] {
        try {
            outcome->Orders = plan(shared->Control);
        } catch (const cutting::SolverError& error) {
            outcome->Problem = QString::fromUtf8(error.what());
        } catch (const std::invalid_argument& error) {
            outcome->Problem = QString::fromUtf8(error.what());
        }
        outcome->Cancelled = shared->Control.Cancelled();
    });
    m_progress = std::move(progress);
    connect(m_thread, &QThread::finished, this, &OrderPlanning::Finished, Qt::QueuedConnection);
    m_thread->start();
    m_timer->start(ProgressMilliseconds);
}

void OrderPlanning::Cancel() {
    if (m_shared) {
        m_shared->Control.Cancel();
    }
}

void OrderPlanning::Finished() {
    m_timer->stop();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    PlanningOutcome outcome = std::move(*m_outcome);
    // The callback may start the next run.
    const auto done = std::move(m_done);
    done(std::move(outcome));
}

} // namespace volcalc::ui
