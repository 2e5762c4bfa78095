// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/plan_cuts.h"
#include "cutting/solver/pattern_master.h"
#include "cutting/solver/solver_guard.h"

#include <glpk.h>

#include <gtest/gtest.h>

namespace volcalc::cutting {
namespace {

// An internal error of the solver refuses that one plan: the program goes on, the problem objects
// the error took with it are not deleted twice (the sanitizers see that), and the next plan is
// made as ever.
TEST(SolverGuard, AnInternalErrorRefusesThePlanAndTheNextOneIsMade) {
    {
        const std::int64_t demands[] = {2};
        PatternMaster master(demands);
        glp_prob* problem = glp_create_prob();
        EXPECT_THROW(RunGuarded([](void* p) { glp_set_obj_dir(static_cast<glp_prob*>(p), 12345); }, problem),
                     SolverError);
    }
    const CuttingPlan plan = PlanCuts({BuyableStocks(std::vector<Units>{6000000}), 0, {{2500000, 3}}});
    EXPECT_EQ(plan.Bars.size(), 2u);
}

} // namespace
} // namespace volcalc::cutting
