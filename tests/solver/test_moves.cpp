// The ten moves: every candidate priced exactly, each step taking the first of the best
// candidates, the load tests, the DUMMY route and the empty routes.

#include "document_checks.h"

#include <cfloat>

using namespace test_support;

namespace {

// Applies the move to a copy: the clients of every route afterwards (none when it did not
// apply), and the names and new loads of the routes it changed.
std::vector<std::vector<int>> run_move(VRP& vrp, VRP::Solution solution, InterMoveFn move,
                                       std::vector<int>* v_changed_loads = nullptr)
{
    std::vector<int> v_changed;
    if (!(vrp.*move)(solution, v_changed)) {
        EXPECT_EQ((std::vector<int>{-1, -1}), v_changed);
        return {};
    }
    for (std::size_t k = 0; v_changed_loads != nullptr && k < 2; ++k) {
        v_changed_loads->insert(v_changed_loads->end(),
                                {v_changed[k], solution.route_load[static_cast<std::size_t>(v_changed[k])]});
    }
    return route_clients(solution);
}

// Per vehicle type: its empty routes, or (clients) the clients its routes serve.
std::vector<std::size_t> per_type(const VRP& vrp, const VRP::Solution& solution, bool clients)
{
    std::vector<std::size_t> v_count(static_cast<std::size_t>(vrp.container_count()), 0);
    for (const Route& route : solution.routes) {
        v_count[static_cast<std::size_t>(route.container)] += clients ? route.visits.size() - 2 : route.visits.size() == 2;
    }
    return v_count;
}

}  // namespace

// Every candidate of the ten moves is priced as the change of the rebuilt routes' cost;
// then each step takes the first of the best candidates until none improves (so no quick
// load test may hide one, also where every demand is zero). An inter-route step names the
// two routes it changed, the route a relocated client left first. Long routes with ample
// capacities, then short ones with capacities near their loads and many zero demands.
TEST(Moves, CandidatesArePricedExactlyAndEachStepTakesTheFirstBest)
{
    std::size_t candidates = 0;
    int steps = 0;
    const auto check = [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = 0; move < 10; ++move) {
            const int inter = move - 4;  // the inter-route slot, or negative
            for (unsigned r = 0; r < (inter < 0 ? solution.routes.size() : 1); ++r) {
                const auto list = [&]() {
                    return inter < 0 ? intra_candidates(vrp, solution, move, r) : inter_candidates(vrp, solution, inter);
                };
                const Candidates v_all = list();
                expect_candidates_priced_exactly(vrp, solution, v_all);
                candidates += v_all.size();
                unsigned route = r;
                for (int step = 0; step < 100; ++step, ++steps) {
                    const auto vv_before = shapes(solution);
                    std::vector<int> v_changed{7, 7, 7};
                    if (!expect_reference_step(vrp, solution, list(), [&]() {
                            return inter < 0 ? (vrp.*kIntraMoveFns[move])(solution, route)
                                             : (vrp.*kInterMoveFns[inter])(solution, v_changed);
                        })) {
                        EXPECT_TRUE(inter < 0 || v_changed == std::vector<int>({-1, -1}));
                        break;
                    }
                    const auto vv_after = shapes(solution);
                    for (int k = 0; inter >= 0 && k < static_cast<int>(vv_before.size()); ++k) {
                        ASSERT_TRUE(v_changed.size() == 2 && v_changed[0] != v_changed[1]);
                        EXPECT_TRUE(vv_before[k] == vv_after[k] || k == v_changed[0] || k == v_changed[1]);
                        EXPECT_TRUE(inter != kRelocate || k != v_changed[0] || vv_before[k].size() == vv_after[k].size() + 1);
                    }
                    ASSERT_FALSE(HasFailure()) << "move " << move;
                }
            }
        }
    };
    for_random_solutions(11, 40, 9, [](std::mt19937&, Instance&) {}, check);
    for_random_solutions(21, 60, 5, [](std::mt19937& rng, Instance& instance) {
        std::uniform_int_distribution<int> capacity(15, 90);
        std::bernoulli_distribution zero(0.3), all_zero(0.2);
        const bool none = all_zero(rng);
        for (std::size_t c = 1; c < instance.clients.size(); ++c) {
            instance.clients[c].demand = none || zero(rng) ? 0 : instance.clients[c].demand;
        }
        instance.containers[0].capacity = capacity(rng);
        instance.containers[1].capacity = capacity(rng);
    }, check);
    EXPECT_GT(candidates, 12000u);
    EXPECT_GT(steps, 400);
}

// Each route on a vehicle type of its own: a capacity equal to a changed route's new load
// refuses that candidate (the tail exchange keeps it), one unit more lets it through.
// Sums beyond the int range fit no vehicle.
TEST(MoveCapacity, ALoadEqualToTheCapacityIsRefusedExceptByTheTailExchange)
{
    std::mt19937 rng(31);
    int checked[6] = {};
    for (int round = 0; round < 60; ++round) {
        Instance instance = random_instance(rng, 9);
        instance.containers[0].capacity = instance.containers[1].capacity = 100000;
        VRP vrp(&instance);
        const VRP::Solution start = make_solution(vrp, {{0, {1, 2, 3, 4}}, {1, {5, 6, 7, 8}}});
        for (int move = kRelocate; move <= kTwoOptStar; ++move) {
            std::vector<int> v_loads;  // name, load, name, load
            const auto vv_ample = run_move(vrp, start, kInterMoveFns[move], &v_loads);
            // A relocation tests only the route that receives.
            for (std::size_t k = move <= kRelocatePair ? 2 : 0; !vv_ample.empty() && k < 4; k += 2, ++checked[move]) {
                int& capacity = instance.containers[static_cast<std::size_t>(start.routes[v_loads[k]].container)].capacity;
                capacity = v_loads[k + 1];
                EXPECT_EQ(move == kTwoOptStar, vv_ample == run_move(vrp, start, kInterMoveFns[move])) << move;
                capacity = v_loads[k + 1] + 1;
                EXPECT_EQ(vv_ample, run_move(vrp, start, kInterMoveFns[move])) << "move " << move;
                capacity = 100000;
            }
        }
    }
    EXPECT_GT(*std::min_element(checked, checked + 6), 10);
    Instance huge = flat_instance({2000000000, 2000000000, 2000000000}, {Container{"huge", 2147483647, 5}});
    VRP wide(&huge);
    for (InterMoveFn move : kInterMoveFns) {
        EXPECT_TRUE(run_move(wide, make_solution(wide, {{0, {1}}, {0, {2}}, {0, {3}}}), move).empty());
    }
}

// A client of demand 0 fits a route with room for less than its smallest non-zero demand.
// The last two clients of a route are never taken as a pair, so a route of two clients
// offers no pair at all, although emptying it would pay; and moving the last pair (2, 3)
// would pay as much as moving (1, 2), which alone moves.
TEST(MoveCapacity, ZeroDemandsFitAndPairMovesLeaveTheLastTwoClientsTogether)
{
    Instance zero = flat_instance({0, 5, 7}, {Container{"van", 10, 5, 100.0, 1.0}});
    zero.Mdij[1][2] = zero.Mdij[2][1] = 50.0;  // client 1 is far from client 2
    zero.Mdij[1][3] = zero.Mdij[3][1] = 1.0;   // and next to client 3
    VRP tight(&zero);
    EXPECT_EQ((std::vector<std::vector<int>>{{2}, {1, 3}}),
              run_move(tight, make_solution(tight, {{0, {2, 1}}, {0, {3}}}), &VRP::relocate_inter));
    Instance instance =
        flat_instance({1, 1, 1, 1, 1}, {Container{"dear", 100, 5, 100.0, 10.0}, Container{"cheap", 100, 5, 100.0, 1.0}});
    VRP vrp(&instance);
    for (InterMoveFn move : {&VRP::relocate_pair_inter, &VRP::swap_pairs_inter, &VRP::swap_pair_single_inter}) {
        EXPECT_TRUE(run_move(vrp, make_solution(vrp, {{0, {1, 2}}, {1, {3}}, {1, {4, 5}}}), move).empty());
    }
    const VRP::Solution three = make_solution(vrp, {{0, {1, 2, 3}}, {1, {4}}});
    EXPECT_TRUE(is_less(vrp.relocate_pair_inter_delta(three, 0, 1, 2, 3, 0), 0.0));
    EXPECT_EQ((std::vector<std::vector<int>>{{3}, {1, 2, 4}}), run_move(vrp, three, &VRP::relocate_pair_inter));
}

// One real route (1, 2, 3) has no room for client 4 of the DUMMY route. Exchanging the
// tails at (1, 0) together with the vehicle types would put client 1 beside client 4 on
// the DUMMY route; it must pay the penalty, not collect it, or relocation pulls the client
// back and the two moves take turns for ever. A client that can leave the DUMMY route does
// so at once, the first in scan order. On random limited fleets every descent ends and no
// applied move adds a client to the DUMMY route.
TEST(DummyMoves, NoMoveFillsTheDummyRouteAndTheFirstClientThatCanLeaveLeaves)
{
    Instance instance = flat_instance({10, 10, 10, 10}, {Container{"truck", 35, 1, 100.0, 1.0}});
    VRP vrp(&instance);
    add_dummy_record(vrp);
    const VRP::Solution stuck = make_solution(vrp, {{0, {1, 2, 3}}, {1, {4}}});
    EXPECT_EQ(DBL_MAX, vrp.two_opt_star_inter_delta(stuck, 0, 1, 1, 0, 1, 0));
    // Leaving the lists as they are and exchanging the types fills the DUMMY route too.
    EXPECT_EQ(DBL_MAX, vrp.two_opt_star_inter_delta(stuck, 0, 1, 3, 1, 1, 0));
    for (InterMoveFn move : kInterMoveFns) {
        EXPECT_TRUE(run_move(vrp, stuck, move).empty());
    }
    instance.containers[0].capacity = 100;
    VRP::Solution leaving = make_solution(vrp, {{0, {1}}, {1, {2, 3}}});
    EXPECT_EQ(DBL_MAX, vrp.relocate_inter_delta(leaving, 0, 1, 1, 0));
    EXPECT_EQ(-DBL_MAX, vrp.relocate_inter_delta(leaving, 1, 0, 1, 0));
    std::vector<int> v_loads;
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}, {3}}), run_move(vrp, leaving, &VRP::relocate_inter, &v_loads));
    EXPECT_EQ((std::vector<int>{1, 10, 0, 20}), v_loads);

    std::mt19937 rng(41);
    std::uniform_int_distribution<int> capacity(20, 60);
    int emptied = 0;
    for (int round = 0; round < 40; ++round) {
        Instance fleet = random_instance(rng, 12);
        fleet.containers[0].capacity = capacity(rng);
        fleet.containers[1].capacity = capacity(rng);
        VRP limited(&fleet);
        add_dummy_record(limited);
        VRP::Solution solution =
            make_solution(limited, {{0, {1, 2}}, {1, {3, 4, 5}}, {0, {6}}, {0, {}}, {2, {7, 8, 9, 10, 11}}});
        // The six moves in slot order, starting over after every applied move.
        int applied = 0;
        for (std::size_t slot = 0; slot < 6 && applied < 500;) {
            const std::size_t before = per_type(limited, solution, true)[2];
            std::vector<int> v_changed;
            const bool moved = (limited.*kInterMoveFns[slot])(solution, v_changed);
            EXPECT_LE(per_type(limited, solution, true)[2], before) << "slot " << slot;
            applied += moved ? 1 : 0;
            slot = moved ? 0 : slot + 1;
        }
        EXPECT_LT(applied, 500) << "round " << round;
        expect_matches_rebuild(limited, solution);
        emptied += per_type(limited, solution, true)[2] < 5 ? 1 : 0;
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
    EXPECT_GT(emptied, 10);
}

// With an unlimited fleet every vehicle type keeps one empty route for the moves to fill,
// in type order after the routes there were; the DUMMY record gets none. A relocation that
// empties a route leaves it in place as its type's empty route.
TEST(EmptyRoutes, EveryTypeButTheDummyKeepsExactlyOneEmptyRoute)
{
    Instance instance = flat_instance({1, 1, 1, 1}, {Container{"a", 10, 4, 100.0, 1.0}, Container{"b", 10, 4, 120.0, 1.0},
                                                     Container{"c", 10, 4, 140.0, 1.0}});
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {1, 2}}, {1, {}}, {2, {3, 4}}});
    const double total = solution.total_cost;
    vrp.add_empty_routes(solution);
    vrp.add_empty_routes(solution);
    ASSERT_EQ(5u, solution.routes.size());
    EXPECT_EQ((std::vector<int>{0, 2}), (std::vector<int>{solution.routes[3].container, solution.routes[4].container}));
    EXPECT_EQ((std::vector<std::size_t>{1, 1, 1}), per_type(vrp, solution, false));
    EXPECT_EQ((std::vector<int>{9, 10, 9}), solution.remaining_vehicles);
    EXPECT_EQ(total, expect_matches_rebuild(vrp, solution));

    VRP::Solution emptied = make_solution(vrp, {{0, {1}}, {0, {2}}, {0, {3, 4}}});
    emptied.fleet_unlimited = true;
    std::vector<int> v_changed;
    ASSERT_TRUE(vrp.relocate_inter(emptied, v_changed));
    EXPECT_EQ((std::vector<int>{0, 1}), v_changed);
    EXPECT_EQ((std::vector<std::size_t>{1, 1, 1}), per_type(vrp, emptied, false));
    EXPECT_EQ((std::vector<int>{10, 9, 9}), emptied.remaining_vehicles);
    expect_matches_rebuild(vrp, emptied);

    add_dummy_record(vrp);
    VRP::Solution with_dummy = make_solution(vrp, {{0, {1, 2}}, {3, {3, 4}}});
    vrp.add_empty_routes(with_dummy);
    EXPECT_EQ((std::vector<std::size_t>{1, 1, 1, 0}), per_type(vrp, with_dummy, false));
}
