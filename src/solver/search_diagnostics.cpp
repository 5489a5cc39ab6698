// Developer aids: a solution built from a pool of candidate routes, and plain dumps of
// solutions and pools. No operation of the solver calls them.

#include "vrp.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>

namespace {
// Routes the pool describes completely (ranks, cost and vehicle type) and the selection names.
std::size_t pool_routes(const RoutePool& pool, const std::vector<int>& v_selection)
{
    return std::min({pool.vv_ranks.size(), pool.v_costs.size(), pool.v_containers.size(),
                     v_selection.size()});
}

// One row: the label, then value(p) for p below count, each followed by ";".
template <class Value>
void write_row(std::ofstream& out, const char* s_label, std::size_t count, Value value)
{
    out << s_label;
    for (std::size_t p = 0; p < count; ++p) {
        out << value(p) << ";";
    }
    out << "\n";
}
}  // namespace

VRP::Solution VRP::build_solution_from_pool(const RoutePool& pool,
                                            const std::vector<int>& v_selection) const
{
    Solution solution;
    solution.fleet_unlimited = fleet_unlimited;
    init_solution(solution);
    for (std::size_t r = 0; r < pool_routes(pool, v_selection); ++r) {
        if (v_selection[r] == 0) {
            continue;
        }
        const int container_index = pool.v_containers[r];
        take_vehicle(solution, container_index);
        // By rank; of two clients with the same rank the later one stays.
        std::map<int, int> ranked;
        for (std::size_t i = 0; i < pool.vv_ranks[r].size(); ++i) {
            if (pool.vv_ranks[r][i] != 0) {
                ranked[pool.vv_ranks[r][i]] = static_cast<int>(i) + 1;
            }
        }
        Route route = init_route(container_index);
        for (const auto& [rank, c] : ranked) {
            route.visits.insert(route.visits.end() - 1, Visit{c, 0, 0, 0});
        }
        solution.routes.push_back(route);
    }
    finish_construction(solution);
    return solution;
}

void VRP::dump_solution_csv(const Solution& solution) const
{
    std::ofstream out(solution_dump_path, std::ios::trunc);
    if (!out) {
        return;
    }
    for (const Route& route : solution.routes) {
        const auto at = [&](std::size_t p) {
            return static_cast<unsigned>(route.visits[p].client);
        };
        const auto visited = [&](std::size_t p) -> const Client& { return client(at(p)); };
        const std::size_t n = route.visits.size();
        const std::size_t legs = n > 0 ? n - 1 : 0;  // the leg rows have one value fewer
        write_row(out, "clients;", n, [&](std::size_t p) { return route.visits[p].client; });
        write_row(out, "load;", n, [&](std::size_t p) { return visited(p).demand; });
        write_row(out, "early_tw;", n, [&](std::size_t p) { return visited(p).early_tw; });
        write_row(out, "late_tw;", n, [&](std::size_t p) { return visited(p).late_tw; });
        write_row(out, "service_time;", n, [&](std::size_t p) { return visited(p).service_time; });
        write_row(out, "dist;", legs, [&](std::size_t p) { return distance(at(p), at(p + 1)); });
        write_row(out, "time;", legs, [&](std::size_t p) { return travel(at(p), at(p + 1)); });
        write_row(out, "w;", n, [&](std::size_t p) { return route.visits[p].waiting; });
        write_row(out, "b;", n, [&](std::size_t p) { return route.visits[p].arrival; });
    }
}

void VRP::check_route_loads(const Solution& solution) const
{
    for (std::size_t r = 0; r < solution.routes.size() && r < solution.route_load.size(); ++r) {
        if (solution.route_load[r] > container(solution.routes[r].container).capacity) {
            std::printf("\nunfeasible load -");
        }
    }
}

void print_route_containers(const VRP::Solution& solution)
{
    std::printf("\n");
    for (const Route& route : solution.routes) {
        std::printf("%d-", route.container);
    }
}

void write_route_pool_csv(const RoutePool& pool, const std::vector<int>& v_selection,
                          const std::string& s_path)
{
    std::ofstream out(s_path, std::ios::trunc);
    if (!out) {
        return;
    }
    for (std::size_t r = 0; r < pool_routes(pool, v_selection); ++r) {
        if (v_selection[r] == 0) {
            continue;
        }
        for (int rank : pool.vv_ranks[r]) {
            out << rank << ";";
        }
        out << pool.v_costs[r] << "\n";
    }
}
