// Exchanges two clients of a route.

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
