// Savings construction: one route per client, then joins of a route's end to
// another's start in the order of a savings key shaped by lambda.

#include "vrp.h"

#include "solver_utils.h"

#include <utility>

namespace {
// The route each client ends and starts, kept in step with the joins so that a
// pair's routes are found without a scan; it answers what find_route_ends answers.
class RouteEnds {
public:
    RouteEnds(const VRP::Solution& solution, unsigned n) : v_ending(n, -1), v_starting(n, -1)
    {
        for (std::size_t r = 0; r < solution.routes.size(); ++r) {
            const std::vector<Visit>& v_visits = solution.routes[r].visits;
            v_ending[static_cast<std::size_t>(v_visits[v_visits.size() - 2].client)] =
                static_cast<int>(r);
            v_starting[static_cast<std::size_t>(v_visits[1].client)] = static_cast<int>(r);
        }
    }

    std::pair<int, int> find(int i, int j) const
    {
        return {v_ending[static_cast<std::size_t>(i)], v_starting[static_cast<std::size_t>(j)]};
    }

    // Route route1 (ending with i) now runs on through route2 (starting with j and
    // ending with last), which left the route list.
    void joined(int route1, int route2, int i, int j, int last)
    {
        v_ending[static_cast<std::size_t>(i)] = -1;
        v_starting[static_cast<std::size_t>(j)] = -1;
        v_ending[static_cast<std::size_t>(last)] = route1;
        for (std::vector<int>* v_routes : {&v_ending, &v_starting}) {
            for (int& r : *v_routes) {
                r -= r > route2 ? 1 : 0;
            }
        }
    }

private:
    std::vector<int> v_ending;
    std::vector<int> v_starting;
};
}  // namespace

std::vector<HeapElement> VRP::build_savings_list(int count, double lambda) const
{
    std::vector<HeapElement> v_list(static_cast<std::size_t>(count > 0 ? count : 0));
    const std::size_t n = client_count();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n && i * n + j < v_list.size(); ++j) {
            const unsigned a = static_cast<unsigned>(i);
            const unsigned b = static_cast<unsigned>(j);
            // Both depot terms belong to i; a positive lambda favours distant pairs.
            const double key = (a >= 1 && b >= 1 && a != b)
                                   ? (distance(a, 0) + distance(0, a)) + lambda * distance(a, b)
                                   : 0.0;
            v_list[i * n + j] = HeapElement{key, static_cast<int>(i), static_cast<int>(j)};
        }
    }
    return v_list;
}

void VRP::update_savings_heap(int route1, int route2, Heap& heap) const
{
    const HeapElement e = heap.top();
    auto cancel = [&heap](int a, int b) {
        const int slot = heap.position(a, b);
        // Setting an already cancelled pair again would change nothing.
        if (heap.element(slot).key == 0.0) {
            return;
        }
        heap.set_element(HeapElement{0.0, a, b}, slot);
        heap.sift_down(slot);
    };
    const bool row = route1 == -1;     // i no longer ends a route
    const bool column = route2 == -1;  // j no longer starts one
    for (int k = 0; k < heap.side(); ++k) {
        if (row) {
            cancel(e.i, k);
        }
        if (column) {
            cancel(k, e.j);
        }
    }
}

VRP::Solution VRP::savings_heuristic(double lambda) const
{
    Solution solution;
    init_solution(solution);
    // Without a depot or a vehicle type there is no route to start from.
    if (client_count() == 0 || container_count() == 0) {
        return solution;
    }
    const double n = client_count();
    Heap heap(build_savings_list(truncate_to_int(n * n), lambda));
    heap.build_heap();
    one_route_per_client(solution, smallest_container());
    RouteEnds ends(solution, client_count());
    do {
        const HeapElement e = heap.top();
        const auto [route1, route2] = ends.find(e.i, e.j);
        if (route1 == -1 || route2 == -1) {
            update_savings_heap(route1, route2, heap);
            continue;
        }
        const int k = route1 != route2 ? can_merge_load(route1, route2, solution) : -1;
        Route merged;
        if (k != -1 && can_merge_routes(solution.routes[static_cast<std::size_t>(route1)],
                                        solution.routes[static_cast<std::size_t>(route2)],
                                        merged, k, solution)) {
            const Route& second = solution.routes[static_cast<std::size_t>(route2)];
            const int last = second.visits[second.visits.size() - 2].client;
            merge_routes(route1, route2, merged, solution);
            ends.joined(route1, route2, e.i, e.j, last);
        }
        heap.set_element(HeapElement{0.0, e.i, e.j}, 1);
        heap.sift_down(1);
    } while (heap.top().key > 0.0);
    finish_construction(solution);
    return solution;
}
