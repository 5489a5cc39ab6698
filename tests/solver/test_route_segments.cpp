// The segment tables against a plain walk along the same visits.

#include "instance_builder.h"
#include "vrp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

struct Walk {
    double duration = 0.0;
    double time_warp = 0.0;
    double distance = 0.0;
};

// Drives the visits in the given order, starting service at the first at time s:
// wait when early, absorb lateness as time warp (the clock goes back to late_tw).
Walk walk(const Instance& instance, const std::vector<int>& v_order, double s)
{
    Walk result;
    double time = s;
    for (std::size_t k = 0; k < v_order.size(); ++k) {
        const Client& visited = instance.clients[static_cast<std::size_t>(v_order[k])];
        if (k > 0) {
            const auto from = static_cast<std::size_t>(v_order[k - 1]);
            const auto to = static_cast<std::size_t>(v_order[k]);
            time += instance.Mtij[from][to];
            result.duration += instance.Mtij[from][to];
            result.distance += instance.Mdij[from][to];
        }
        if (time < visited.early_tw) {
            result.duration += visited.early_tw - time;
            time = visited.early_tw;
        }
        if (time > visited.late_tw) {
            result.time_warp += time - visited.late_tw;
            time = visited.late_tw;
        }
        time += visited.service_time;
        result.duration += visited.service_time;
    }
    return result;
}

void expect_near(double expected, double actual, const char* s_what)
{
    EXPECT_NEAR(expected, actual, 1e-9 * std::max(1.0, std::fabs(expected))) << s_what;
}

// Routes of 1 to 4 clients over a shuffled client list, plus an empty route.
VRP::Solution random_solution(const VRP& vrp, std::mt19937& rng, int n_clients)
{
    std::vector<int> v_clients(static_cast<std::size_t>(n_clients - 1));
    std::iota(v_clients.begin(), v_clients.end(), 1);
    std::shuffle(v_clients.begin(), v_clients.end(), rng);
    std::uniform_int_distribution<int> length(1, 4);
    VRP::Solution solution;
    std::size_t next = 0;
    while (next < v_clients.size()) {
        Route route = vrp.init_route(static_cast<int>(solution.routes.size() % 2));
        const std::size_t take = std::min<std::size_t>(static_cast<std::size_t>(length(rng)),
                                                       v_clients.size() - next);
        for (std::size_t k = 0; k < take; ++k) {
            route.visits.insert(route.visits.end() - 1, Visit{v_clients[next++], 0, 0, 0});
        }
        solution.routes.push_back(route);
    }
    solution.routes.push_back(vrp.init_route(0));
    vrp.rebuild_route_data(solution);
    vrp.update_route_costs(solution);
    return solution;
}

void check_route_against_walks(const Instance& instance, const VRP::Solution& solution,
                               unsigned r)
{
    const std::vector<Visit>& v_visits = solution.routes[r].visits;
    const unsigned n = static_cast<unsigned>(v_visits.size());
    for (unsigned i = 0; i < n; ++i) {
        for (unsigned j = 0; j < n; ++j) {
            std::vector<int> v_order;
            const int step = i <= j ? 1 : -1;
            for (int p = static_cast<int>(i);; p += step) {
                v_order.push_back(v_visits[static_cast<std::size_t>(p)].client);
                if (p == static_cast<int>(j)) {
                    break;
                }
            }
            const Segment s = solution.segment(r, i, j);
            expect_near(walk(instance, v_order, 0.0).distance, s.distance, "distance");
            // The two start times where the slopes change, and points on either side.
            for (double start : {s.earliest, s.latest, s.earliest - 77.5, s.latest + 91.25,
                                 0.5 * (s.earliest + s.latest)}) {
                const Walk w = walk(instance, v_order, start);
                expect_near(w.duration, s.duration + std::max(0.0, s.earliest - start),
                            "duration");
                expect_near(w.time_warp, s.time_warp + std::max(0.0, start - s.latest),
                            "time warp");
            }
        }
    }
}

void expect_same_route_data(const VRP::Solution& a, const VRP::Solution& b, unsigned r)
{
    EXPECT_EQ(a.route_load[r], b.route_load[r]);
    EXPECT_EQ(a.route_min_demand[r], b.route_min_demand[r]);
    EXPECT_EQ(a.route_max_demand[r], b.route_max_demand[r]);
    EXPECT_EQ(a.cumulative_load[r], b.cumulative_load[r]);
    EXPECT_TRUE(a.seg_duration[r] == b.seg_duration[r]);
    EXPECT_TRUE(a.seg_earliest[r] == b.seg_earliest[r]);
    EXPECT_TRUE(a.seg_latest[r] == b.seg_latest[r]);
    EXPECT_TRUE(a.seg_time_warp[r] == b.seg_time_warp[r]);
    EXPECT_TRUE(a.seg_distance[r] == b.seg_distance[r]);
    EXPECT_EQ(a.routes[r].cost, b.routes[r].cost);
}

}  // namespace

TEST(SegmentTables, EveryEntryMatchesAWalkOnRandomAsymmetricInstances)
{
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> size(2, 12);
    for (int round = 0; round < 220; ++round) {
        const int n_clients = size(rng);
        Instance instance = test_support::random_instance(rng, n_clients);
        const VRP vrp(&instance);
        const VRP::Solution solution = random_solution(vrp, rng, n_clients);
        // The last route is the empty one: its depot-to-depot join is no trip.
        for (unsigned r = 0; r + 1 < solution.routes.size(); ++r) {
            check_route_against_walks(instance, solution, r);
        }
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}

TEST(SegmentTables, UpdateAfterAChangeEqualsAFreshBuild)
{
    std::mt19937 rng(77);
    for (int round = 0; round < 200; ++round) {
        Instance instance = test_support::random_instance(rng, 10);
        const VRP vrp(&instance);
        VRP::Solution solution = random_solution(vrp, rng, 10);
        // Move the first client of route 0 to the front of the last (empty) route,
        // and reverse what is left of route 0.
        const unsigned last = static_cast<unsigned>(solution.routes.size() - 1);
        std::vector<Visit>& v_first = solution.routes[0].visits;
        const Visit moved = v_first[1];
        v_first.erase(v_first.begin() + 1);
        std::reverse(v_first.begin() + 1, v_first.end() - 1);
        solution.routes[last].visits.insert(solution.routes[last].visits.begin() + 1, moved);
        for (unsigned r : {0u, last}) {
            vrp.init_route_segments(solution, r);
        }
        for (unsigned r : {0u, last}) {
            vrp.update_route_segments(solution, r);
        }
        VRP::Solution fresh = solution;
        vrp.rebuild_route_data(fresh);
        vrp.update_route_costs(fresh);
        for (unsigned r = 0; r < solution.routes.size(); ++r) {
            expect_same_route_data(solution, fresh, r);
        }
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}
