// Exchanges of clients between two routes: one for one, a pair for a pair, and a pair
// for one client.

#include "run_exchange.h"

using moves::RunExchange;

double VRP::swap_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                             unsigned j) const
{
    return moves::price_run_exchange<1, 1>(*this, solution, RunExchange{r1, r2, i, j}).delta;
}

double VRP::swap_pairs_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                   unsigned i_next, unsigned j, unsigned j_next) const
{
    return moves::price_run_exchange<2, 2>(*this, solution, RunExchange{r1, r2, i, j}).delta;
}

double VRP::swap_pair_single_inter_delta(const Solution& solution, unsigned r1, unsigned r2,
                                         unsigned i, unsigned i_next, unsigned j) const
{
    return moves::price_run_exchange<2, 1>(*this, solution, RunExchange{r1, r2, i, j}).delta;
}

void VRP::apply_swap_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                           unsigned j) const
{
    moves::apply_run_exchange<1, 1>(*this, solution, RunExchange{r1, r2, i, j});
}

void VRP::apply_swap_pairs_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                 unsigned i_next, unsigned j, unsigned j_next) const
{
    moves::apply_run_exchange<2, 2>(*this, solution, RunExchange{r1, r2, i, j});
}

void VRP::apply_swap_pair_single_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                       unsigned i_next, unsigned j) const
{
    moves::apply_run_exchange<2, 1>(*this, solution, RunExchange{r1, r2, i, j});
}

bool VRP::swap_inter(Solution& solution, std::vector<int>& v_changed)
{
    return moves::run_exchange_move<1, 1>(*this, solution, v_changed);
}

bool VRP::swap_pairs_inter(Solution& solution, std::vector<int>& v_changed)
{
    return moves::run_exchange_move<2, 2>(*this, solution, v_changed);
}

bool VRP::swap_pair_single_inter(Solution& solution, std::vector<int>& v_changed)
{
    return moves::run_exchange_move<2, 1>(*this, solution, v_changed);
}
