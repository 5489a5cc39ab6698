// Randomized cheapest insertion: seed routes with random clients, then insert the
// client whose cheapest position under one random criterion and weight is cheapest.

#include "vrp.h"

#include "cheapest_places.h"
#include "solver_utils.h"

namespace {
// Whether some unrouted client fits an empty vehicle of some real type. When none
// does, opening more vehicles can never place them: they go to the DUMMY route.
bool some_client_fits_a_vehicle(const VRP& vrp, const std::vector<int>& v_unrouted)
{
    for (int c = 0; c < vrp.container_count(); ++c) {
        for (int k : v_unrouted) {
            if (!vrp.is_dummy(c) &&
                fits_vehicle(0, vrp.demand(static_cast<unsigned>(k)), vrp.container(c).capacity)) {
                return true;
            }
        }
    }
    return false;
}
}  // namespace

std::vector<VRP::InsertionCriterion> VRP::initialize_insertion_criteria_routines() const
{
    return {[this](unsigned i, unsigned, unsigned k, unsigned c, double) {
                return container(static_cast<int>(c)).var_cost * travel(i, k);
            },
            [this](unsigned i, unsigned j, unsigned k, unsigned c, double mu) {
                const double detour = ((travel(i, k) + travel(k, j)) - travel(i, j)) -
                                      mu * (travel(0, k) + travel(k, 0));
                return detour * container(static_cast<int>(c)).var_cost;
            }};
}

void VRP::insert_client(int position, int route, int after, std::vector<int>& v_unrouted,
                        Solution& solution) const
{
    const int k = v_unrouted[static_cast<std::size_t>(position)];
    Route& target = solution.routes[static_cast<std::size_t>(route)];
    target.visits.insert(target.visits.begin() + after + 1, Visit{k, 0, 0, 0});
    target.load = saturate_to_int(static_cast<long long>(target.load) +
                                  demand(static_cast<unsigned>(k)));
    v_unrouted.erase(v_unrouted.begin() + position);
}

VRP::Solution VRP::randomized_insertion()
{
    ++stats.restarts;
    std::vector<int> v_unrouted;
    Solution solution = seeded_solution(fleet_unlimited, v_unrouted);
    const std::vector<InsertionCriterion> v_criteria = initialize_insertion_criteria_routines();
    std::vector<double> v_weights(35, 0.0);
    for (std::size_t w = 1; w < v_weights.size(); ++w) {
        v_weights[w] = v_weights[w - 1] + 0.05;  // running sums, as the draws expect
    }
    const InsertionCriterion& criterion = v_criteria[static_cast<std::size_t>(
        rand_int(0, static_cast<int>(v_criteria.size()) - 1))];
    const double mu =
        v_weights[static_cast<std::size_t>(rand_int(0, static_cast<int>(v_weights.size()) - 1))];

    CheapestPlaces places(*this, mu, criterion);
    int position = -1;
    int route = -1;
    int after = -1;
    places.find(v_unrouted, solution, position, route, after);
    while (!v_unrouted.empty()) {
        while (position >= 0) {
            insert_client(position, route, after, v_unrouted, solution);
            places.route_changed(route);
            places.find(v_unrouted, solution, position, route, after);
        }
        if (v_unrouted.empty()) {
            break;
        }
        if (solution.fleet_unlimited && some_client_fits_a_vehicle(*this, v_unrouted)) {
            open_random_route(solution);
        } else {
            add_dummy_route(solution);
        }
        places.find(v_unrouted, solution, position, route, after);
    }

    finish_construction(solution);
    return solution;
}

void VRP::finish_construction(Solution& solution) const
{
    rebuild_route_data(solution);
    update_route_costs(solution);
    solution.total_distance = 0.0;
    for (unsigned r = 0; r < solution.routes.size(); ++r) {
        Route& built = solution.routes[r];
        const auto last = static_cast<unsigned>(built.visits.size()) - 1;
        built.distance = solution.seg_distance[r](0, last);
        built.load = solution.route_load[r];
        solution.total_distance += built.distance;
    }
}
