// Moves a run of consecutive clients, kept in its order, to another place in its route: one
// client (relocation) or two (or-opt).

#include "search/distance_screen.h"
#include "search/route_ends.h"

#include <algorithm>

using moves::Piece;

namespace {
struct RunMove {
    unsigned i = 0;  // first visit of the run
    unsigned j = 0;  // it goes directly after the visit now at j
};

// The client i put earlier (j < i) and later (j > i).
moves::PieceList client_backward(unsigned r, unsigned n, unsigned i, unsigned j)
{
    return {Piece{r, 0, j}, Piece{r, i, i}, Piece{r, j + 1, i - 1}, Piece{r, i + 1, n - 1}};
}

moves::PieceList client_forward(unsigned r, unsigned n, unsigned i, unsigned j)
{
    return {Piece{r, 0, i - 1}, Piece{r, i + 1, j}, Piece{r, i, i}, Piece{r, j + 1, n - 1}};
}

// The pair a, a + 1 put after c, later in the route (c > a + 1) or earlier (c < a - 1).
moves::PieceList pair_forward(unsigned r, unsigned n, unsigned a, unsigned c)
{
    if (c == a + 2) {
        return {Piece{r, 0, a - 1}, Piece{r, c, c}, Piece{r, a, a + 1}, Piece{r, a + 3, n - 1}};
    }
    return {Piece{r, 0, a - 1}, Piece{r, a + 2, c - 1}, Piece{r, c, c}, Piece{r, a, a + 1},
            Piece{r, c + 1, n - 1}};
}

moves::PieceList pair_backward(unsigned r, unsigned n, unsigned a, unsigned c)
{
    return {Piece{r, 0, c - 1}, Piece{r, c, c}, Piece{r, a, a + 1}, Piece{r, c + 1, a - 1},
            Piece{r, a + 2, n - 1}};
}

// Every place j of every run of LENGTH clients at i: before the run (from place 0 for one
// client, from 1 for a pair), then after it.
template <unsigned LENGTH>
void scan_run_moves(const VRP& vrp, const VRP::Solution& solution, unsigned route,
                    const moves::DistanceScreen& screen, moves::Choice<RunMove>& choice)
{
    const auto n = static_cast<unsigned>(solution.routes[route].visits.size());
    for (unsigned i = 1; i + LENGTH + 1 <= n; ++i) {
        const unsigned after = i + LENGTH;  // the visit after the run
        // The legs the run's leaving adds and removes, the same for the whole row.
        const moves::LegSums leaving = screen.sum_legs(moves::LegChange<1, 2>{
            {{{i - 1, after}}}, {screen.leg(i - 1, i), screen.leg(after - 1, after)}});
        // Either way the stretch the run follows grows along the row, and so does its floor:
        // the first hopeless place ends that side. Earlier, the run also goes ahead of the
        // stretch j + 1..i - 1, whose floor shrinks along the row: the hopeless places lead.
        const Segment run = solution.segment(route, i, after - 1);
        const Segment head = solution.segment(route, 0, i - 1);
        const Segment tail = solution.segment(route, after, n - 1);
        const double finish = (run.earliest + run.duration) - run.time_warp;
        const auto offer = [&](unsigned j, bool later) {
            const moves::LegChange<2, 1> change{{{{j, i}, {after - 1, j + 1}}},
                                                {screen.leg(j, j + 1)}};
            if (screen.hopeless(change, choice, leaving)) {
                return;
            }
            const auto pieces = LENGTH == 1 ? (later ? client_forward : client_backward)
                                            : (later ? pair_forward : pair_backward);
            moves::offer_intra(vrp, solution, route, pieces(route, n, i, j), {i, j}, choice);
        };
        const auto run_after = [&](const Segment& stretch, const Segment& rest) {
            return screen.stretches_hopeless(
                (stretch.distance + rest.distance) + run.distance,
                (screen.warp_before(stretch, run.latest) + rest.time_warp) + run.time_warp,
                choice);
        };
        const unsigned first = moves::first_hopeful(LENGTH == 1 ? 0 : 1, i - 1, [&](unsigned j) {
            const Segment ahead = solution.segment(route, j + 1, i - 1);
            return screen.stretches_hopeless(
                (ahead.distance + tail.distance) + run.distance,
                (screen.warp_after(finish, ahead) + tail.time_warp) + run.time_warp, choice);
        });
        for (unsigned j = first; j + 2 <= i; ++j) {
            if (run_after(solution.segment(route, 0, j), tail)) {
                break;
            }
            offer(j, false);
        }
        for (unsigned j = after; j <= n - 2; ++j) {
            if (run_after(solution.segment(route, after, j), head)) {
                break;
            }
            offer(j, true);
        }
    }
}

// The run of LENGTH clients at i moved to directly after the visit now at j.
template <unsigned LENGTH>
void apply_run_move(const VRP& vrp, VRP::Solution& solution, unsigned r, unsigned i, unsigned j)
{
    const unsigned lo = std::min(i, j + 1);
    const unsigned hi = std::max(j, i + LENGTH - 1);
    moves::rearrange_route(vrp, solution, r, lo, hi, [&](auto visits) {
        std::rotate(visits + lo, visits + (j > i ? i + LENGTH : i), visits + hi + 1);
    });
}
}  // namespace

double VRP::relocate_intra_backward_delta(const Solution& solution, unsigned r, unsigned i,
                                          unsigned j) const
{
    return moves::intra_route_delta(*this, solution, r, client_backward, i, j);
}

double VRP::relocate_intra_forward_delta(const Solution& solution, unsigned r, unsigned i,
                                         unsigned j) const
{
    return moves::intra_route_delta(*this, solution, r, client_forward, i, j);
}

bool VRP::relocate_intra(Solution& solution, unsigned& route)
{
    return moves::scan_route<RunMove>(
        *this, solution, route, 4, moves::IntraMove::relocate, scan_run_moves<1>,
        [&](const RunMove& m) { apply_relocate_intra(solution, route, m.i, m.j); });
}

void VRP::apply_relocate_intra(Solution& solution, unsigned r, unsigned i, unsigned j) const
{
    apply_run_move<1>(*this, solution, r, i, j);
}

double VRP::or_opt_intra_forward_delta(const Solution& solution, unsigned r, unsigned a, unsigned b,
                                       unsigned c) const
{
    return moves::intra_route_delta(*this, solution, r, pair_forward, a, c);
}

double VRP::or_opt_intra_backward_delta(const Solution& solution, unsigned r, unsigned a,
                                        unsigned b, unsigned c) const
{
    return moves::intra_route_delta(*this, solution, r, pair_backward, a, c);
}

bool VRP::or_opt_intra(Solution& solution, unsigned& route)
{
    return moves::scan_route<RunMove>(
        *this, solution, route, 5, moves::IntraMove::or_opt, scan_run_moves<2>,
        [&](const RunMove& m) { apply_or_opt_intra(solution, route, m.i, m.i + 1, m.j); });
}

void VRP::apply_or_opt_intra(Solution& solution, unsigned r, unsigned a, unsigned b,
                             unsigned c) const
{
    apply_run_move<2>(*this, solution, r, a, c);
}
