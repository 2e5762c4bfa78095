// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_effort.h"

#include <algorithm>

namespace volcalc::cutting {

namespace {

// Work between two looks at the clock: a few microseconds of search.
constexpr std::int64_t StepsPerLook = 256;

} // namespace

SearchEffort::SearchEffort(PlanControl* control, Clock::duration safety)
    : m_control(control), m_safetyEnd(Clock::now() + safety) {
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
    } else if (Clock::now() >= m_safetyEnd) {
        m_halted = true;
        m_clockFired = true;
    }
}

int SearchEffort::MillisecondsLeft() const {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_safetyEnd - Clock::now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 1, 1'000'000'000));
}

void SearchEffort::Report(std::int64_t total, Units bought, Units bound) const {
    if (m_control != nullptr) {
        m_control->Report({std::min(m_spent, total), total, bought, bound});
    }
}

} // namespace volcalc::cutting
