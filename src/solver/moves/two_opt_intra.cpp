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
}  // namespace

double VRP::two_opt_intra_delta(const Solution& solution, unsigned r, unsigned a, unsigned b,
                                unsigned c, unsigned d) const
{
    const auto n = static_cast<unsigned>(solution.routes[r].visits.size());
    return moves::intra_route_delta(*this, solution, r, reversal_pieces(r, n, a, b, c));
}

bool VRP::two_opt_intra(Solution& solution, unsigned& route)
{
    const auto n = static_cast<int>(solution.routes[route].visits.size());
    moves::Choice<Reversal> choice;
    if (moves::skip_intra_scan(*this, solution.routes[route], 4, moves::IntraMove::two_opt)) {
        return false;  // no candidate, or none that helps
    }
    const moves::DistanceScreen screen(*this, solution, route);
    const SquareTable& distance = solution.seg_distance[route];
    const SquareTable& warp = solution.seg_time_warp[route];
    for (int a = 0; a < n - 3; ++a) {
        const auto first = static_cast<unsigned>(a);
        const double into = screen.leg(first, first + 1);
        const double head_distance = distance(0, first);
        const double head_warp = warp(0, first);
        for (unsigned c = first + 2; c <= static_cast<unsigned>(n - 2); ++c) {
            // The head and the reversed run alone: a longer run is no shorter and warps no
            // less, so once hopeless the rest of the row is too.
            if (screen.stretches_hopeless(head_distance + distance(c, first + 1),
                                          head_warp + warp(c, first + 1), choice)) {
                break;
            }
            const moves::LegChange<2, 2> change{{{{first, c}, {first + 1, c + 1}}},
                                                {into, screen.leg(c, c + 1)},
                                                distance(c, first + 1),
                                                distance(first + 1, c)};
            if (screen.hopeless(change, choice)) {
                continue;
            }
            const moves::PieceList pieces =
                reversal_pieces(route, static_cast<unsigned>(n), first, first + 1, c);
            moves::offer_intra(*this, solution, route, pieces, {first, first + 1, c, c + 1},
                               choice);
        }
    }
    return moves::take_intra_choice(
        solution, route, choice, search_memory().intra, moves::IntraMove::two_opt,
        [&](const Reversal& chosen) {
            apply_two_opt_intra(solution, route, chosen.a, chosen.b, chosen.c, chosen.d);
        });
}

void VRP::apply_two_opt_intra(Solution& solution, unsigned r, unsigned a, unsigned b, unsigned c,
                              unsigned d) const
{
    moves::begin_route_change(solution, r);
    auto visits = solution.routes[r].visits.begin();
    std::reverse(visits + b, visits + c + 1);
    moves::end_route_change(*this, solution, r, b, c);
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
