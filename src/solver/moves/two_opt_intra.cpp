// Reverses a run of at least two consecutive clients of a route.

#include "search/distance_screen.h"
#include "search/route_ends.h"

#include <algorithm>

using moves::Piece;

namespace {
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
