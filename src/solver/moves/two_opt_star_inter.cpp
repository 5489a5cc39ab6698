// Exchanges the tails of two routes; the two new routes run on the routes' own vehicle
// types or on each other's.

#include "move_support.h"
#include "search/route_ends.h"
#include "search/search_memory.h"

#include <cmath>
#include <limits>

using moves::Piece;
using moves::TailExchange;

namespace {

// What pricing the candidates of one route pair reads, looked up once per pair.
struct TailPair {
    unsigned r1;
    unsigned r2;
    unsigned n1;  // visits of r1
    unsigned n2;  // visits of r2
    int c1;       // vehicle types of r1 and r2
    int c2;
    const Container& record1;
    const Container& record2;
    double cost1;  // current costs of r1 and r2
    double cost2;

    TailPair(const VRP& vrp, const VRP::Solution& solution, unsigned route1, unsigned route2)
        : r1(route1),
          r2(route2),
          n1(static_cast<unsigned>(solution.routes[route1].visits.size())),
          n2(static_cast<unsigned>(solution.routes[route2].visits.size())),
          c1(solution.routes[route1].container),
          c2(solution.routes[route2].container),
          record1(vrp.container(c1)),
          record2(vrp.container(c2)),
          cost1(solution.routes[route1].cost),
          cost2(solution.routes[route2].cost)
    {
    }
    // A = r1 up to i, then r2 after j; B = r2 up to j, then r1 after i. A route left
    // without clients costs nothing.
    bool a_serves(const TailExchange& m) const { return m.i != 0 || m.j != n2 - 2; }
    bool b_serves(const TailExchange& m) const { return m.j != 0 || m.i != n1 - 2; }
    const Container& record(int container) const { return container == c1 ? record1 : record2; }
};

// The penalty follows the clients that the route on container_a gains or loses. That
// route had r1's visits when the types are kept and r2's when they are exchanged, so a
// client put into the DUMMY route always pays, whichever route it sits on.
double tail_exchange_penalty(const TailPair& pair, const TailExchange& m)
{
    const long long visits_a = static_cast<long long>(pair.n2) + m.i - m.j;
    const bool exchanged = m.container_a != pair.c1;
    const long long before_a = exchanged ? pair.n2 : pair.n1;
    const double penalty_a = pair.record(m.container_a).penalty;
    const double penalty_b = pair.record(m.container_b).penalty;
    if (visits_a < before_a) {
        return penalty_b - penalty_a;
    }
    if (visits_a > before_a) {
        return penalty_a - penalty_b;
    }
    return 0.0;
}

moves::Priced price_tail_exchange(const VRP& vrp, const VRP::Solution& solution,
                                  const TailPair& pair, const TailExchange& m)
{
    double cost_a = 0.0;
    if (pair.a_serves(m)) {
        cost_a = moves::serving_cost(
            vrp, m.container_a,
            moves::join_pieces(vrp, solution,
                               {Piece{m.r1, 0, m.i}, Piece{m.r2, m.j + 1, pair.n2 - 1}}));
    }
    double cost_b = 0.0;
    if (pair.b_serves(m)) {
        cost_b = moves::serving_cost(
            vrp, m.container_b,
            moves::join_pieces(vrp, solution,
                               {Piece{m.r2, 0, m.j}, Piece{m.r1, m.i + 1, pair.n1 - 1}}));
    }
    return moves::price_two_routes(tail_exchange_penalty(pair, m), cost_a, cost_b,
                                   pair.cost1, pair.cost2);
}

// Floors of the two new routes (see piece_floors.h), taken once per candidate for both
// vehicle-type assignments; only what the floors are priced from, left uninitialised
// where a route serves no client (it is then not read).
struct TailFloors {
    moves::Floor a;
    moves::Floor b;
    bool valid;
};

bool tail_floors(const VRP& vrp, const TailPair& pair, const moves::RouteEnds& ends,
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
    return floors.valid;
}

// Whether the assignment in m could beat the choice so far, judged from the floors put
// through the very sum that prices it; one that could not is skipped unpriced.
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

// Prices the vehicle-type assignments the loads allow: between real types only the
// first possible one, with the DUMMY type both.
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

// Whether one floor may bound a whole row of splits: real vehicle types with one variable
// cost, so that r2's head and tail cost the same whichever new route takes them, and costs
// that rise with distance and time warp.
bool tail_rows_bounded(const VRP& vrp, const TailPair& pair)
{
    return !vrp.is_dummy(pair.c1) && !vrp.is_dummy(pair.c2) &&
           pair.record1.var_cost == pair.record2.var_cost && pair.record1.var_cost >= 0.0 &&
           vrp.time_warp_penalty >= 0.0;
}

// A floor of every split of a row (one route's split fixed between head and tail) whose two
// new routes both serve clients, with either vehicle-type assignment: the other route's head
// and tail together are at least its least head-plus-tail, the legs into and out of it at
// least its reach. It is summed in another order than the candidates' floors, so it is
// lowered by far more than any rounding.
double tail_row_floor(const VRP& vrp, const TailPair& pair, const moves::VisitEnds& head,
                      const moves::VisitEnds& tail, const moves::RouteReach& other)
{
    const double distance =
        (head.head_distance + tail.tail_distance) +
        (other.gap_distance[0] + (other.v_to[head.client] + other.v_from[tail.client]));
    const double warp = (head.head_warp + tail.tail_warp) + other.gap_warp[0];
    const double low = ((pair.record1.fixed_cost + pair.record2.fixed_cost) +
                        pair.record1.var_cost * distance) +
                       vrp.time_warp_penalty * warp;
    const double penalty = -std::fabs(pair.record1.penalty - pair.record2.penalty);
    const double delta = moves::price_two_routes(penalty, low, 0.0, pair.cost1, pair.cost2).delta;
    return moves::lowered_for_rounding(delta, penalty, low, 0.0, pair.cost1, pair.cost2);
}

// A quick screen of the splits of one row where both new routes keep clients, before any
// floor is taken: with real vehicle types of one variable cost (tail_rows_bounded), either
// assignment costs at least both fixed costs plus the variable cost of the two new
// distances plus the warp the two joins add (taken exactly as the join takes it). A split
// costs two legs and one comparison. The sums run in another order than the prices, so the
// cut is raised by far more than their rounding: a split the screen refuses could not be
// taken.
class TailScreen {
public:
    TailScreen(const VRP& problem, const TailPair& tail_pair, const moves::RouteEnds& ends,
               bool bounded)
        : vrp(problem), pair(tail_pair), ends1(ends.route(pair.r1)), ends2(ends.route(pair.r2)),
          reach2(ends.reach(pair.r2)), finish_floor2(ends.finish_floor(pair.r2)),
          latest_ceiling2(ends.latest_ceiling(pair.r2)), weight(pair.record1.var_cost),
          warp_penalty(problem.time_warp_penalty)
    {
        on = bounded && ends.screenable(pair.r1) && ends.screenable(pair.r2) &&
             std::isfinite(weight) && std::isfinite(warp_penalty);
        const double penalties = std::fabs(pair.record1.penalty - pair.record2.penalty);
        constants = ((pair.record1.fixed_cost + pair.record2.fixed_cost) - penalties) -
                    (pair.cost1 + pair.cost2);
        size = std::fabs(pair.record1.fixed_cost) + std::fabs(pair.record2.fixed_cost) +
               penalties + std::fabs(pair.cost1) + std::fabs(pair.cost2);
    }
    bool active() const { return on; }
    // What the new routes' distance and warp costs must stay below, for what a floor delta
    // must stay below (`limit`); raised for rounding.
    double cut_for(double limit) const
    {
        return (limit - constants) + (1e-8 * (size + std::fabs(limit)) + 1e-8);
    }
    // Whether no split of a row (one route split between `head` and `tail`) whose new routes
    // both keep clients can be taken: the other route's head and tail together cost at least
    // its least head-plus-tail, its legs at least its reach (as in tail_row_floor).
    bool line_hopeless(const moves::VisitEnds& head, const moves::VisitEnds& tail,
                       const moves::RouteReach& other, double cut) const
    {
        const double distance =
            (head.head_distance + tail.tail_distance) +
            (other.gap_distance[0] + (other.v_to[head.client] + other.v_from[tail.client]));
        const double warp = (head.head_warp + tail.tail_warp) + other.gap_warp[0];
        return weight * distance + warp_penalty * warp >= cut;
    }
    // Before the splits of row i, against the cut of what a floor delta must stay below
    // (cut_for).
    void start_row(unsigned i, double cut)
    {
        head1 = &ends1[i];
        tail1 = &ends1[i + 1];
        legs_from_head = &vrp.leg(head1->client, 0);
        raised_cut = cut;
        row_on = on && std::isfinite(raised_cut);
        late_head = std::numeric_limits<double>::infinity();
        early_tail = -std::numeric_limits<double>::infinity();
        if (row_on && warp_penalty > 0.0 && i > 0 && i + 3 <= pair.n1) {
            cut_by_time();
        }
    }
    // Splits from j on, whose second head ends too late for the first tail: the row may stop.
    bool heads_too_late(unsigned j) const { return finish_floor2[j] >= late_head; }
    // A split whose second tail starts too early after the first head.
    bool tail_too_early(unsigned j) const { return latest_ceiling2[j + 1] <= early_tail; }
    // Whether split (i, j) of the row cannot be taken; splits that leave a route without
    // clients (which then costs nothing) pass.
    bool refuses(const TailExchange& m) const
    {
        if (!row_on || !pair.a_serves(m) || !pair.b_serves(m)) {
            return false;
        }
        const unsigned j = m.j;
        const moves::VisitEnds& head2 = ends2[j];
        const moves::VisitEnds& tail2 = ends2[j + 1];
        const VRP::Leg& a = legs_from_head[tail2.client];
        const VRP::Leg& b = vrp.leg(head2.client, tail1->client);
        const double distance = ((head1->head_distance + tail2.tail_distance) + a.distance) +
                                ((head2.head_distance + tail1->tail_distance) + b.distance);
        const double warp_a = join_warp(*head1, a.travel, tail2);
        const double warp_b = join_warp(head2, b.travel, *tail1);
        return weight * distance + warp_penalty * (warp_a + warp_b) >= raised_cut;
    }

private:
    // In a row whose splits all leave clients on both new routes: what the joins' warp may
    // cost once the least distance is paid (as in line_hopeless), in time. A join warps at
    // least by how late its head ends for its tail's latest start (the travel is not
    // negative); the second route's heads only end later further along it and its tails
    // only start later (RouteEnds::finish_floor, latest_ceiling), so the second head's join
    // rules out every split from some point on, the first head's every split up to one.
    void cut_by_time()
    {
        const double low =
            weight * ((head1->head_distance + tail1->tail_distance) +
                      (reach2.gap_distance[0] +
                       (reach2.v_to[head1->client] + reach2.v_from[tail1->client])));
        const double budget =
            ((raised_cut + (1e-8 * (size + std::fabs(raised_cut) + std::fabs(low)) + 1e-8)) -
             low) /
            warp_penalty;
        const double late = tail1->tail_latest;
        const double early = head1->head_finish;
        const double head = (late + budget) + (1e-9 * (std::fabs(budget) + std::fabs(late)) + 1e-9);
        const double tail =
            (early - budget) - (1e-9 * (std::fabs(budget) + std::fabs(early)) + 1e-9);
        if (std::isfinite(head) && std::isfinite(tail)) {
            late_head = head;
            early_tail = tail;
        }
    }

    // The time warp the join of a head and a tail adds, as join_segments takes it.
    static double join_warp(const moves::VisitEnds& head, double travel,
                            const moves::VisitEnds& tail)
    {
        const double arrival = head.head_earliest + (head.head_net + travel);
        return positive_part(arrival - tail.tail_latest);
    }

    const VRP& vrp;
    const TailPair& pair;
    const moves::VisitEnds* ends1;
    const moves::VisitEnds* ends2;
    const moves::RouteReach& reach2;
    const double* finish_floor2;
    const double* latest_ceiling2;
    double weight;
    double warp_penalty;
    bool on = false;
    bool row_on = false;
    double constants = 0.0;  // both fixed costs less both current costs
    double size = 0.0;       // the magnitudes the rounding margin is measured against
    double raised_cut = 0.0;
    double late_head = 0.0;  // see heads_too_late, tail_too_early; infinite when off
    double early_tail = 0.0;
    const moves::VisitEnds* head1 = nullptr;
    const moves::VisitEnds* tail1 = nullptr;
    const VRP::Leg* legs_from_head = nullptr;
};

// Every split (i, j) of one route pair but (0, 0), in scan order. A row i or a column j
// whose floor cannot be taken is skipped; the first and last of each, where a new route may
// serve no client, never are. v_columns: the columns scanned, ascending.
template <class Chooser>
void scan_tail_pair(const VRP& vrp, const VRP::Solution& solution, const moves::RouteEnds& ends,
                    unsigned r1, unsigned r2, std::vector<unsigned>& v_columns,
                    Chooser& choice)
{
    const TailPair pair(vrp, solution, r1, r2);
    const unsigned n1 = pair.n1;
    const unsigned n2 = pair.n2;
    const std::vector<int>& v_cum1 = solution.cumulative_load[r1];
    const std::vector<int>& v_cum2 = solution.cumulative_load[r2];
    const moves::VisitEnds* ends1 = ends.route(r1);
    const moves::VisitEnds* ends2 = ends.route(r2);
    const bool bounded = tail_rows_bounded(vrp, pair);
    TailScreen screen(vrp, pair, ends, bounded);
    // Rows and columns whose floor cannot be taken: through the screen's cut where it
    // screens, else through tail_row_floor.
    const auto hopeless = [&](const moves::VisitEnds& head, const moves::VisitEnds& tail,
                              const moves::RouteReach& other, double cut) {
        if (screen.active()) {
            return screen.line_hopeless(head, tail, other, cut);
        }
        return !choice.may_take(tail_row_floor(vrp, pair, head, tail, other));
    };
    v_columns.clear();
    const double column_cut = screen.cut_for(choice.limit());
    for (unsigned j = 0; j + 2 <= n2; ++j) {
        if (!bounded || j == 0 || j + 2 == n2 ||
            !hopeless(ends2[j], ends2[j + 1], ends.reach(r1), column_cut)) {
            v_columns.push_back(j);
        }
    }
    for (unsigned i = 0; i + 2 <= n1; ++i) {
        const double cut = screen.cut_for(choice.limit());
        if (bounded && i > 0 && i + 2 < n1 &&
            hopeless(ends1[i], ends1[i + 1], ends.reach(r2), cut)) {
            continue;
        }
        screen.start_row(i, cut);
        for (const unsigned j : v_columns) {
            if (screen.heads_too_late(j)) {
                break;
            }
            if ((i == 0 && j == 0) || screen.tail_too_early(j)) {
                continue;
            }
            if (screen.refuses(TailExchange{r1, r2, i, j, 0, 0})) {
                continue;
            }
            const long long load_a = static_cast<long long>(v_cum1[i]) + v_cum2[n2 - 1] - v_cum2[j];
            const long long load_b = static_cast<long long>(v_cum2[j]) + v_cum1[n1 - 1] - v_cum1[i];
            offer_tail_exchange(vrp, solution, pair, ends, TailExchange{r1, r2, i, j, 0, 0},
                                load_a, load_b, choice);
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
    const auto routes = static_cast<unsigned>(solution.routes.size());
    moves::SearchMemory& memory = moves::prepared_scan_memory(*this, solution);
    memory.read_stamps(solution);
    const std::vector<std::uint64_t>& v_stamps = memory.v_stamps;
    moves::PairFindings<TailExchange>& findings = memory.tail_findings;
    findings.prepare(v_stamps);
    moves::Choice<TailExchange> choice;
    // Each unordered pair once; an empty route only ever comes second. Pairs whose routes
    // did not change since the last scan offer what that scan kept (search/pair_scan.h).
    for (unsigned r1 = 0; r1 + 1 < routes; ++r1) {
        if (solution.routes[r1].visits.size() < 3) {
            continue;
        }
        const std::uint64_t stamp1 = v_stamps[r1];
        for (const unsigned r2 : findings.columns(r1, r1 + 1)) {
            moves::PairFinding<TailExchange>& finding = findings.at(r1, r2);
            const std::uint64_t stamp2 = v_stamps[r2];
            if (!finding.current(stamp1, stamp2)) {
                moves::PairRecorder<TailExchange> recorder(finding);
                scan_tail_pair(*this, solution, memory.ends, r1, r2, memory.v_open_columns,
                               recorder);
                finding.stamp1 = stamp1;
                finding.stamp2 = stamp2;
                findings.note_kept(r1, r2);
            }
            finding.offer_to(r1, r2, choice);
        }
    }
    findings.finish(v_stamps);
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
