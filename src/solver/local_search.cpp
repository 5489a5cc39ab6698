// Local searches: random variable neighbourhood descent over the inter-route moves,
// each success polished by a random descent over the intra-route moves.

#include "vrp.h"

#include "search_limit.h"
#include "solver_utils.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <vector>

namespace {
// The moves still to try, drawn at random; removing a drawn one keeps the others in order,
// as erasing from a table of moves would. Fixed storage: a descent runs after every success.
class SlotDraw {
public:
    explicit SlotDraw(std::size_t size) : full(std::min(size, capacity)) { reset(); }
    bool empty() const { return count == 0; }
    void reset()
    {
        count = full;
        std::iota(v_slots.begin(), v_slots.begin() + full, std::size_t{0});
    }
    // Draws one position of the remaining list; returns it, with the move's slot.
    std::size_t draw(std::size_t& slot) const
    {
        const auto x = static_cast<std::size_t>(rand_int(0, static_cast<int>(count) - 1));
        slot = v_slots[x];
        return x;
    }
    void remove(std::size_t x)
    {
        std::copy(v_slots.begin() + x + 1, v_slots.begin() + count, v_slots.begin() + x);
        --count;
    }

private:
    static constexpr std::size_t capacity = 8;  // more than any table of moves holds
    std::array<std::size_t, capacity> v_slots{};
    std::size_t full;
    std::size_t count = 0;
};

void intra_route_descent(const VRP& vrp, VRP::Solution& solution, unsigned route,
                         const std::vector<VRP::IntraRouteMove>& v_moves)
{
    if (route >= solution.routes.size() || vrp.is_dummy(solution.routes[route].container)) {
        return;  // the DUMMY route only parks clients; reordering it gains nothing
    }
    SlotDraw remaining(v_moves.size());
    while (!remaining.empty()) {
        std::size_t slot = 0;
        const std::size_t x = remaining.draw(slot);
        if (!v_moves[slot](solution, route)) {
            remaining.remove(x);
        }
    }
}

// Both local searches: with restart_on_success the inter-route moves start afresh after
// every success (descent); without, each move is tried once in random order (one pass).
void inter_route_search(VRP& vrp, VRP::Solution& solution, bool restart_on_success)
{
    if (solution.fleet_unlimited) {
        vrp.add_empty_routes(solution);
    }
    const std::vector<VRP::IntraRouteMove> v_intra = vrp.initialize_intra_route_neighborhoods();
    intra_route_descent(vrp, solution, 0, v_intra);
    const std::vector<VRP::InterRouteMove> v_inter = vrp.initialize_inter_route_neighborhoods();
    SlotDraw remaining(v_inter.size());
    std::vector<int> v_changed(2, -1);
    while (!remaining.empty() && !vrp.search_interrupted()) {
        v_changed.assign(2, -1);
        std::size_t slot = 0;
        const std::size_t x = remaining.draw(slot);
        const bool improved = v_inter[slot](solution, v_changed);
        if (improved) {
            for (int r : v_changed) {
                if (r >= 0) {
                    intra_route_descent(vrp, solution, static_cast<unsigned>(r), v_intra);
                }
            }
        }
        if (improved && restart_on_success) {
            remaining.reset();
        } else {
            remaining.remove(x);
        }
    }
}
}  // namespace

bool VRP::search_interrupted() const
{
    // The limit asks for a stop request itself.
    return search_limit != nullptr ? search_limit->passed() : stop_requested();
}

std::vector<VRP::SolutionRoutine> VRP::initialize_local_search_routines()
{
    return {[this](Solution& solution) { local_search_rvnd(solution); },
            [this](Solution& solution) { local_search_pass(solution); }};
}

std::vector<VRP::SolutionRoutine> VRP::initialize_solution_disturbance_routines()
{
    return {[this](Solution& solution) { disturb_swap(solution); },
            [this](Solution& solution) { disturb_exchange(solution); }};
}

void VRP::intra_route_search(Solution& solution, unsigned route)
{
    intra_route_descent(*this, solution, route, initialize_intra_route_neighborhoods());
}

void VRP::local_search_rvnd(Solution& solution)
{
    inter_route_search(*this, solution, true);
}

void VRP::local_search_pass(Solution& solution)
{
    inter_route_search(*this, solution, false);
}
