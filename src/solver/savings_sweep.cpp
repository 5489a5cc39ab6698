// The savings construction over 400 values of lambda, keeping the best result.

#include "vrp.h"

#include <algorithm>

VRP::Solution VRP::savings_lambda_sweep() const
{
    Solution best;
    init_solution(best);
    best.n_routes = 2147483647;
    // Running sums of 0.05 from -10.0, not exact multiples: the runs are reproducible
    // only with the same accumulation.
    double lambda = -10.0;
    for (int run = 0; run < 400; ++run) {
        Solution s = savings_heuristic(lambda);  // which sums total_distance
        s.total_time = 0.0;
        for (const Route& route : s.routes) {
            s.total_time += route.travel_time;
        }
        s.fleet_respected = std::none_of(s.remaining_vehicles.begin(), s.remaining_vehicles.end(),
                                         [](int left) { return left < 0; });
        lambda += 0.05;
        s.n_routes = static_cast<int>(s.routes.size());
        // Strict comparisons: on equal routes and distance the earlier lambda stays.
        if (s.n_routes < best.n_routes ||
            (s.n_routes == best.n_routes && s.total_distance < best.total_distance)) {
            best = std::move(s);
        }
    }
    return best;
}
