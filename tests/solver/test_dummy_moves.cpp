// The DUMMY route holds the clients no vehicle takes: moves may empty it, never fill it.

#include "move_checks.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace test_support;

namespace {

// Appends the DUMMY record (costs 10000 times those of the real records) as a limited
// fleet's construction does.
void add_dummy_record(VRP& vrp)
{
    VRP::Solution scratch;
    vrp.add_dummy_route(scratch);
}

std::size_t dummy_clients(const VRP& vrp, const VRP::Solution& solution)
{
    std::size_t count = 0;
    for (const Route& route : solution.routes) {
        if (vrp.is_dummy(route.container)) {
            count += route.visits.size() - 2;
        }
    }
    return count;
}

// Tries the six moves in slot order, starting over after every applied move, until
// none applies or `limit` moves were applied. Returns the number applied; the DUMMY
// route must never gain a client on the way.
int descend(VRP& vrp, VRP::Solution& solution, int limit)
{
    int applied = 0;
    for (std::size_t slot = 0; slot < 6 && applied < limit;) {
        const std::size_t before = dummy_clients(vrp, solution);
        std::vector<int> v_changed;
        if ((vrp.*kInterMoveFns[slot])(solution, v_changed)) {
            EXPECT_LE(dummy_clients(vrp, solution), before) << "slot " << slot;
            ++applied;
            slot = 0;
        } else {
            ++slot;
        }
    }
    return applied;
}

}  // namespace

// One real route (1, 2, 3) that has no room for client 4 of the DUMMY route. Exchanging
// the tails at (1, 0) together with the vehicle types would put client 1 beside client 4
// on the DUMMY route; it must pay the penalty, not collect it, or relocation pulls the
// client back and the two moves take turns for ever.
TEST(DummyMoves, TailExchangeOnExchangedTypesPutsNoClientIntoTheDummyRoute)
{
    Instance instance = flat_instance({10, 10, 10, 10});
    instance.containers.push_back(make_container("truck", 35, 1, 100.0, 1.0));
    VRP vrp(&instance);
    add_dummy_record(vrp);
    VRP::Solution solution = make_solution(vrp, {{0, {1, 2, 3}}, {1, {4}}});
    EXPECT_EQ(DBL_MAX, vrp.two_opt_star_inter_delta(solution, 0, 1, 1, 0, 1, 0));
    // Leaving the lists as they are and exchanging the types fills the DUMMY route too.
    EXPECT_EQ(DBL_MAX, vrp.two_opt_star_inter_delta(solution, 0, 1, 3, 1, 1, 0));
    std::vector<int> v_changed;
    EXPECT_FALSE(vrp.two_opt_star_inter(solution, v_changed));
    EXPECT_EQ(0, descend(vrp, solution, 50));
}

// A client that can leave the DUMMY route does so at once: the first such candidate in
// scan order is taken, and no later one displaces it.
TEST(DummyMoves, TheFirstClientThatCanLeaveTheDummyRouteLeavesIt)
{
    Instance instance = flat_instance({1, 1, 1});
    instance.containers.push_back(make_container("van", 100, 1, 100.0, 1.0));
    VRP vrp(&instance);
    add_dummy_record(vrp);
    VRP::Solution solution = make_solution(vrp, {{0, {1}}, {1, {2, 3}}});
    EXPECT_EQ(DBL_MAX, vrp.relocate_inter_delta(solution, 0, 1, 1, 0));
    EXPECT_EQ(-DBL_MAX, vrp.relocate_inter_delta(solution, 1, 0, 1, 0));
    std::vector<int> v_changed;
    ASSERT_TRUE(vrp.relocate_inter(solution, v_changed));
    EXPECT_EQ((std::vector<int>{1, 0}), v_changed);
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}, {3}}), route_clients(solution));
    expect_matches_rebuild(vrp, solution);
}

// Random limited fleets with a DUMMY route holding what did not fit: every descent ends,
// and no applied move adds a client to the DUMMY route.
TEST(DummyMoves, DescentsEndAndNeverFillTheDummyRoute)
{
    std::mt19937 rng(41);
    std::uniform_int_distribution<int> capacity(20, 60);
    int emptied = 0;
    for (int round = 0; round < 40; ++round) {
        Instance instance = random_instance(rng, 12);
        instance.containers[0].capacity = capacity(rng);
        instance.containers[1].capacity = capacity(rng);
        VRP vrp(&instance);
        add_dummy_record(vrp);
        VRP::Solution solution = make_solution(
            vrp, {{0, {1, 2}}, {1, {3, 4, 5}}, {0, {6}}, {0, {}}, {2, {7, 8, 9, 10, 11}}});
        const std::size_t before = dummy_clients(vrp, solution);
        EXPECT_LT(descend(vrp, solution, 500), 500) << "round " << round;
        expect_matches_rebuild(vrp, solution);
        emptied += dummy_clients(vrp, solution) < before ? 1 : 0;
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
    EXPECT_GT(emptied, 10);
}
