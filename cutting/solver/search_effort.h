// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The work one plan's search may do, counted in steps so that the same problem gets the same plan
// on every run and every machine, however busy. A safety clock far beyond what the budgets take
// on this kind of machine, and the caller's cancel, halt every step at once; only then does the
// plan depend on anything but the problem.

#include "cutting/cutting_plan.h"

#include <chrono>
#include <cstdint>

namespace volcalc::cutting {

class SearchEffort {
public:
    using Clock = std::chrono::steady_clock;

    SearchEffort(PlanControl* control, Clock::duration safety);

    // Counts work done; now and then looks at the clock and the cancel flag.
    void Spend(std::int64_t steps);
    std::int64_t Spent() const { return m_spent; }
    // The clock fired or the caller cancelled: every step stops.
    bool Halted() const { return m_halted; }
    bool ClockFired() const { return m_clockFired; }
    // For GLPK, whose calls cannot be halted from outside: the safety clock's time left.
    int MillisecondsLeft() const;
    void Report(std::int64_t total, Units bought, Units bound) const;
    // Looks at the clock and the cancel flag now: after a call into GLPK, which may have stopped on
    // the safety clock.
    void Look();

private:
    PlanControl* m_control;
    Clock::time_point m_safetyEnd;
    std::int64_t m_spent = 0;
    std::int64_t m_nextLook = 0;
    bool m_halted = false;
    bool m_clockFired = false;
};

// A step of the search may go on until the effort spent reaches `Until`.
struct StepLimit {
    SearchEffort* Effort = nullptr;
    std::int64_t Until = 0;

    bool Reached() const { return Effort->Halted() || Effort->Spent() >= Until; }
    std::int64_t Left() const {
        return Effort->Halted() ? 0 : std::max<std::int64_t>(0, Until - Effort->Spent());
    }
    // A limit `share` of the way from now to this one.
    StepLimit Part(double share) const {
        return {Effort, Effort->Spent() + static_cast<std::int64_t>(static_cast<double>(Left()) * share)};
    }
    StepLimit AtMost(std::int64_t steps) const { return {Effort, std::min(Until, Effort->Spent() + steps)}; }
    // A limit this much beyond the effort spent, whatever this one's.
    StepLimit Beyond(std::int64_t steps) const { return {Effort, Effort->Spent() + steps}; }
};

} // namespace volcalc::cutting
