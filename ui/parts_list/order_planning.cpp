// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_planning.h"

#include "cutting/plan_cuts.h"

#include <QThread>
#include <QTimer>

#include <stdexcept>

namespace volcalc::ui {
namespace {

// How often the window looks at the search's progress: often enough to look alive, seldom enough
// to cost nothing.
constexpr int ProgressMilliseconds = 100;

} // namespace

OrderPlanning::OrderPlanning(QObject* parent) : QObject(parent), m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_control && m_progress) {
            m_progress(m_control->GroupsDone, m_control->Groups);
        }
    });
}

OrderPlanning::~OrderPlanning() {
    if (m_thread) {
        m_control->Cancelled = true;
        m_thread->wait();
        delete m_thread;
    }
}

void OrderPlanning::Start(PlanFunction plan, std::function<void(int, int)> progress,
                          std::function<void(PlanningOutcome)> done) {
    m_control = std::make_shared<PlanningControl>();
    m_outcome = std::make_shared<PlanningOutcome>();
    m_done = std::move(done);
    // The thread holds its own shares of the control and the outcome, whatever becomes of this.
    m_thread = QThread::create([plan = std::move(plan), control = m_control, outcome = m_outcome] {
        try {
            outcome->Orders = plan(*control);
        } catch (const cutting::SolverError& error) {
            outcome->Problem = QString::fromUtf8(error.what());
        } catch (const std::invalid_argument& error) {
            outcome->Problem = QString::fromUtf8(error.what());
        }
        outcome->Cancelled = control->Cancelled;
    });
    m_progress = std::move(progress);
    connect(m_thread, &QThread::finished, this, &OrderPlanning::Finished, Qt::QueuedConnection);
    m_thread->start();
    m_timer->start(ProgressMilliseconds);
}

void OrderPlanning::Cancel() {
    if (m_control) {
        m_control->Cancelled = true;
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
