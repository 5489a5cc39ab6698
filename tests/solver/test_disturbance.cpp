// Disturbances against a plain model of their draws: the same generator values must
// pick the same routes, positions and places, and refuse the same overloads.

#include "move_checks.h"
#include "search_support.h"

#include <gtest/gtest.h>

#include <utility>

using test_support::DrawTape;
using test_support::make_container;
using test_support::fleet_solution;

namespace {

// The routes' clients and loads, changed the way the disturbances are meant to.
struct Model {
    std::vector<std::vector<int>> vv_routes;
    std::vector<int> v_loads;
    std::vector<int> v_capacities;
    std::vector<int> v_demands;  // by client index
    int accepted = 0;
    int refused = 0;

    void disturb(DrawTape& tape, bool exchange)
    {
        const int last = static_cast<int>(vv_routes.size()) - 1;
        if (last < 1) {
            return;
        }
        const int attempts = tape.next(1, 3);
        for (int a = 0; a < attempts; ++a) {
            int r1 = 0;
            int r2 = 0;
            do {
                r1 = tape.next(0, last);
                r2 = tape.next(0, last);
            } while (r1 == r2);
            std::vector<int>& v_first = vv_routes[static_cast<std::size_t>(r1)];
            std::vector<int>& v_second = vv_routes[static_cast<std::size_t>(r2)];
            if (v_first.empty() || v_second.empty()) {
                continue;
            }
            // Visit p of a route holds client p - 1 of the list.
            const auto p1 = static_cast<std::size_t>(tape.next(1, static_cast<int>(v_first.size())) - 1);
            const auto p2 = static_cast<std::size_t>(tape.next(1, static_cast<int>(v_second.size())) - 1);
            const int c1 = v_first[p1];
            const int c2 = v_second[p2];
            const int load1 = v_loads[static_cast<std::size_t>(r1)] - demand(c1) + demand(c2);
            const int load2 = v_loads[static_cast<std::size_t>(r2)] - demand(c2) + demand(c1);
            if (load1 >= v_capacities[static_cast<std::size_t>(r1)] ||
                load2 >= v_capacities[static_cast<std::size_t>(r2)]) {
                ++refused;
                continue;
            }
            ++accepted;
            v_loads[static_cast<std::size_t>(r1)] = load1;
            v_loads[static_cast<std::size_t>(r2)] = load2;
            if (!exchange) {
                std::swap(v_first[p1], v_second[p2]);
                continue;
            }
            v_first.erase(v_first.begin() + static_cast<long>(p1));
            v_second.erase(v_second.begin() + static_cast<long>(p2));
            const int q2 = tape.next(1, static_cast<int>(v_second.size()) + 1);
            const int q1 = tape.next(1, static_cast<int>(v_first.size()) + 1);
            v_first.insert(v_first.begin() + q1 - 1, c2);
            v_second.insert(v_second.begin() + q2 - 1, c1);
        }
    }
    int demand(int c) const { return v_demands[static_cast<std::size_t>(c)]; }
};

struct Scene {
    Instance instance;
    VRP vrp;
    test_support::RoutePlan plan;

    Scene(const std::vector<int>& v_demands, int capacity, test_support::RoutePlan route_plan)
        : instance(test_support::flat_instance(v_demands)), plan(std::move(route_plan))
    {
        instance.containers.push_back(make_container("van", capacity, 4, 100.0, 1.5));
        vrp = test_support::checked_vrp(instance);
    }
    Model model(const VRP::Solution& solution) const
    {
        Model m;
        m.vv_routes = test_support::route_clients(solution);
        m.v_loads = solution.route_load;
        for (const Route& route : solution.routes) {
            m.v_capacities.push_back(vrp.container(route.container).capacity);
        }
        for (const Client& c : instance.clients) {
            m.v_demands.push_back(c.demand);
        }
        m.v_demands[0] = 0;
        return m;
    }
};

}  // namespace

TEST(Disturbance, DrawsAndTradesFollowTheModel)
{
    // Five routes: three on the van (capacity 15), one empty, one on the DUMMY record.
    Scene scene({3, 4, 5, 6, 2, 7, 9}, 15, {{0, {1, 2, 3}}, {0, {4, 5}}, {0, {6}}, {0, {}}});
    VRP::Solution scratch;
    scene.vrp.add_dummy_route(scratch);
    scene.plan.push_back({scene.vrp.dummy_container, {7}});

    int accepted = 0;
    int refused = 0;
    for (const bool exchange : {false, true}) {
        for (unsigned seed = 1; seed <= 40; ++seed) {
            VRP::Solution solution = fleet_solution(scene.vrp, scene.plan);
            Model model = scene.model(solution);
            DrawTape tape(seed);
            if (exchange) {
                scene.vrp.disturb_exchange(solution);
            } else {
                scene.vrp.disturb_swap(solution);
            }
            model.disturb(tape, exchange);
            ASSERT_TRUE(tape.generator_at_cursor()) << "seed " << seed;
            ASSERT_EQ(model.vv_routes, test_support::route_clients(solution)) << "seed " << seed;
            EXPECT_EQ(model.v_loads, solution.route_load) << "seed " << seed;
            test_support::expect_matches_rebuild(scene.vrp, solution);
            accepted += model.accepted;
            refused += model.refused;
        }
    }
    // The seeds exercise both outcomes of the load test.
    EXPECT_GT(accepted, 10);
    EXPECT_GT(refused, 5);
}

// One route draws nothing; a trade that would fill a vehicle exactly (loads 5 and 6 on
// capacity 6) is refused but still draws.
TEST(Disturbance, OneRouteDrawsNothingAndAnExactFillIsRefused)
{
    for (const bool one_route : {true, false}) {
        Scene scene({5, 6}, 6, one_route ? test_support::RoutePlan{{0, {1, 2}}}
                                         : test_support::RoutePlan{{0, {1}}, {0, {2}}});
        for (unsigned seed = 1; seed <= 20; ++seed) {
            const bool exchange = seed % 2 == 0;
            VRP::Solution solution = fleet_solution(scene.vrp, scene.plan);
            Model model = scene.model(solution);
            DrawTape tape(seed);
            exchange ? scene.vrp.disturb_exchange(solution) : scene.vrp.disturb_swap(solution);
            model.disturb(tape, exchange);
            EXPECT_EQ(0, model.accepted);
            EXPECT_TRUE(tape.generator_at_cursor()) << "seed " << seed;
            EXPECT_EQ(model.vv_routes, test_support::route_clients(solution));
            EXPECT_EQ(model.v_loads, solution.route_load);
        }
    }
}
