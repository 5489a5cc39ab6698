// Moves two consecutive clients, kept in their order, to another place in the route.

#include "search/distance_screen.h"
#include "search/route_ends.h"

#include <algorithm>

using moves::Piece;

namespace {
struct PairMove {
    unsigned a = 0;  // the pair a, a + 1
    unsigned c = 0;  // it goes directly after the visit now at c
};

// The pair a, a + 1 put after c, later in the route (c > a + 1) or earlier (c < a - 1).
moves::PieceList forward_pieces(unsigned r, unsigned n, unsigned a, unsigned c)
{
    if (c == a + 2) {
        return {Piece{r, 0, a - 1}, Piece{r, c, c}, Piece{r, a, a + 1}, Piece{r, a + 3, n - 1}};
    }
    return {Piece{r, 0, a - 1}, Piece{r, a + 2, c - 1}, Piece{r, c, c}, Piece{r, a, a + 1},
            Piece{r, c + 1, n - 1}};
}

moves::PieceList backward_pieces(unsigned r, unsigned n, unsigned a, unsigned c)
{
    return {Piece{r, 0, c - 1}, Piece{r, c, c}, Piece{r, a, a + 1}, Piece{r, c + 1, a - 1},
            Piece{r, a + 2, n - 1}};
}

void scan_pair_moves(const VRP& vrp, const VRP::Solution& solution, unsigned route,
                     const moves::DistanceScreen& screen, moves::Choice<PairMove>& choice)
{
    const auto n = static_cast<unsigned>(solution.routes[route].visits.size());
    for (unsigned a = 1; a <= n - 3; ++a) {
        // The legs the pair's leaving adds and removes, the same for the whole row.
        const moves::LegSums leaving = screen.sum_legs(moves::LegChange<1, 2>{
            {{{a - 1, a + 2}}}, {screen.leg(a - 1, a), screen.leg(a + 1, a + 2)}});
        // Either way the stretch the pair follows grows along the row, and so does its floor:
        // the first hopeless place ends that side. Earlier, the pair also goes ahead of the
        // stretch c + 1..a - 1, whose floor shrinks along the row: the hopeless places lead.
        const Segment pair = solution.segment(route, a, a + 1);
        const Segment head = solution.segment(route, 0, a - 1);
        const Segment tail = solution.segment(route, a + 2, n - 1);
        const double finish = (pair.earliest + pair.duration) - pair.time_warp;
        const auto offer = [&](unsigned c, bool later) {
            const moves::LegChange<2, 1> change{{{{c, a}, {a + 1, c + 1}}},
                                                {screen.leg(c, c + 1)}};
            if (!screen.hopeless(change, choice, leaving)) {
                moves::offer_intra(vrp, solution, route,
                                   later ? forward_pieces(route, n, a, c)
                                         : backward_pieces(route, n, a, c),
                                   {a, c}, choice);
            }
        };
        const auto pair_after = [&](const Segment& run, const Segment& rest) {
            return screen.stretches_hopeless(
                (run.distance + rest.distance) + pair.distance,
                (screen.warp_before(run, pair.latest) + rest.time_warp) + pair.time_warp, choice);
        };
        const unsigned first = moves::first_hopeful(1, a - 1, [&](unsigned c) {
            const Segment run = solution.segment(route, c + 1, a - 1);
            return screen.stretches_hopeless(
                (run.distance + tail.distance) + pair.distance,
                (screen.warp_after(finish, run) + tail.time_warp) + pair.time_warp, choice);
        });
        for (unsigned c = first; c + 2 <= a; ++c) {
            if (pair_after(solution.segment(route, 0, c), tail)) {
                break;
            }
            offer(c, false);
        }
        for (unsigned c = a + 2; c <= n - 2; ++c) {
            if (pair_after(solution.segment(route, a + 2, c), head)) {
                break;
            }
            offer(c, true);
        }
    }
}
}  // namespace

double VRP::or_opt_intra_forward_delta(const Solution& solution, unsigned r, unsigned a, unsigned b,
                                       unsigned c) const
{
    return moves::intra_route_delta(*this, solution, r, forward_pieces, a, c);
}

double VRP::or_opt_intra_backward_delta(const Solution& solution, unsigned r, unsigned a,
                                        unsigned b, unsigned c) const
{
    return moves::intra_route_delta(*this, solution, r, backward_pieces, a, c);
}

bool VRP::or_opt_intra(Solution& solution, unsigned& route)
{
    return moves::scan_route<PairMove>(
        *this, solution, route, 5, moves::IntraMove::or_opt, scan_pair_moves,
        [&](const PairMove& m) { apply_or_opt_intra(solution, route, m.a, m.a + 1, m.c); });
}

void VRP::apply_or_opt_intra(Solution& solution, unsigned r, unsigned a, unsigned b,
                             unsigned c) const
{
    const unsigned lo = std::min(a, c + 1);
    const unsigned hi = std::max(c, a + 1);
    moves::rearrange_route(*this, solution, r, lo, hi, [&](auto visits) {
        std::rotate(visits + lo, visits + (c > a + 1 ? a + 2 : a), visits + hi + 1);
    });
}
