// The segment tables against a plain walk along the same visits.

#include "move_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace test_support;

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

// Every (i, j) of route r, forward and backward, against walks from several start times.
void check_route_against_walks(const Instance& instance, const VRP::Solution& solution,
                               unsigned r)
{
    const std::vector<Visit>& v_visits = solution.routes[r].visits;
    const auto n = static_cast<int>(v_visits.size());
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            std::vector<int> v_order;
            for (int p = i; p != j + (i <= j ? 1 : -1); p += i <= j ? 1 : -1) {
                v_order.push_back(v_visits[static_cast<std::size_t>(p)].client);
            }
            const Segment s =
                solution.segment(r, static_cast<unsigned>(i), static_cast<unsigned>(j));
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

}  // namespace

TEST(SegmentTables, EveryEntryMatchesAWalkOnRandomAsymmetricInstances)
{
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> size(2, 12);
    for (int round = 0; round < 220; ++round) {
        Instance instance = random_instance(rng, size(rng));
        const VRP vrp(&instance);
        const VRP::Solution solution = random_routes(vrp, rng, 4, 2);
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
        Instance instance = random_instance(rng, 10);
        const VRP vrp(&instance);
        VRP::Solution solution = random_routes(vrp, rng, 4, 2);
        // Move the first client of route 0 to the front of the last (empty) route,
        // and reverse what is left of route 0.
        const auto last = static_cast<unsigned>(solution.routes.size() - 1);
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
        vrp.update_route_costs(solution);
        for (unsigned r : {0u, last}) {
            solution.routes[r].load = solution.route_load[r];
            solution.routes[r].distance = solution.segment(r, 0, static_cast<unsigned>(
                solution.routes[r].visits.size() - 1)).distance;
        }
        expect_matches_rebuild(vrp, solution);
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}
