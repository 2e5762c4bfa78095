// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_effort.h"

#include <algorithm>
#include <ctime>

namespace volcalc::cutting {

namespace {

// Work between two looks at the clock: a few microseconds of search.
constexpr std::int64_t StepsPerLook = 256;

std::int64_t ThreadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000 + now.tv_nsec / 1000;
}

} // namespace

SearchEffort::SearchEffort(PlanControl* control, std::chrono::milliseconds safety)
    : m_control(control), m_safetyEnd(ThreadMicroseconds() + safety.count() * 1000) {
    Look();
}

void SearchEffort::Spend(std::int64_t steps) {
    m_spent += steps;
    if (m_spent >= m_nextLook) {
        Look();
    }
}

void SearchEffort::Look() {
    m_nextLook = m_spent + StepsPerLook;
    if (m_halted) {
        return;
    }
    if (m_control != nullptr && m_control->Cancelled()) {
        m_halted = true;
    } else if (ThreadMicroseconds() >= m_safetyEnd) {
        m_halted = true;
        m_clockFired = true;
    }
}

void SearchEffort::Report(std::int64_t total, Units bought, Units bound) const {
    if (m_control != nullptr) {
        m_control->Report({std::min(m_spent, total), total, bought, bound});
    }
}

} // namespace volcalc::cutting
