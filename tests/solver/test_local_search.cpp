// Local searches: which moves they draw, in which order, and what they leave behind.

#include "move_checks.h"
#include "search_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using test_support::DrawTape;
using test_support::make_container;
using test_support::fleet_solution;

namespace {

// Two clients; two types of one vehicle each (a limited fleet), both fixed cost 100.
struct TwoClients {
    Instance instance = test_support::flat_instance({1, 1});
    VRP vrp;

    TwoClients()
    {
        instance.containers.push_back(make_container("van", 10, 1, 100.0, 1.0));
        instance.containers.push_back(make_container("car", 10, 1, 100.0, 1.0));
        vrp = test_support::checked_vrp(instance);
    }
};

// Draws of one intra-route descent in which every move fails: 4, 3, 2 then 1 left.
void fail_every_intra_move(DrawTape& tape)
{
    for (int left = 4; left > 0; --left) {
        tape.next(0, left - 1);
    }
}

// Draws of an inter-route search in which only the first of `succeeding` slots drawn
// succeeds, polishing both changed routes; restart says whether the table starts afresh.
void one_inter_success(DrawTape& tape, const std::vector<int>& v_succeeding, bool restart)
{
    std::vector<int> v_left = {0, 1, 2, 3, 4, 5};
    bool succeeded = false;
    while (!v_left.empty()) {
        const auto x = static_cast<std::size_t>(tape.next(0, static_cast<int>(v_left.size()) - 1));
        const bool wins = !succeeded && std::count(v_succeeding.begin(), v_succeeding.end(),
                                                   v_left[x]) > 0;
        if (wins) {
            succeeded = true;
            fail_every_intra_move(tape);
            fail_every_intra_move(tape);
        }
        if (wins && restart) {
            v_left = {0, 1, 2, 3, 4, 5};
        } else {
            v_left.erase(v_left.begin() + static_cast<long>(x));
        }
    }
}

// Every client once, and the tables and costs those routes would get from scratch.
void expect_sound(VRP& vrp, const VRP::Solution& solution, int clients)
{
    std::vector<int> v_all;
    for (const auto& v_clients : test_support::route_clients(solution)) {
        v_all.insert(v_all.end(), v_clients.begin(), v_clients.end());
    }
    std::sort(v_all.begin(), v_all.end());
    std::vector<int> v_expected(static_cast<std::size_t>(clients - 1));
    std::iota(v_expected.begin(), v_expected.end(), 1);
    EXPECT_EQ(v_expected, v_all);
    test_support::expect_matches_rebuild(vrp, solution);
}

}  // namespace

TEST(LocalSearch, NothingToImproveDrawsEachMoveOnce)
{
    TwoClients scene;
    for (const bool rvnd : {true, false}) {
        // One route: the four intra-route moves on route 0, then the six inter-route ones.
        VRP::Solution solution = fleet_solution(scene.vrp, {{0, {1, 2}}});
        DrawTape tape(3);
        rvnd ? scene.vrp.local_search_rvnd(solution) : scene.vrp.local_search_pass(solution);
        EXPECT_EQ(test_support::route_clients(fleet_solution(scene.vrp, {{0, {1, 2}}})),
                  test_support::route_clients(solution));
        fail_every_intra_move(tape);
        for (int left = 6; left > 0; --left) {
            tape.next(0, left - 1);
        }
        EXPECT_TRUE(tape.generator_at_cursor()) << (rvnd ? "rvnd" : "pass");
    }
}

TEST(LocalSearch, TheDummyRouteIsNeverReorderedAndDrawsNothing)
{
    TwoClients scene;
    VRP::Solution scratch;
    scene.vrp.add_dummy_route(scratch);
    VRP::Solution solution = fleet_solution(scene.vrp, {{scene.vrp.dummy_container, {2, 1}}});
    DrawTape tape(5);
    scene.vrp.intra_route_search(solution, 0);
    EXPECT_TRUE(tape.generator_at_cursor());
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}}), test_support::route_clients(solution));
}

TEST(LocalSearch, DescentStartsAfreshAfterASuccessAndThePassDoesNot)
{
    // Two routes of one client each: joining them saves a fixed cost, which relocation
    // (slot 0) and tail exchange (slot 5) both find; after that nothing improves.
    TwoClients scene;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        for (const bool rvnd : {true, false}) {
            VRP::Solution solution = fleet_solution(scene.vrp, {{0, {1}}, {1, {2}}});
            DrawTape tape(seed);
            rvnd ? scene.vrp.local_search_rvnd(solution) : scene.vrp.local_search_pass(solution);
            fail_every_intra_move(tape);
            one_inter_success(tape, {0, 5}, rvnd);
            EXPECT_TRUE(tape.generator_at_cursor()) << "seed " << seed << (rvnd ? " rvnd" : " pass");
            scene.vrp.remove_empty_routes(solution);
            ASSERT_EQ(1u, solution.routes.size());
            EXPECT_EQ(2u, test_support::route_clients(solution)[0].size());
        }
    }
}

TEST(LocalSearch, DescentEndsWhereNoInterRouteMoveImproves)
{
    std::mt19937 rng(17);
    for (int round = 0; round < 6; ++round) {
        Instance instance = test_support::random_instance(rng, 14);
        instance.containers[0].quantity = round % 2 == 0 ? 3 : 20;  // limited, then unlimited
        instance.containers[1].quantity = round % 2 == 0 ? 1 : 20;
        VRP vrp = test_support::checked_vrp(instance);
        VRP::Solution solution = vrp.randomized_insertion();
        const double built = solution.total_cost;
        vrp.local_search_rvnd(solution);
        EXPECT_LE(solution.total_cost, built + 1e-6);
        for (const VRP::InterRouteMove& move : vrp.initialize_inter_route_neighborhoods()) {
            std::vector<int> v_changed;
            EXPECT_FALSE(move(solution, v_changed)) << "round " << round;
        }
        expect_sound(vrp, solution, 14);
        // An unlimited fleet ends with one empty route per type for the moves to fill.
        std::vector<int> v_empty(static_cast<std::size_t>(vrp.container_count()), 0);
        for (const Route& route : solution.routes) {
            v_empty[static_cast<std::size_t>(route.container)] += route.visits.size() == 2;
        }
        if (vrp.fleet_unlimited) {
            EXPECT_EQ((std::vector<int>{1, 1}), v_empty) << "round " << round;
        }
        vrp.local_search_pass(solution);
        expect_sound(vrp, solution, 14);
    }
}
