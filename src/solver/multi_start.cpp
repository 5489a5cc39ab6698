// Time-limited multi-start search: each restart builds a solution by randomized
// insertion, improves it, then alternates disturbance and local search on it.

#include "vrp.h"

#include "search_limit.h"
#include "solver_utils.h"

#include <cfloat>

namespace {
// The best solution before any restart: no route, and any solution beats its cost.
VRP::Solution no_best_yet(const VRP& vrp)
{
    VRP::Solution best;
    vrp.init_solution(best);
    best.total_cost = DBL_MAX;
    return best;
}
}  // namespace

VRP::Solution VRP::multi_start_ils(double max_time)
{
    Solution best = no_best_yet(*this);
    int best_routes = 2147483647;
    SearchLimit limit(*this, max_time);
    const ActiveSearchLimit active(*this, limit);
    const std::vector<SolutionRoutine> v_disturbances = initialize_solution_disturbance_routines();
    const std::vector<SolutionRoutine> v_searches = initialize_local_search_routines();
    // The one-pass search where the descent would take longest to settle.
    const SolutionRoutine& search =
        (!fleet_unlimited && !triangular) ? v_searches[1] : v_searches[0];
    auto improve_and_keep = [&](Solution& solution) {
        search(solution);
        remove_empty_routes(solution);
        keep_best(best, solution, best_routes);
    };

    // The first restart always runs, whatever the limit, so that every client ends up
    // either on a route or listed as unrouted.
    int restarts_done = 0;
    while (restarts_done == 0 || limit.restart_allowed(restarts_done)) {
        ++restarts_done;
        Solution solution = randomized_insertion();
        improve_and_keep(solution);
        // Counts a DUMMY record appended just now. A restart whose local search ran into
        // the limit disturbs nothing more.
        const int rounds = limit.iteration_count(disturbance_rounds());
        if (rounds > 0 && limit.iterations_allowed() && !limit.passed()) {
            for (int round = 0; round < rounds; ++round) {
                const int x = rand_int(0, static_cast<int>(v_disturbances.size()) - 1);
                v_disturbances[static_cast<std::size_t>(x)](solution);
                improve_and_keep(solution);
                limit.measure();
                if (limit.time_is_up()) {
                    break;
                }
            }
        }
        limit.measure();
    }
    for (unsigned r = 0; r < best.routes.size(); ++r) {
        intra_route_search(best, r);
    }
    best.total_time = limit.last_elapsed();
    return best;
}

VRP::Solution VRP::multi_start_ils_variant(double max_time)
{
    return multi_start_ils(max_time);
}

VRP::Solution VRP::grasp_search(double max_time)
{
    Solution best = no_best_yet(*this);
    int best_routes = 2147483647;
    const SearchClock clock;
    const double limit = 0.98 * max_time;
    double elapsed = 0.0;
    do {  // the first restart always runs
        Solution solution = randomized_insertion();
        local_search_rvnd(solution);
        remove_empty_routes(solution);
        keep_best(best, solution, best_routes);
        elapsed = clock.elapsed();
    } while (limit > elapsed && !stop_requested());
    best.total_time = elapsed;
    return best;
}
