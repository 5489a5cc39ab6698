// Two within-route moves of the same shape, each with its own pieces and scan: exchanging
// two clients of a route, and reversing a run of at least two consecutive clients.

#include "search/distance_screen.h"
#include "search/route_ends.h"

#include <algorithm>
#include <utility>

using moves::Piece;

namespace {
struct Exchange {
    unsigned i = 0;
    unsigned j = 0;  // always after i
};

moves::PieceList exchange_pieces(unsigned r, unsigned n, unsigned i, unsigned j)
{
    if (j == i + 1) {
        return {Piece{r, 0, i - 1}, Piece{r, j, j}, Piece{r, i, i}, Piece{r, j + 1, n - 1}};
    }
    return {Piece{r, 0, i - 1}, Piece{r, j, j}, Piece{r, i + 1, j - 1}, Piece{r, i, i},
            Piece{r, j + 1, n - 1}};
}

void scan_exchanges(const VRP& vrp, const VRP::Solution& solution, unsigned route,
                    const moves::DistanceScreen& screen, moves::Choice<Exchange>& choice)
{
    const auto n = static_cast<unsigned>(solution.routes[route].visits.size());
    for (unsigned i = 1; i <= n - 3; ++i) {
        // Neighbours trade the leg between them for its reverse; others trade all four.
        const bool hopeless =
            screen.hopeless(moves::LegChange<3, 3>{{{{i - 1, i + 1}, {i + 1, i}, {i, i + 2}}},
                                                   {screen.leg(i - 1, i), screen.leg(i, i + 1),
                                                    screen.leg(i + 1, i + 2)}},
                            choice);
        if (!hopeless) {
            moves::offer_intra(vrp, solution, route, exchange_pieces(route, n, i, i + 1),
                               {i, i + 1}, choice);
        }
        // Client i follows the stretch i + 1..j - 1, whose floor grows along the row: the
        // first hopeless place ends the row.
        const double late = screen.late(i);
        const Segment head = solution.segment(route, 0, i - 1);
        for (unsigned j = i + 2; j <= n - 2; ++j) {
            const Segment run = solution.segment(route, i + 1, j - 1);
            if (screen.stretches_hopeless(head.distance + run.distance,
                                          head.time_warp + screen.warp_before(run, late),
                                          choice)) {
                break;
            }
            const moves::LegChange<4, 4> change{
                {{{i - 1, j}, {j, i + 1}, {j - 1, i}, {i, j + 1}}},
                {screen.leg(i - 1, i), screen.leg(i, i + 1), screen.leg(j - 1, j),
                 screen.leg(j, j + 1)}};
            if (!screen.hopeless(change, choice)) {
                moves::offer_intra(vrp, solution, route, exchange_pieces(route, n, i, j), {i, j},
                                   choice);
            }
        }
    }
}

struct Reversal {
    unsigned a = 0;  // the run b..c follows position a
    unsigned b = 0;
    unsigned c = 0;
    unsigned d = 0;
};

// Positions b..c reversed, after position a.
moves::PieceList reversal_pieces(unsigned r, unsigned n, unsigned a, unsigned b, unsigned c)
{
    if (c == b + 1) {
        return {Piece{r, 0, a}, Piece{r, c, c}, Piece{r, b, b}, Piece{r, c + 1, n - 1}};
    }
    return {Piece{r, 0, a}, Piece{r, c, c}, Piece{r, c - 1, b + 1}, Piece{r, b, b},
            Piece{r, c + 1, n - 1}};
}

void scan_reversals(const VRP& vrp, const VRP::Solution& solution, unsigned route,
                    const moves::DistanceScreen& screen, moves::Choice<Reversal>& choice)
{
    const auto n = static_cast<unsigned>(solution.routes[route].visits.size());
    const SquareTable& distance = solution.seg_distance[route];
    const SquareTable& warp = solution.seg_time_warp[route];
    for (unsigned a = 0; a + 3 < n; ++a) {
        const double into = screen.leg(a, a + 1);
        const double head_distance = distance(0, a);
        const double head_warp = warp(0, a);
        for (unsigned c = a + 2; c <= n - 2; ++c) {
            // The head and the reversed run alone: a longer run is no shorter and warps no
            // less, so once hopeless the rest of the row is too.
            if (screen.stretches_hopeless(head_distance + distance(c, a + 1),
                                          head_warp + warp(c, a + 1), choice)) {
                break;
            }
            const moves::LegChange<2, 2> change{{{{a, c}, {a + 1, c + 1}}},
                                                {into, screen.leg(c, c + 1)},
                                                distance(c, a + 1),
                                                distance(a + 1, c)};
            if (!screen.hopeless(change, choice)) {
                moves::offer_intra(vrp, solution, route, reversal_pieces(route, n, a, a + 1, c),
                                   {a, a + 1, c, c + 1}, choice);
            }
        }
    }
}
}  // namespace

double VRP::swap_intra_delta(const Solution& solution, unsigned r, unsigned i, unsigned j) const
{
    return moves::intra_route_delta(*this, solution, r, exchange_pieces, i, j);
}

bool VRP::swap_intra(Solution& solution, unsigned& route)
{
    return moves::scan_route<Exchange>(
        *this, solution, route, 4, moves::IntraMove::swap, scan_exchanges,
        [&](const Exchange& m) { apply_swap_intra(solution, route, m.i, m.j); });
}

void VRP::apply_swap_intra(Solution& solution, unsigned r, unsigned i, unsigned j) const
{
    moves::rearrange_route(*this, solution, r, std::min(i, j), std::max(i, j),
                           [&](auto visits) { std::swap(visits[i], visits[j]); });
}

double VRP::two_opt_intra_delta(const Solution& solution, unsigned r, unsigned a, unsigned b,
                                unsigned c, unsigned d) const
{
    return moves::intra_route_delta(*this, solution, r, reversal_pieces, a, b, c);
}

bool VRP::two_opt_intra(Solution& solution, unsigned& route)
{
    return moves::scan_route<Reversal>(
        *this, solution, route, 4, moves::IntraMove::two_opt, scan_reversals,
        [&](const Reversal& m) { apply_two_opt_intra(solution, route, m.a, m.b, m.c, m.d); });
}

void VRP::apply_two_opt_intra(Solution& solution, unsigned r, unsigned a, unsigned b, unsigned c,
                              unsigned d) const
{
    moves::rearrange_route(*this, solution, r, b, c,
                           [&](auto visits) { std::reverse(visits + b, visits + c + 1); });
}

VRP::Solution VRP::insertion_then_two_opt()
{
    Solution solution = randomized_insertion();
    for (unsigned r = 0; r < solution.routes.size(); ++r) {
        unsigned route = r;
        two_opt_intra(solution, route);
    }
    return solution;
}
