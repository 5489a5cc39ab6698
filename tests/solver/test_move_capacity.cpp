// Load tests of the inter-route moves: strict for the five relocations and exchanges,
// inclusive for the tail exchange, in 64 bits, and sound for zero demands.

#include "move_checks.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

// The clients of every route after the move, and the loads of the two routes it names.
struct Outcome {
    bool applied;
    std::vector<std::vector<int>> v_clients;
    std::vector<int> v_changed;
    std::vector<int> v_loads;
};

Outcome run_move(VRP& vrp, VRP::Solution solution, InterMoveFn move)
{
    Outcome outcome;
    outcome.applied = (vrp.*move)(solution, outcome.v_changed);
    outcome.v_clients = route_clients(solution);
    for (int r : outcome.applied ? outcome.v_changed : std::vector<int>{}) {
        outcome.v_loads.push_back(solution.route_load[static_cast<std::size_t>(r)]);
    }
    return outcome;
}

}  // namespace

// Each route on a vehicle type of its own: with ample capacity the move takes some
// candidate; a capacity equal to a changed route's new load refuses that candidate
// (the tail exchange keeps it), one unit more lets it through again.
TEST(MoveCapacity, ALoadEqualToTheCapacityIsRefusedExceptByTheTailExchange)
{
    std::mt19937 rng(31);
    int checked[6] = {};
    for (int round = 0; round < 60; ++round) {
        Instance instance = random_instance(rng, 9);
        instance.containers = {make_container("a", 100000, 5, 100.0, 2.0),
                               make_container("b", 100000, 5, 250.0, 1.0)};
        VRP vrp(&instance);
        const VRP::Solution start = make_solution(vrp, {{0, {1, 2, 3, 4}}, {1, {5, 6, 7, 8}}});
        for (int move = kRelocate; move <= kTwoOptStar; ++move) {
            const Outcome ample = run_move(vrp, start, kInterMoveFns[move]);
            if (!ample.applied) {
                continue;
            }
            // A relocation tests only the route that receives.
            for (int k = move <= kRelocatePair ? 1 : 0; k < 2; ++k) {
                const auto route =
                    static_cast<std::size_t>(ample.v_changed[static_cast<std::size_t>(k)]);
                Container& type =
                    instance.containers[static_cast<std::size_t>(start.routes[route].container)];
                const int new_load = ample.v_loads[static_cast<std::size_t>(k)];
                type.capacity = new_load;
                const Outcome tight = run_move(vrp, start, kInterMoveFns[move]);
                if (move == kTwoOptStar) {
                    EXPECT_EQ(ample.v_clients, tight.v_clients) << "tail exchange, round " << round;
                } else {
                    EXPECT_NE(ample.v_clients, tight.v_clients)
                        << "move " << move << ", round " << round;
                }
                type.capacity = new_load + 1;
                EXPECT_EQ(ample.v_clients, run_move(vrp, start, kInterMoveFns[move]).v_clients)
                    << "move " << move << ", round " << round;
                type.capacity = 100000;
                ++checked[move];
            }
        }
    }
    for (int move = kRelocate; move <= kTwoOptStar; ++move) {
        EXPECT_GT(checked[move], 10) << "move " << move;
    }
}

// With every demand zero a route has no non-zero demand at all; the quick pair tests
// must still let the moves through.
TEST(MoveCapacity, MovesApplyWhenEveryDemandIsZero)
{
    std::mt19937 rng(32);
    int applied[5] = {};
    for (int round = 0; round < 30; ++round) {
        Instance instance = random_instance(rng, 10);
        for (Client& client : instance.clients) {
            client.demand = 0;
        }
        VRP vrp(&instance);
        const VRP::Solution start = random_routes(vrp, rng, 5, 2);
        ASSERT_EQ(2147483647, start.route_min_demand[0]);
        for (int move = kRelocate; move <= kSwapPairSingle; ++move) {
            applied[move] += run_move(vrp, start, kInterMoveFns[move]).applied ? 1 : 0;
        }
    }
    for (int move = kRelocate; move <= kSwapPairSingle; ++move) {
        EXPECT_GT(applied[move], 5) << "move " << move;
    }
}

// A client of demand 0 fits a route with room for less than the route's smallest
// non-zero demand.
TEST(MoveCapacity, AZeroDemandClientJoinsANearlyFullRoute)
{
    Instance instance = flat_instance({0, 5, 7});
    instance.Mdij[1][2] = instance.Mdij[2][1] = 50.0;  // client 1 is far from client 2
    instance.Mdij[1][3] = instance.Mdij[3][1] = 1.0;   // and next to client 3
    instance.containers.push_back(make_container("van", 10, 5, 100.0, 1.0));
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {2, 1}}, {0, {3}}});
    std::vector<int> v_changed;
    ASSERT_TRUE(vrp.relocate_inter(solution, v_changed));
    EXPECT_EQ((std::vector<std::vector<int>>{{2}, {1, 3}}), route_clients(solution));
}

// Two demands whose sum passes the int range do not fit a vehicle of the largest
// capacity, although their sum wraps to a negative int.
TEST(MoveCapacity, LoadSumsBeyondTheIntRangeDoNotFit)
{
    Instance instance = flat_instance({2000000000, 2000000000, 2000000000});
    instance.containers.push_back(make_container("huge", 2147483647, 5, 1000.0, 1.0));
    VRP vrp(&instance);
    const VRP::Solution start = make_solution(vrp, {{0, {1}}, {0, {2}}, {0, {3}}});
    for (InterMoveFn move : kInterMoveFns) {
        VRP::Solution solution = start;
        std::vector<int> v_changed;
        EXPECT_FALSE((vrp.*move)(solution, v_changed));
    }
}

// The last two clients of a route are never taken as a pair, so a route of two
// clients offers no pair at all, although emptying it would pay.
TEST(MoveCapacity, PairMovesLeaveTheLastTwoClientsTogether)
{
    Instance instance = flat_instance({1, 1, 1, 1, 1});
    instance.containers = {make_container("dear", 100, 5, 100.0, 10.0),
                           make_container("cheap", 100, 5, 100.0, 1.0)};
    VRP vrp(&instance);
    const VRP::Solution two = make_solution(vrp, {{0, {1, 2}}, {1, {3}}, {1, {4, 5}}});
    for (InterMoveFn move :
         {&VRP::relocate_pair_inter, &VRP::swap_pairs_inter, &VRP::swap_pair_single_inter}) {
        VRP::Solution solution = two;
        std::vector<int> v_changed;
        EXPECT_FALSE((vrp.*move)(solution, v_changed));
    }
    // Moving the last pair (2, 3) would pay as much as moving (1, 2); only (1, 2) moves.
    VRP::Solution three = make_solution(vrp, {{0, {1, 2, 3}}, {1, {4}}});
    EXPECT_TRUE(is_less(vrp.relocate_pair_inter_delta(three, 0, 1, 2, 3, 0), 0.0));
    std::vector<int> v_changed;
    ASSERT_TRUE(vrp.relocate_pair_inter(three, v_changed));
    EXPECT_EQ((std::vector<std::vector<int>>{{3}, {1, 2, 4}}), route_clients(three));
}
