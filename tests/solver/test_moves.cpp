// The ten moves: every candidate priced exactly, the load tests, the DUMMY and empty routes.

#include "document_checks.h"
#include "search/cost_bounds.h"
#include "search/search_memory.h"

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
        v_changed_loads->insert(
            v_changed_loads->end(),
            {v_changed[k], solution.route_load[static_cast<std::size_t>(v_changed[k])]});
    }
    return route_clients(solution);
}

// The candidate a plain scan takes: the first that improves by more than 0.01, then only
// one lower still by more than 0.01 (null when none improves).
const Candidate* plain_choice(const Candidates& v_all)
{
    double best = 0.0;
    const Candidate* chosen = nullptr;
    for (const Candidate& candidate : v_all) {
        if (is_less(candidate.delta, best)) {
            best = candidate.delta;
            chosen = &candidate;
        }
    }
    return chosen;
}

// What the floors and screens of the scans read, one thing changed per problem.
struct Problem {
    const char* name;
    int windows;         // 0: as drawn, 1: a fifth as wide, 2: none that binds, 3: an instant,
                         // 4: as drawn but every fifth closes before it opens
    int legs;            // 0: as drawn, 1: whole numbers the same both ways (ties abound),
                         // 2: cheap towards lower client numbers, dear back
    bool open;           // the return legs cost nothing
    bool round_demands;  // demands in steps of 10 (zero too), loads meet the capacities
    double penalty;      // per unit of time warp
};

Instance problem_instance(const Problem& problem, std::mt19937& rng)
{
    Instance instance = random_instance(rng, 26);
    const std::size_t n = instance.clients.size();
    std::uniform_int_distribution<int> tens(0, 4);
    const int shares[] = {1, 5, 1, 1, 1};
    for (std::size_t a = 0; a < n; ++a) {
        Client& client = instance.clients[a];
        const int width = problem.windows == 2 ? 100000 : problem.windows == 3 ? 0
                          : (client.late_tw - client.early_tw) / shares[problem.windows];
        client.late_tw = client.early_tw + (problem.windows == 4 && a % 5 == 2 ? -width : width);
        client.demand = problem.round_demands && a > 0 ? 10 * tens(rng) : client.demand;
        for (std::size_t b = 0; b < n; ++b) {
            for (auto* matrix : {&instance.Mdij, &instance.Mtij}) {
                double& leg = (*matrix)[a][b];
                if (problem.legs == 1 && a != b) {
                    leg = b < a ? (*matrix)[b][a] : std::round(leg / 10);
                } else if (problem.legs == 2 && a != b) {
                    leg = b < a ? leg / 10 : 100 + leg;
                }
                leg = problem.open && b == 0 && a > 0 ? 0.0 : leg;
            }
        }
    }
    instance.containers[1].capacity = problem.round_demands ? 90 : 200;
    return instance;
}

// One of 0 .. size - 1, drawn evenly.
std::size_t any_of(std::mt19937& rng, std::size_t size)
{
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(rng);
}

}  // namespace

// Every candidate of the ten moves is priced as the rebuilt routes' cost change: long routes
// with ample capacities, short ones with capacities near their loads and zero demands.
TEST(Moves, EveryCandidateIsPricedAsTheRebuiltRoutesCost)
{
    std::size_t candidates = 0;
    for (unsigned seed : {11u, 21u}) {
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> size(4, 13), capacity(15, 90);
        std::bernoulli_distribution zero(0.3), all_zero(0.2);
        for (int round = 0; round < 50; ++round) {
            Instance instance = random_instance(rng, size(rng));
            const bool none = all_zero(rng);
            for (std::size_t c = 1; seed == 21 && c < instance.clients.size(); ++c) {
                instance.clients[c].demand = none || zero(rng) ? 0 : instance.clients[c].demand;
            }
            for (int k = 0; seed == 21 && k < 2; ++k) {
                instance.containers[static_cast<std::size_t>(k)].capacity = capacity(rng);
            }
            VRP vrp(&instance);
            const VRP::Solution solution = random_routes(vrp, rng, seed == 11 ? 9 : 5, 2);
            for (int move = 0; move < 10; ++move) {
                for (unsigned r = 0; r < (move < 4 ? solution.routes.size() : 1); ++r) {
                    for (const Candidate& candidate :
                         move < 4 ? intra_candidates(vrp, solution, move, r)
                                  : inter_candidates(vrp, solution, move - 4)) {
                        VRP::Solution moved = solution;
                        candidate.apply(moved);
                        EXPECT_NEAR(expect_matches_rebuild(vrp, moved) - solution.total_cost,
                                    candidate.delta, 1e-6);
                        ++candidates;
                    }
                }
            }
            ASSERT_FALSE(HasFailure()) << "seed " << seed << ", round " << round;
        }
    }
    EXPECT_GT(candidates, 12000u);
}

// Each move, called again and again on a descending solution (so that what it remembers of
// earlier scans and orders, its floors and its screens are all in play, near local optima
// too), takes exactly the candidate a plain scan of all its candidates takes, near-ties
// included. One solver is assigned each problem in turn and keeps nothing of the one before;
// prices change and change back on the way, and a kick shakes a solution no move improves.
TEST(Moves, EachMoveTakesWhatAPlainScanTakes)
{
    const Problem problems[] = {
        {"symmetric", 0, 1, false, false, 1000.0}, {"one way", 0, 2, false, false, 1000.0},
        {"tight", 1, 0, false, false, 1000.0},     {"loose", 2, 0, false, false, 1000.0},
        {"open", 0, 0, true, false, 1000.0},       {"open symmetric", 1, 1, true, false, 1000.0},
        {"warps", 3, 0, false, false, 50.0},       {"round demands", 1, 0, false, true, 1000.0},
        {"reversed windows", 4, 1, false, false, 1000.0}};
    int taken[10] = {};
    VRP vrp;
    for (const Problem& problem : problems) {
        for (unsigned seed : {5u, 6u, 7u}) {
            std::mt19937 rng(seed);
            Instance instance = problem_instance(problem, rng);
            vrp = VRP(&instance);
            vrp.time_warp_penalty = problem.penalty;
            VRP::Solution solution = random_routes(vrp, rng, 11, 2);
            // Moves 0 to 3 within a route, drawn more often; 4 to 9 between routes.
            std::discrete_distribution<int> pick({3, 3, 3, 3, 1, 1, 1, 1, 1, 1});
            for (int step = 0, idle = 0; step < 300; ++step) {
                if (step == 150 || step == 220) {  // other prices, then the first again
                    vrp.time_warp_penalty = step == 150 ? 30.0 : problem.penalty;
                    instance.containers[0].var_cost = step == 150 ? 3.5 : 2.0;
                    refresh_solution(vrp, solution);
                }
                const int move = pick(rng);
                auto r = static_cast<unsigned>(any_of(rng, solution.routes.size()));
                const Candidates v_all = move < 4 ? intra_candidates(vrp, solution, move, r)
                                                  : inter_candidates(vrp, solution, move - 4);
                if (idle >= 6 && !v_all.empty()) {  // a kick: any candidate, improving or not
                    v_all[any_of(rng, v_all.size())].apply(solution);
                    idle = 0;
                    continue;
                }
                const Candidate* chosen = plain_choice(v_all);
                VRP::Solution expected = solution;
                if (chosen != nullptr) chosen->apply(expected);
                std::vector<int> v_changed(2, -1);
                const bool moved = move < 4 ? (vrp.*kIntraMoveFns[move])(solution, r)
                                            : (vrp.*kInterMoveFns[move - 4])(solution, v_changed);
                ASSERT_EQ(chosen != nullptr, moved) << problem.name << ", seed " << seed
                                                    << ", step " << step << ", move " << move;
                ASSERT_EQ(shapes(expected), shapes(solution)) << problem.name << ", step " << step;
                expect_matches_rebuild(vrp, solution);
                taken[move] += moved ? 1 : 0;
                idle = moved ? 0 : idle + 1;
            }
        }
    }
    EXPECT_GT(*std::min_element(taken, taken + 10), 50);
}

// A capacity equal to a changed route's new load refuses the candidate (the tail exchange keeps
// it), one more lets it through, zero demands too; sums beyond the int range fit no vehicle.
TEST(MoveCapacity, ALoadEqualToTheCapacityIsRefusedExceptByTheTailExchangeAndPairsKeepTheLastTwo)
{
    std::mt19937 rng(31);
    int checked[6] = {};
    int zero_applied[6] = {};  // in the rounds where every demand is zero
    for (int round = 0; round < 90; ++round) {
        Instance instance = random_instance(rng, 9);
        instance.containers[0].capacity = instance.containers[1].capacity = 100000;
        for (std::size_t c = 0; round % 3 == 0 && c < instance.clients.size(); ++c) {
            instance.clients[c].demand = 0;  // a route then has no non-zero demand at all
        }
        VRP vrp(&instance);
        const VRP::Solution start = make_solution(vrp, {{0, {1, 2, 3, 4}}, {1, {5, 6, 7, 8}}});
        for (int move = kRelocate; move <= kTwoOptStar; ++move) {
            std::vector<int> v_loads;  // name, load, name, load
            const auto vv_ample = run_move(vrp, start, kInterMoveFns[move], &v_loads);
            zero_applied[move] += round % 3 == 0 && !vv_ample.empty() ? 1 : 0;
            // A relocation tests only the route that receives. Route r runs on type r.
            for (std::size_t k = move <= kRelocatePair ? 2 : 0; !vv_ample.empty() && k < 4;
                 k += 2, ++checked[move]) {
                int& capacity = instance.containers[static_cast<std::size_t>(v_loads[k])].capacity;
                capacity = v_loads[k + 1];
                EXPECT_EQ(move == kTwoOptStar,
                          vv_ample == run_move(vrp, start, kInterMoveFns[move]))
                    << move;
                capacity = v_loads[k + 1] + 1;
                EXPECT_EQ(vv_ample, run_move(vrp, start, kInterMoveFns[move])) << "move " << move;
                capacity = 100000;
            }
        }
    }
    EXPECT_GT(*std::min_element(checked, checked + 6), 10);
    EXPECT_GT(*std::min_element(zero_applied, zero_applied + 5), 5);  // moves 0 to 4 still apply
    Instance huge = flat_instance({2000000000, 2000000000, 2000000000}, {{"huge", 2147483647, 5}});
    VRP wide(&huge);
    for (InterMoveFn move : kInterMoveFns) {
        EXPECT_TRUE(
            run_move(wide, make_solution(wide, {{0, {1}}, {0, {2}}, {0, {3}}}), move).empty());
    }
    // A client of demand 0 fits a route with room for less than its smallest non-zero demand.
    Instance zero = flat_instance({0, 5, 7}, {{"van", 10, 5, 100.0, 1.0}});
    zero.Mdij[1][2] = zero.Mdij[2][1] = 50.0;  // client 1 is far from client 2
    zero.Mdij[1][3] = zero.Mdij[3][1] = 1.0;   // and next to client 3
    VRP tight(&zero);
    EXPECT_EQ((std::vector<std::vector<int>>{{2}, {1, 3}}),
              run_move(tight, make_solution(tight, {{0, {2, 1}}, {0, {3}}}), &VRP::relocate_inter));
    // The last two clients of a route are never a pair: a route of two offers none, though
    // emptying it pays; moving (2, 3) would pay as much as moving (1, 2), which alone moves.
    Instance five = flat_instance({1, 1, 1, 1, 1},
                                  {{"dear", 100, 5, 100.0, 10.0}, {"cheap", 100, 5, 100.0, 1.0}});
    VRP pairs(&five);
    for (InterMoveFn move :
         {&VRP::relocate_pair_inter, &VRP::swap_pairs_inter, &VRP::swap_pair_single_inter}) {
        EXPECT_TRUE(
            run_move(pairs, make_solution(pairs, {{0, {1, 2}}, {1, {3}}, {1, {4, 5}}}), move)
                .empty());
    }
    const VRP::Solution three = make_solution(pairs, {{0, {1, 2, 3}}, {1, {4}}});
    EXPECT_TRUE(is_less(pairs.relocate_pair_inter_delta(three, 0, 1, 2, 3, 0), 0.0));
    EXPECT_EQ((std::vector<std::vector<int>>{{3}, {1, 2, 4}}),
              run_move(pairs, three, &VRP::relocate_pair_inter));
}

// Route (1, 2, 3) has no room for client 4 of the DUMMY route. Exchanging the tails at (1, 0)
// with the vehicle types would put client 1 on the DUMMY route: it must pay the penalty, not
// collect it, or relocation pulls it back and the two take turns for ever. A client that can
// leave the DUMMY route leaves at once; on random limited fleets no move ever fills it.
TEST(DummyMoves, NoMoveFillsTheDummyRouteAndTheFirstClientThatCanLeaveLeaves)
{
    Instance instance = flat_instance({10, 10, 10, 10}, {{"truck", 35, 1, 100.0, 1.0}});
    VRP vrp(&instance);
    add_dummy_record(vrp);
    const VRP::Solution stuck = make_solution(vrp, {{0, {1, 2, 3}}, {1, {4}}});
    EXPECT_EQ(DBL_MAX, vrp.two_opt_star_inter_delta(stuck, 0, 1, 1, 0, 1, 0));
    // Leaving the lists as they are and exchanging the types fills the DUMMY route too.
    EXPECT_EQ(DBL_MAX, vrp.two_opt_star_inter_delta(stuck, 0, 1, 3, 1, 1, 0));
    for (InterMoveFn move : kInterMoveFns) EXPECT_TRUE(run_move(vrp, stuck, move).empty());
    instance.containers[0].capacity = 100;
    VRP::Solution leaving = make_solution(vrp, {{0, {1}}, {1, {2, 3}}});
    EXPECT_EQ(DBL_MAX, vrp.relocate_inter_delta(leaving, 0, 1, 1, 0));
    EXPECT_EQ(-DBL_MAX, vrp.relocate_inter_delta(leaving, 1, 0, 1, 0));
    std::vector<int> v_loads;
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}, {3}}),
              run_move(vrp, leaving, &VRP::relocate_inter, &v_loads));
    EXPECT_EQ((std::vector<int>{1, 10, 0, 20}), v_loads);

    std::mt19937 rng(41);
    std::uniform_int_distribution<int> capacity(20, 60);
    for (int round = 0; round < 40; ++round) {
        Instance fleet = random_instance(rng, 12);
        fleet.containers[0].capacity = capacity(rng);
        fleet.containers[1].capacity = capacity(rng);
        VRP limited(&fleet);
        add_dummy_record(limited);
        VRP::Solution solution = make_solution(
            limited, {{0, {1, 2}}, {1, {3, 4, 5}}, {0, {6}}, {0, {}}, {2, {7, 8, 9, 10, 11}}});
        // The six moves in slot order, starting over after every applied move.
        int applied = 0;
        for (std::size_t slot = 0; slot < 6 && applied < 500;) {
            const std::size_t before = route_clients(solution)[4].size();  // the DUMMY route's
            std::vector<int> v_changed;
            const bool moved = (limited.*kInterMoveFns[slot])(solution, v_changed);
            EXPECT_LE(route_clients(solution)[4].size(), before) << "slot " << slot;
            applied += moved ? 1 : 0;
            slot = moved ? 0 : slot + 1;
        }
        EXPECT_LT(applied, 500) << "round " << round;
        expect_matches_rebuild(limited, solution);
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}

// With an unlimited fleet every vehicle type keeps one empty route for the moves to fill,
// in type order after the routes there were; the DUMMY record gets none.
TEST(EmptyRoutes, EveryTypeButTheDummyKeepsExactlyOneEmptyRoute)
{
    Instance instance = flat_instance(
        {1, 1, 1, 1},
        {{"a", 10, 4, 100.0, 1.0}, {"b", 10, 4, 120.0, 1.0}, {"c", 10, 4, 140.0, 1.0}});
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {1, 2}}, {1, {}}, {2, {3, 4}}});
    const double total = solution.total_cost;
    vrp.add_empty_routes(solution);
    vrp.add_empty_routes(solution);
    EXPECT_EQ((std::vector<std::vector<int>>{{0, 1, 2}, {1}, {2, 3, 4}, {0}, {2}}),
              shapes(solution));
    EXPECT_EQ((std::vector<int>{9, 10, 9}), solution.remaining_vehicles);
    EXPECT_EQ(total, expect_matches_rebuild(vrp, solution));
    add_dummy_record(vrp);
    VRP::Solution with_dummy = make_solution(vrp, {{0, {1, 2}}, {3, {3, 4}}});
    vrp.add_empty_routes(with_dummy);
    EXPECT_EQ((std::vector<std::vector<int>>{{0, 1, 2}, {3, 3, 4}, {0}, {1}, {2}}),
              shapes(with_dummy));
}

// A fruitless order is recalled for its move only, and not once the order, the vehicle type
// or its prices differ, nor by a copy of the memory.
TEST(IntraMemory, RecallsAFruitlessOrderOnlyForItsMoveOrderAndPrices)
{
    std::mt19937 rng(5);
    Instance instance = random_instance(rng, 6);
    const VRP vrp(&instance);
    Route route;
    for (int c : {0, 1, 2, 3, 0}) route.visits.push_back(Visit{c});
    Route swapped = route;
    std::swap(swapped.visits[1], swapped.visits[2]);
    Route other_type = route;
    other_type.container = 1;
    moves::IntraMemory memory;
    EXPECT_FALSE(memory.known_fruitless(vrp, route, moves::IntraMove::swap));
    memory.remember_fruitless(moves::IntraMove::swap);
    struct Case {
        const Route* route;
        moves::IntraMove move;
        double var_cost;
        bool known;
    };
    for (const Case& c : {Case{&route, moves::IntraMove::swap, 2.0, true},
                          Case{&route, moves::IntraMove::two_opt, 2.0, false},
                          Case{&swapped, moves::IntraMove::swap, 2.0, false},
                          Case{&other_type, moves::IntraMove::swap, 2.0, false},
                          Case{&route, moves::IntraMove::swap, 2.5, false}}) {
        instance.containers[0].var_cost = c.var_cost;
        EXPECT_EQ(c.known, memory.known_fruitless(vrp, *c.route, c.move));
    }
    instance.containers[0].var_cost = 2.0;
    // A copy of a solver starts with an empty memory.
    vrp.search_memory().intra.known_fruitless(vrp, route, moves::IntraMove::swap);
    vrp.search_memory().intra.remember_fruitless(moves::IntraMove::swap);
    const VRP copy = vrp;
    EXPECT_FALSE(copy.search_memory().intra.known_fruitless(copy, route, moves::IntraMove::swap));
    EXPECT_TRUE(vrp.search_memory().intra.known_fruitless(vrp, route, moves::IntraMove::swap));
}

// A route's reach: per client the least leg to or from any of its visits, the depot once, on
// routes from none to eleven clients (the legs are taken in blocks of rows).
TEST(RouteEnds, ReachIsTheLeastLegBetweenEachClientAndTheRoute)
{
    for (unsigned seed : {3u, 4u}) {
        std::mt19937 rng(seed);
        Instance instance = random_instance(rng, 40);
        const std::size_t n = instance.clients.size();
        for (std::size_t a = 0; seed == 4 && a < n; ++a) {
            for (std::size_t b = 0; b < a; ++b) instance.Mdij[a][b] = instance.Mdij[b][a];
        }
        VRP vrp(&instance);
        const VRP::Solution solution = random_routes(vrp, rng, 11, 1);
        moves::ProblemFacts facts;
        facts.read(vrp);
        moves::RouteEnds ends;
        ends.refresh(vrp, solution, facts);
        for (unsigned r = 0; r < solution.routes.size(); ++r) {
            const std::vector<Visit>& v_visits = solution.routes[r].visits;
            const moves::RouteReach& reach = ends.reach(r);
            for (unsigned x = 0; x < vrp.client_count(); ++x) {
                double from = HUGE_VAL;
                double to = HUGE_VAL;
                for (std::size_t p = 0; p + 1 < v_visits.size(); ++p) {
                    const auto visit = static_cast<unsigned>(v_visits[p].client);
                    from = std::min(from, vrp.distance(visit, x));
                    to = std::min(to, vrp.distance(x, visit));
                }
                EXPECT_EQ(from, reach.v_from[x]) << "seed " << seed << ", route " << r << ", " << x;
                EXPECT_EQ(to, reach.v_to[x]) << "seed " << seed << ", route " << r << ", " << x;
            }
        }
    }
}
