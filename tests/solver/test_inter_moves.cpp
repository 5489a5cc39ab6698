// The six moves between two routes: exact pricing, the candidate each move takes, and
// the changed-route list.

#include "move_checks.h"

#include <gtest/gtest.h>

#include <set>

using namespace test_support;

namespace {

// Capacities near the route loads and many zero demands, so that the load tests both
// pass and fail.
void tighten(std::mt19937& rng, Instance& instance)
{
    std::uniform_int_distribution<int> capacity(15, 90);
    std::bernoulli_distribution zero(0.3);
    for (std::size_t c = 1; c < instance.clients.size(); ++c) {
        if (zero(rng)) {
            instance.clients[c].demand = 0;
        }
    }
    instance.containers[0].capacity = capacity(rng);
    instance.containers[1].capacity = capacity(rng);
}

// The routes the move changed are exactly the two it names, first the one it names first.
void expect_changed_names(const VRP::Solution& before, const VRP::Solution& after,
                          const std::vector<int>& v_changed)
{
    ASSERT_EQ(2u, v_changed.size());
    const auto v_old = shapes(before);
    const auto v_new = shapes(after);
    std::set<int> differing;
    for (std::size_t r = 0; r < v_old.size(); ++r) {
        if (!(v_old[r] == v_new[r])) {
            differing.insert(static_cast<int>(r));
        }
    }
    EXPECT_NE(v_changed[0], v_changed[1]);
    for (int r : differing) {
        EXPECT_TRUE(r == v_changed[0] || r == v_changed[1]) << "route " << r;
    }
}

}  // namespace

TEST(InterMoves, EveryCandidateIsPricedAsTheRebuiltRoutesCost)
{
    std::size_t priced = 0;
    for_random_solutions(21, 40, 5, tighten, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocate; move <= kTwoOptStar; ++move) {
            const Candidates v_all = inter_candidates(vrp, solution, move);
            expect_candidates_priced_exactly(vrp, solution, v_all);
            priced += v_all.size();
        }
    });
    EXPECT_GT(priced, 3000u);
}

TEST(InterMoves, EachStepTakesTheFirstOfTheBestCandidatesAndNamesItsTwoRoutes)
{
    int applied_moves = 0;
    for_random_solutions(22, 60, 5, tighten, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocate; move <= kTwoOptStar; ++move) {
            for (int step = 0; step < 200; ++step) {
                const VRP::Solution before = solution;
                std::vector<int> v_changed{7, 7, 7};
                const bool applied = expect_reference_step(
                    vrp, solution, inter_candidates(vrp, solution, move),
                    [&]() { return (vrp.*kInterMoveFns[move])(solution, v_changed); });
                ASSERT_FALSE(HasFailure()) << "move " << move;
                if (!applied) {
                    EXPECT_EQ((std::vector<int>{-1, -1}), v_changed);
                    break;
                }
                expect_changed_names(before, solution, v_changed);
                ++applied_moves;
            }
        }
    });
    EXPECT_GT(applied_moves, 200);
}

TEST(InterMoves, RelocationNamesTheRouteTheClientLeftFirst)
{
    for_random_solutions(23, 30, 5, tighten, [](VRP& vrp, VRP::Solution& solution) {
        const auto v_before = route_clients(solution);
        std::vector<int> v_changed;
        if (vrp.relocate_inter(solution, v_changed)) {
            const auto v_after = route_clients(solution);
            const auto from = static_cast<std::size_t>(v_changed[0]);
            const auto to = static_cast<std::size_t>(v_changed[1]);
            EXPECT_EQ(v_before[from].size(), v_after[from].size() + 1);
            EXPECT_EQ(v_before[to].size() + 1, v_after[to].size());
        }
    });
}

TEST(InterMoves, NoRouteOrOneRouteOffersNothing)
{
    Instance instance = []() {
        std::mt19937 rng(5);
        return random_instance(rng, 6);
    }();
    VRP vrp(&instance);
    for (const auto& v_routes :
         {std::vector<RouteSpec>{}, std::vector<RouteSpec>{{0, {1, 2, 3, 4, 5}}}}) {
        for (InterMoveFn move : kInterMoveFns) {
            VRP::Solution solution = make_solution(vrp, v_routes);
            std::vector<int> v_changed;
            EXPECT_FALSE((vrp.*move)(solution, v_changed));
            EXPECT_EQ((std::vector<int>{-1, -1}), v_changed);
        }
    }
}
