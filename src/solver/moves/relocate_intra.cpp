// Moves one client to another place in its route.

#include "search/distance_screen.h"
#include "search/route_ends.h"

#include <algorithm>

using moves::Piece;

namespace {
struct Relocation {
    unsigned i = 0;  // position of the client
    unsigned j = 0;  // it goes directly after the visit now at j
};

// The new visit order when the client moves backwards (j < i) and forwards (j > i).
moves::PieceList backward_pieces(unsigned r, unsigned n, unsigned i, unsigned j)
{
    return {Piece{r, 0, j}, Piece{r, i, i}, Piece{r, j + 1, i - 1}, Piece{r, i + 1, n - 1}};
}

moves::PieceList forward_pieces(unsigned r, unsigned n, unsigned i, unsigned j)
{
    return {Piece{r, 0, i - 1}, Piece{r, i + 1, j}, Piece{r, i, i}, Piece{r, j + 1, n - 1}};
}

void scan_relocations(const VRP& vrp, const VRP::Solution& solution, unsigned route,
                      const moves::DistanceScreen& screen, moves::Choice<Relocation>& choice)
{
    const auto n = static_cast<unsigned>(solution.routes[route].visits.size());
    for (unsigned i = 1; i <= n - 2; ++i) {
        // The legs the client's leaving adds and removes, the same for the whole row.
        const moves::LegSums leaving = screen.sum_legs(moves::LegChange<1, 2>{
            {{{i - 1, i + 1}}}, {screen.leg(i - 1, i), screen.leg(i, i + 1)}});
        // The legs its new place adds and removes, around the visit now at j.
        const auto change = [&](unsigned j) {
            return moves::LegChange<2, 1>{{{{j, i}, {i, j + 1}}}, {screen.leg(j, j + 1)}};
        };
        // Places before the client, then after it (j = i - 1 and j = i change nothing). The
        // stretch the client follows grows along each row, and so does its floor; before
        // it, the stretch j + 1..i - 1 the client goes ahead of shrinks: hopeless ones lead.
        const double late = screen.late(i);
        const double finish = screen.finish(i);
        const Segment tail = solution.segment(route, i + 1, n - 1);
        const unsigned first = moves::first_hopeful(0, i - 1, [&](unsigned j) {
            const Segment run = solution.segment(route, j + 1, i - 1);
            return screen.stretches_hopeless(run.distance + tail.distance,
                                             screen.warp_after(finish, run) + tail.time_warp,
                                             choice);
        });
        for (unsigned j = first; j + 2 <= i; ++j) {
            const Segment head = solution.segment(route, 0, j);
            if (screen.stretches_hopeless(head.distance + tail.distance,
                                          screen.warp_before(head, late) + tail.time_warp,
                                          choice)) {
                break;
            }
            if (!screen.hopeless(change(j), choice, leaving)) {
                moves::offer_intra(vrp, solution, route, backward_pieces(route, n, i, j), {i, j},
                                   choice);
            }
        }
        const Segment head = solution.segment(route, 0, i - 1);
        for (unsigned j = i + 1; j <= n - 2; ++j) {
            const Segment run = solution.segment(route, i + 1, j);
            if (screen.stretches_hopeless(head.distance + run.distance,
                                          head.time_warp + screen.warp_before(run, late),
                                          choice)) {
                break;
            }
            if (!screen.hopeless(change(j), choice, leaving)) {
                moves::offer_intra(vrp, solution, route, forward_pieces(route, n, i, j), {i, j},
                                   choice);
            }
        }
    }
}
}  // namespace

double VRP::relocate_intra_backward_delta(const Solution& solution, unsigned r, unsigned i,
                                          unsigned j) const
{
    return moves::intra_route_delta(*this, solution, r, backward_pieces, i, j);
}

double VRP::relocate_intra_forward_delta(const Solution& solution, unsigned r, unsigned i,
                                         unsigned j) const
{
    return moves::intra_route_delta(*this, solution, r, forward_pieces, i, j);
}

bool VRP::relocate_intra(Solution& solution, unsigned& route)
{
    return moves::scan_route<Relocation>(
        *this, solution, route, 4, moves::IntraMove::relocate, scan_relocations,
        [&](const Relocation& m) { apply_relocate_intra(solution, route, m.i, m.j); });
}

void VRP::apply_relocate_intra(Solution& solution, unsigned r, unsigned i, unsigned j) const
{
    const unsigned lo = std::min(i, j + 1);
    const unsigned hi = std::max(i, j);
    moves::rearrange_route(*this, solution, r, lo, hi, [&](auto visits) {
        std::rotate(visits + lo, visits + (j < i ? i : i + 1), visits + hi + 1);
    });
}
