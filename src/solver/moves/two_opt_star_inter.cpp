// Exchanges the tails of two routes; the two new routes run on the routes' own vehicle
// types or on each other's.

#include "move_support.h"
#include "search/search_memory.h"
#include "search/tail_screen.h"

using moves::Piece;
using moves::TailExchange;
using moves::TailPair;

namespace {

// The penalty follows the clients the route on container_a gains or loses (it had r1's
// visits with the types kept, r2's with them exchanged).
double tail_exchange_penalty(const TailPair& pair, const TailExchange& m)
{
    const long long visits_a = static_cast<long long>(pair.n2) + m.i - m.j;
    const bool exchanged = m.container_a != pair.c1;
    const long long before_a = exchanged ? pair.n2 : pair.n1;
    const double penalty_a = pair.record(m.container_a).penalty;
    const double penalty_b = pair.record(m.container_b).penalty;
    return visits_a < before_a   ? penalty_b - penalty_a
           : visits_a > before_a ? penalty_a - penalty_b
                                 : 0.0;
}

moves::Priced price_tail_exchange(const VRP& vrp, const VRP::Solution& solution,
                                  const TailPair& pair, const TailExchange& m)
{
    // A new route: one route's head, then the other's tail.
    const auto cost = [&](bool serves, int container, const Piece& head, const Piece& tail) {
        return serves ? moves::serving_cost(vrp, container,
                                            moves::join_pieces(vrp, solution, {head, tail}))
                      : 0.0;
    };
    const double cost_a = cost(pair.a_serves(m), m.container_a, Piece{m.r1, 0, m.i},
                               Piece{m.r2, m.j + 1, pair.n2 - 1});
    const double cost_b = cost(pair.b_serves(m), m.container_b, Piece{m.r2, 0, m.j},
                               Piece{m.r1, m.i + 1, pair.n1 - 1});
    return moves::price_two_routes(tail_exchange_penalty(pair, m), cost_a, cost_b,
                                   pair.cost1, pair.cost2);
}

// Floors of the two new routes, once per split for both type assignments; left unset
// where a route serves no client (then not read).
struct TailFloors {
    moves::Floor a;
    moves::Floor b;
    bool valid;
};

void tail_floors(const VRP& vrp, const TailPair& pair, const moves::RouteEnds& ends,
                 const TailExchange& m, TailFloors& floors)
{
    const moves::VisitEnds* ends1 = ends.route(pair.r1);
    const moves::VisitEnds* ends2 = ends.route(pair.r2);
    floors.valid = true;
    if (pair.a_serves(m)) {
        floors.valid = moves::floor_head_tail(vrp, ends1[m.i], ends2[m.j + 1], floors.a);
    }
    if (pair.b_serves(m) && floors.valid) {
        floors.valid = moves::floor_head_tail(vrp, ends2[m.j], ends1[m.i + 1], floors.b);
    }
}

// Whether the assignment in m could beat the choice, by its floors priced as it is.
template <class Chooser>
bool tail_exchange_may_improve(const VRP& vrp, const TailPair& pair, const TailExchange& m,
                               const TailFloors& floors, const Chooser& choice)
{
    if (!floors.valid) {
        return true;
    }
    const double cost_a =
        pair.a_serves(m) ? moves::floor_cost(vrp, pair.record(m.container_a), floors.a) : 0.0;
    const double cost_b =
        pair.b_serves(m) ? moves::floor_cost(vrp, pair.record(m.container_b), floors.b) : 0.0;
    return choice.may_take(
        moves::price_two_routes(tail_exchange_penalty(pair, m), cost_a, cost_b, pair.cost1,
                                pair.cost2)
            .delta);
}

// The type assignments the loads allow: between real types the first, with DUMMY both.
template <class Chooser>
void offer_tail_exchange(const VRP& vrp, const VRP::Solution& solution, const TailPair& pair,
                         const moves::RouteEnds& ends, TailExchange m, long long load_a,
                         long long load_b, Chooser& choice)
{
    const long long cap1 = pair.record1.capacity;
    const long long cap2 = pair.record2.capacity;
    const bool keep = load_a <= cap1 && load_b <= cap2;
    const bool exchange = load_a <= cap2 && load_b <= cap1;
    if (!keep && !exchange) {
        return;
    }
    const bool with_dummy = vrp.is_dummy(pair.c1) || vrp.is_dummy(pair.c2);
    TailFloors floors;
    tail_floors(vrp, pair, ends, m, floors);
    if (keep) {
        m.container_a = pair.c1;
        m.container_b = pair.c2;
        if (tail_exchange_may_improve(vrp, pair, m, floors, choice)) {
            choice.offer(price_tail_exchange(vrp, solution, pair, m), m);
        }
    }
    if (exchange && (with_dummy || !keep)) {
        m.container_a = pair.c2;
        m.container_b = pair.c1;
        if (tail_exchange_may_improve(vrp, pair, m, floors, choice)) {
            choice.offer(price_tail_exchange(vrp, solution, pair, m), m);
        }
    }
}

// Every split (i, j) of one route pair but (0, 0), in scan order, less the hopeless rows and
// columns (never the first or last, where a route may serve no client).
template <class Chooser>
void scan_tail_pair(const VRP& vrp, const VRP::Solution& solution,
                    const moves::SearchMemory& memory, unsigned r1, unsigned r2,
                    std::vector<unsigned>& v_columns, Chooser& choice)
{
    const moves::RouteEnds& ends = memory.ends;
    const TailPair pair(vrp, solution, r1, r2);
    const unsigned n1 = pair.n1;
    const unsigned n2 = pair.n2;
    const std::vector<int>& v_cum1 = solution.cumulative_load[r1];
    const std::vector<int>& v_cum2 = solution.cumulative_load[r2];
    const moves::VisitEnds* ends1 = ends.route(r1);
    const moves::VisitEnds* ends2 = ends.route(r2);
    moves::TailScreen screen(vrp, pair, ends, memory.facts);
    v_columns.clear();
    const double column_cut = screen.cut_for(choice.limit());
    for (unsigned j = 0; j + 2 <= n2; ++j) {
        if (j == 0 || j + 2 == n2 ||
            !screen.line_hopeless(ends2[j], ends2[j + 1], ends.reach(r1), column_cut)) {
            v_columns.push_back(j);
        }
    }
    for (unsigned i = 0; i + 2 <= n1; ++i) {
        const double cut = screen.cut_for(choice.limit());
        if (i > 0 && i + 2 < n1 &&
            screen.line_hopeless(ends1[i], ends1[i + 1], ends.reach(r2), cut)) {
            continue;
        }
        screen.start_row(i, cut);
        for (const unsigned j : v_columns) {
            if (screen.heads_too_late(j)) {
                break;
            }
            const TailExchange m{r1, r2, i, j, 0, 0};
            if ((i == 0 && j == 0) || screen.tail_too_early(j) || screen.refuses(m)) {
                continue;
            }
            const long long load_a = static_cast<long long>(v_cum1[i]) + v_cum2[n2 - 1] - v_cum2[j];
            const long long load_b = static_cast<long long>(v_cum2[j]) + v_cum1[n1 - 1] - v_cum1[i];
            offer_tail_exchange(vrp, solution, pair, ends, m, load_a, load_b, choice);
        }
    }
}
}  // namespace

double VRP::two_opt_star_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                     unsigned j, int container_a, int container_b) const
{
    return price_tail_exchange(*this, solution, TailPair(*this, solution, r1, r2),
                               TailExchange{r1, r2, i, j, container_a, container_b})
        .delta;
}

bool VRP::two_opt_star_inter(Solution& solution, std::vector<int>& v_changed)
{
    v_changed.assign(2, -1);
    moves::SearchMemory& memory = moves::prepared_scan_memory(*this, solution);
    memory.read_stamps(solution);
    moves::Choice<TailExchange> choice;
    // Each unordered pair once; an empty route only ever comes second.
    moves::scan_pairs(
        memory.tail_findings, memory.v_stamps,
        [&](unsigned r1) {
            const auto routes = static_cast<unsigned>(memory.v_stamps.size());
            return solution.routes[r1].visits.size() < 3 ? routes : r1 + 1;
        },
        [](unsigned, unsigned) { return true; },
        [&](unsigned r1, unsigned r2, moves::PairFinding<TailExchange>& finding) {
            moves::PairRecorder<TailExchange> recorder(finding);
            scan_tail_pair(*this, solution, memory, r1, r2, memory.v_open_columns, recorder);
        },
        choice);
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
