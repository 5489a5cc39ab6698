#include "vrp.h"

#include "solver_utils.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The count of vehicles left of a real type; nullptr for the DUMMY record and unknown indices.
int* vehicles_left(const VRP& vrp, VRP::Solution& solution, int container_index)
{
    if (container_index < 0 ||
        static_cast<std::size_t>(container_index) >= solution.remaining_vehicles.size() ||
        vrp.is_dummy(container_index)) {
        return nullptr;
    }
    return &solution.remaining_vehicles[static_cast<std::size_t>(container_index)];
}

// Whether some c in [from, to) has d(b,a) + d(a,c) - d(b,c) below -0.01, given d(b,a) and
// the rows of a and b. No early exit, so that the compiler can take several c at a time.
bool detour_violates(double ba, const double* row_a, const double* row_b, unsigned from,
                     unsigned to)
{
    bool violates = false;
    for (unsigned c = from; c < to; ++c) {
        violates |= ba + row_a[c] - row_b[c] < -0.01;
    }
    return violates;
}
}  // namespace

VRP::VRP() = default;

VRP::VRP(Instance* instance_) : instance(instance_)
{
    std::srand(10);
    if (instance != nullptr) {
        copy_problem_data();
    }
}

void VRP::copy_problem_data()
{
    v_clients.assign(instance->clients.begin(), instance->clients.end());
    n_clients = static_cast<unsigned>(v_clients.size());
    if (n_clients > 0) {
        v_clients[0].demand = 0;  // the depot delivers nothing to itself
    }
    // Entries the document does not hold (a matrix smaller than the client list,
    // refused before any solve) stay 0.0 rather than being read out of range.
    v_legs.assign(static_cast<std::size_t>(n_clients) * n_clients, Leg{});
    auto copy_matrix = [this](const std::deque<std::deque<double>>& matrix, double Leg::*field) {
        for (unsigned a = 0; a < n_clients && a < matrix.size(); ++a) {
            for (unsigned b = 0; b < n_clients && b < matrix[a].size(); ++b) {
                v_legs[a * n_clients + b].*field = matrix[a][b];
            }
        }
    };
    copy_matrix(instance->Mtij, &Leg::travel);
    copy_matrix(instance->Mdij, &Leg::distance);
    v_distance.resize(v_legs.size());
    for (std::size_t k = 0; k < v_legs.size(); ++k) {
        v_distance[k] = v_legs[k].distance;
    }
}

int VRP::container_count() const
{
    return static_cast<int>(instance->containers.size());
}

void VRP::take_vehicle(Solution& solution, int container_index) const
{
    if (int* left = vehicles_left(*this, solution, container_index)) {
        --*left;
    }
}

void VRP::return_vehicle(Solution& solution, int container_index) const
{
    if (int* left = vehicles_left(*this, solution, container_index)) {
        ++*left;
    }
}

void VRP::check_instance()
{
    // Only the choice of local search for a limited fleet reads the flag, and the check
    // costs n^3: with an unlimited fleet it is left undecided (false).
    fleet_unlimited = check_fleet_unlimited();
    triangular = !fleet_unlimited && check_triangular_inequality();
}

bool VRP::check_triangular_inequality() const
{
    const unsigned n = n_clients;
    // Open routes: the matrix as given, with the return legs the reader set to 0.
    std::vector<double> v_given;
    const std::vector<double>& v_given_return = instance->v_given_return_distance;
    if (!v_given_return.empty()) {
        v_given = v_distance;
        for (unsigned a = 1; a < n && a < v_given_return.size(); ++a) {
            v_given[static_cast<std::size_t>(a) * n] = v_given_return[a];
        }
    }
    const std::vector<double>& v_matrix = v_given.empty() ? v_distance : v_given;
    for (unsigned a = 0; a < n; ++a) {
        const double* row_a = &v_matrix[static_cast<std::size_t>(a) * n];
        for (unsigned b = 0; b < n; ++b) {
            if (a == b) {
                continue;
            }
            const double* row_b = &v_matrix[static_cast<std::size_t>(b) * n];
            const double ba = row_b[a];
            // Every c apart from a and b, in the three runs they leave.
            const unsigned low = a < b ? a : b;
            const unsigned high = a < b ? b : a;
            if (detour_violates(ba, row_a, row_b, 0, low) ||
                detour_violates(ba, row_a, row_b, low + 1, high) ||
                detour_violates(ba, row_a, row_b, high + 1, n)) {
                return false;
            }
        }
    }
    return true;
}

bool VRP::check_fleet_unlimited() const
{
    const long long clients_less_depot = static_cast<long long>(instance->clients.size()) - 1;
    const auto& v_records = instance->containers;
    return std::all_of(v_records.begin(), v_records.end(), [&](const Container& record) {
        return record.quantity >= clients_less_depot;
    });
}

int VRP::disturbance_rounds() const
{
    return 5 * container_count() + static_cast<int>(instance->clients.size());
}

Route VRP::init_route(int container_index) const
{
    Route route;
    route.container = container_index;
    route.visits.resize(2);
    return route;
}

Route VRP::make_client_route(int c, int container_index) const
{
    const unsigned k = static_cast<unsigned>(c);
    const Client& record = client(k);
    int start = truncate_to_int(travel(0, k));
    int waiting = 0;
    if (record.early_tw >= start) {
        waiting = saturate_to_int(static_cast<long long>(record.early_tw) - start);
        start = record.early_tw;
    }
    const int departure = saturate_to_int(static_cast<long long>(start) + record.service_time);
    const int back = truncate_to_int(departure + travel(k, 0));

    Route route;
    route.container = container_index;
    route.visits = {Visit{0, 0, 0, 0}, Visit{c, start, waiting, 0}, Visit{0, back, 0, 0}};
    route.load = demand(k);
    route.distance = truncate_to_int(distance(0, k) + distance(k, 0));
    route.travel_time = truncate_to_int(travel(0, k) + travel(k, 0));
    return route;
}

int VRP::smallest_container() const
{
    // The first of the least capacities; 0 when there is no record.
    const auto& v_records = instance->containers;
    const auto smallest = std::min_element(
        v_records.begin(), v_records.end(),
        [](const Container& a, const Container& b) { return a.capacity < b.capacity; });
    return smallest == v_records.end() ? 0 : static_cast<int>(smallest - v_records.begin());
}

int VRP::can_merge_load(int route1, int route2, const Solution& solution) const
{
    const Route& first = solution.routes[static_cast<std::size_t>(route1)];
    const Route& second = solution.routes[static_cast<std::size_t>(route2)];
    const long long load = static_cast<long long>(first.load) + second.load;
    if (container(first.container).capacity >= load) {
        return first.container;
    }
    if (container(second.container).capacity >= load) {
        return second.container;
    }
    return -1;
}

void VRP::sum_container_costs(long long& fixed_sum, long long& var_sum) const
{
    fixed_sum = 0;
    var_sum = 0;
    for (const Container& record : instance->containers) {
        fixed_sum = static_cast<long long>(static_cast<double>(fixed_sum) + record.fixed_cost);
        var_sum = static_cast<long long>(static_cast<double>(var_sum) + record.var_cost);
    }
}
