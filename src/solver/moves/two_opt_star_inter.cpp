// Exchanges the tails of two routes; the two new routes run on the routes' own vehicle
// types or on each other's.

#include "move_support.h"
#include "piece_floors.h"

#include <array>

using moves::Piece;

namespace {
struct TailExchange {
    unsigned r1 = 0;
    unsigned r2 = 0;
    unsigned i = 0;  // r1 keeps 0..i
    unsigned j = 0;  // r2 keeps 0..j
    int container_a = 0;
    int container_b = 0;
};

// The penalty follows the clients that the route on container_a gains or loses. That
// route had r1's visits when the types are kept and r2's when they are exchanged, so a
// client put into the DUMMY route always pays, whichever route it sits on.
double tail_exchange_penalty(const VRP& vrp, const VRP::Solution& solution, const TailExchange& m)
{
    const auto n1 = static_cast<long long>(solution.routes[m.r1].visits.size());
    const auto n2 = static_cast<long long>(solution.routes[m.r2].visits.size());
    const long long visits_a = n2 + m.i - m.j;
    const bool exchanged = m.container_a != solution.routes[m.r1].container;
    const long long before_a = exchanged ? n2 : n1;
    const double penalty_a = vrp.container(m.container_a).penalty;
    const double penalty_b = vrp.container(m.container_b).penalty;
    if (visits_a < before_a) {
        return penalty_b - penalty_a;
    }
    if (visits_a > before_a) {
        return penalty_a - penalty_b;
    }
    return 0.0;
}

// The two new routes: A = r1 up to i, then r2 after j; B = r2 up to j, then r1 after i.
// Either may be left without clients, and then costs nothing.
struct TailPieces {
    std::array<Piece, 2> a;
    std::array<Piece, 2> b;
    bool a_serves;
    bool b_serves;
};

TailPieces tail_pieces(const VRP::Solution& solution, const TailExchange& m)
{
    const auto n1 = static_cast<unsigned>(solution.routes[m.r1].visits.size());
    const auto n2 = static_cast<unsigned>(solution.routes[m.r2].visits.size());
    return TailPieces{{Piece{m.r1, 0, m.i}, Piece{m.r2, m.j + 1, n2 - 1}},
                      {Piece{m.r2, 0, m.j}, Piece{m.r1, m.i + 1, n1 - 1}},
                      m.i != 0 || m.j != n2 - 2,
                      m.j != 0 || m.i != n1 - 2};
}

moves::Priced price_tail_exchange(const VRP& vrp, const VRP::Solution& solution,
                                  const TailExchange& m)
{
    const TailPieces pieces = tail_pieces(solution, m);
    double cost_a = 0.0;
    if (pieces.a_serves) {
        cost_a = moves::serving_cost(
            vrp, m.container_a, moves::join_pieces(vrp, solution, pieces.a.data(), pieces.a.data() + 2));
    }
    double cost_b = 0.0;
    if (pieces.b_serves) {
        cost_b = moves::serving_cost(
            vrp, m.container_b, moves::join_pieces(vrp, solution, pieces.b.data(), pieces.b.data() + 2));
    }
    return moves::price_two_routes(tail_exchange_penalty(vrp, solution, m), cost_a, cost_b,
                                   solution.routes[m.r1].cost, solution.routes[m.r2].cost);
}

// Floors of the two new routes (see piece_floors.h), taken once per candidate for both
// vehicle-type assignments.
struct TailFloors {
    Segment a;
    Segment b;
    bool valid = true;
};

TailFloors tail_floors(const VRP& vrp, const TailPieces& pieces, const moves::VisitEnds* ends1,
                       const moves::VisitEnds* ends2, const TailExchange& m)
{
    TailFloors floors;
    if (pieces.a_serves) {
        floors.valid = moves::floor_head_tail(vrp, ends1[m.i], ends2[m.j + 1], floors.a);
    }
    if (pieces.b_serves && floors.valid) {
        floors.valid = moves::floor_head_tail(vrp, ends2[m.j], ends1[m.i + 1], floors.b);
    }
    return floors;
}

// Whether the assignment in m could beat the choice so far, judged from the floors put
// through the very sum that prices it; one that could not is skipped unpriced.
bool tail_exchange_may_improve(const VRP& vrp, const VRP::Solution& solution,
                               const TailExchange& m, const TailPieces& pieces,
                               const TailFloors& floors, const moves::Choice<TailExchange>& choice)
{
    if (!floors.valid) {
        return true;
    }
    const double cost_a = pieces.a_serves ? vrp.segment_cost(m.container_a, floors.a, true) : 0.0;
    const double cost_b = pieces.b_serves ? vrp.segment_cost(m.container_b, floors.b, true) : 0.0;
    return choice.may_take(moves::price_two_routes(tail_exchange_penalty(vrp, solution, m), cost_a,
                                                   cost_b, solution.routes[m.r1].cost,
                                                   solution.routes[m.r2].cost)
                               .delta);
}

// Prices the vehicle-type assignments the loads allow: between real types only the
// first possible one, with the DUMMY type both.
void offer_tail_exchange(const VRP& vrp, const VRP::Solution& solution,
                         const moves::RouteEnds& ends, TailExchange m, long long load_a,
                         long long load_b, moves::Choice<TailExchange>& choice)
{
    const int c1 = solution.routes[m.r1].container;
    const int c2 = solution.routes[m.r2].container;
    const long long cap1 = vrp.container(c1).capacity;
    const long long cap2 = vrp.container(c2).capacity;
    const bool keep = load_a <= cap1 && load_b <= cap2;
    const bool exchange = load_a <= cap2 && load_b <= cap1;
    const bool with_dummy = vrp.is_dummy(c1) || vrp.is_dummy(c2);
    if (!keep && !exchange) {
        return;
    }
    const TailPieces pieces = tail_pieces(solution, m);
    const TailFloors floors = tail_floors(vrp, pieces, ends.route(m.r1), ends.route(m.r2), m);
    if (keep) {
        m.container_a = c1;
        m.container_b = c2;
        if (tail_exchange_may_improve(vrp, solution, m, pieces, floors, choice)) {
            choice.offer(price_tail_exchange(vrp, solution, m), m);
        }
    }
    if (exchange && (with_dummy || !keep)) {
        m.container_a = c2;
        m.container_b = c1;
        if (tail_exchange_may_improve(vrp, solution, m, pieces, floors, choice)) {
            choice.offer(price_tail_exchange(vrp, solution, m), m);
        }
    }
}
}  // namespace

double VRP::two_opt_star_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                     unsigned j, int container_a, int container_b) const
{
    return price_tail_exchange(*this, solution,
                               TailExchange{r1, r2, i, j, container_a, container_b})
        .delta;
}

bool VRP::two_opt_star_inter(Solution& solution, std::vector<int>& v_changed)
{
    v_changed.assign(2, -1);
    const auto routes = static_cast<unsigned>(solution.routes.size());
    const moves::RouteEnds ends(solution);
    moves::Choice<TailExchange> choice;
    // Each unordered pair once; an empty route only ever comes second.
    for (unsigned r1 = 0; r1 + 1 < routes; ++r1) {
        const auto n1 = static_cast<unsigned>(solution.routes[r1].visits.size());
        if (n1 < 3) {
            continue;
        }
        const std::vector<int>& v_cum1 = solution.cumulative_load[r1];
        for (unsigned r2 = r1 + 1; r2 < routes; ++r2) {
            const auto n2 = static_cast<unsigned>(solution.routes[r2].visits.size());
            const std::vector<int>& v_cum2 = solution.cumulative_load[r2];
            for (unsigned i = 0; i + 2 <= n1; ++i) {
                for (unsigned j = 0; j + 2 <= n2; ++j) {
                    if (i == 0 && j == 0) {
                        continue;
                    }
                    const long long load_a =
                        static_cast<long long>(v_cum1[i]) + v_cum2[n2 - 1] - v_cum2[j];
                    const long long load_b =
                        static_cast<long long>(v_cum2[j]) + v_cum1[n1 - 1] - v_cum1[i];
                    offer_tail_exchange(*this, solution, ends, TailExchange{r1, r2, i, j, 0, 0},
                                        load_a, load_b, choice);
                }
            }
        }
    }
    return moves::take_inter_choice(
        *this, solution, v_changed, choice, [&](const TailExchange& chosen) {
            apply_two_opt_star_inter(solution, chosen.r1, chosen.r2, chosen.i, chosen.j,
                                     chosen.container_a, chosen.container_b);
        });
}

void VRP::apply_two_opt_star_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                   unsigned j, int container_a, int container_b) const
{
    moves::begin_two_route_change(solution, r1, r2);
    Route& first = solution.routes[r1];
    Route& second = solution.routes[r2];
    const auto n1 = static_cast<unsigned>(first.visits.size());
    const auto n2 = static_cast<unsigned>(second.visits.size());
    moves::exchange_runs(first, i + 1, n1 - i - 1, second, j + 1, n2 - j - 1);
    first.container = container_a;
    second.container = container_b;
    moves::end_two_route_change(*this, solution, r1, r2);
}
