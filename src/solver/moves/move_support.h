#pragma once
// What every move shares: pricing from stored segments, the choice, the route refresh.

#include "solver_utils.h"
#include "vrp_joins.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace moves {

// Visits first..last of a route as stored in its segment tables (backwards when first > last).
struct Piece {
    unsigned route;
    unsigned first;
    unsigned last;
};

inline unsigned client_at(const VRP::Solution& solution, unsigned route, unsigned position)
{
    return static_cast<unsigned>(solution.routes[route].visits[position].client);
}

// Route r's stamp (see VRP::Solution::route_stamp); 0 where it has none.
inline std::uint64_t route_stamp(const VRP::Solution& solution, unsigned r)
{
    return r < solution.route_stamp.size() ? solution.route_stamp[r] : 0;
}

// The new visit order made of the pieces [begin, end), at least two, in constant time per piece.
inline Segment join_pieces(const VRP& vrp, const VRP::Solution& solution, const Piece* begin,
                           const Piece* end)
{
    const Piece* piece = begin;
    const Piece& a = *piece++;
    const Piece& b = *piece++;
    Segment joined =
        vrp.join_stored_segments(solution, a.route, a.first, a.last, b.route, b.first, b.last);
    for (; piece != end; ++piece) {
        const Piece& before = *(piece - 1);
        const unsigned u = client_at(solution, before.route, before.last);
        joined = vrp.join_with_stored_segment(joined, u, solution, piece->route, piece->first,
                                              piece->last);
    }
    return joined;
}

inline Segment join_pieces(const VRP& vrp, const VRP::Solution& solution,
                           std::initializer_list<Piece> pieces)
{
    return join_pieces(vrp, solution, pieces.begin(), pieces.end());
}

// Cost of a candidate route that serves clients.
inline double serving_cost(const VRP& vrp, int container, const Segment& whole)
{
    return vrp.segment_cost(container, whole, true);
}

// The pieces of an intra-route candidate's new visit order, at most five.
class PieceList {
public:
    PieceList(std::initializer_list<Piece> pieces) : count(pieces.size())
    {
        std::copy(pieces.begin(), pieces.end(), v_pieces.begin());
    }
    const Piece* begin() const { return v_pieces.data(); }
    const Piece* end() const { return v_pieces.data() + count; }

private:
    std::array<Piece, 5> v_pieces{};
    std::size_t count;
};

// Change of route r's cost if its visits ran in the order of the pieces (intra-route).
inline double intra_route_delta(const VRP& vrp, const VRP::Solution& solution, unsigned r,
                                const PieceList& pieces)
{
    const Route& route = solution.routes[r];
    return serving_cost(vrp, route.container,
                        join_pieces(vrp, solution, pieces.begin(), pieces.end())) -
           route.cost;
}

// The same for the pieces make(r, n, positions...) lists, n the route's visit count.
template <class Make, class... Positions>
double intra_route_delta(const VRP& vrp, const VRP::Solution& solution, unsigned r, Make make,
                         Positions... positions)
{
    const auto n = static_cast<unsigned>(solution.routes[r].visits.size());
    return intra_route_delta(vrp, solution, r, make(r, n, positions...));
}

// A candidate's delta (what the choice compares) and its change of route costs alone.
struct Priced {
    double delta;
    double cost_change;
};

// Two new route costs and the DUMMY penalty term against the two current costs.
inline Priced price_two_routes(double penalty, double new1, double new2, double old1, double old2)
{
    const double old_sum = old1 + old2;
    return Priced{penalty + new1 + new2 - old_sum, new1 + new2 - old_sum};
}

// Keeps the first candidate improving by more than 0.01, a later one only when lower still
// by more than 0.01: near-ties keep the earlier.
template <class Candidate>
class Choice {
public:
    // Intra-route candidates: the delta is the whole change of route cost.
    void offer(double delta, const Candidate& candidate) { offer(Priced{delta, delta}, candidate); }
    void offer(const Priced& price, const Candidate& candidate)
    {
        if (is_less(price.delta, best)) {
            best = price.delta;
            change = price.cost_change;
            chosen = candidate;
            found_one = true;
        }
    }
    bool found() const { return found_one; }
    // Whether a candidate whose delta is at least floor_delta could still be chosen.
    bool may_take(double floor_delta) const { return !(floor_delta - best >= -0.01); }
    // Up to rounding, the least floor delta that may_take refuses.
    double limit() const { return best - 0.01; }
    const Candidate& candidate() const { return chosen; }
    double cost_change() const { return change; }

private:
    double best = 0.0;
    double change = 0.0;
    Candidate chosen{};
    bool found_one = false;
};

// Route r before and after a change of its visits (or of only positions lo..hi).
void begin_route_change(VRP::Solution& solution, unsigned r);
void end_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r);
void end_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r, unsigned lo,
                      unsigned hi);
// Route r after rearrange(visits) moved only its visits at positions lo..hi (intra-route
// appliers): its tables, cost, distance and the total refreshed.
template <class Rearrange>
void rearrange_route(const VRP& vrp, VRP::Solution& solution, unsigned r, unsigned lo,
                     unsigned hi, Rearrange rearrange)
{
    begin_route_change(solution, r);
    rearrange(solution.routes[r].visits.begin());
    end_route_change(vrp, solution, r, lo, hi);
}
// Routes r1 and r2 before and after a rearrangement (inter-route appliers).
void begin_two_route_change(VRP::Solution& solution, unsigned r1, unsigned r2);
void end_two_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r1, unsigned r2);
// The same after a trade that changed only positions lo1..hi1 of r1 and lo2..hi2 of r2.
void end_two_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r1, unsigned lo1,
                          unsigned hi1, unsigned r2, unsigned lo2, unsigned hi2);

// Trades visits [pos_a, pos_a + len_a) of a with [pos_b, pos_b + len_b) of b; either may
// be empty.
void exchange_runs(Route& a, unsigned pos_a, unsigned len_a, Route& b, unsigned pos_b,
                   unsigned len_b);

// Debug builds: the priced change must be what the refreshed routes cost.
void check_priced_change(double predicted, double cost_before, double cost_after);

// Applies the chosen inter-route candidate, if any; with an unlimited fleet every vehicle
// type then gets an empty route again.
template <class Candidate, class Apply>
bool take_inter_choice(VRP& vrp, VRP::Solution& solution, std::vector<int>& v_changed,
                       const Choice<Candidate>& choice, Apply apply)
{
    if (!choice.found()) {
        return false;
    }
    const Candidate& chosen = choice.candidate();
    v_changed[0] = static_cast<int>(chosen.r1);
    v_changed[1] = static_cast<int>(chosen.r2);
    const double before = solution.routes[chosen.r1].cost + solution.routes[chosen.r2].cost;
    apply(chosen);
    check_priced_change(choice.cost_change(), before,
                        solution.routes[chosen.r1].cost + solution.routes[chosen.r2].cost);
    if (solution.fleet_unlimited) {
        vrp.add_empty_routes(solution);
    }
    return true;
}

}  // namespace moves
