// Relocations and exchanges between two routes: one client or two consecutive clients moved
// into another route, kept in their order; one for one, a pair for a pair, a pair for one.

#include "run_exchange.h"

using moves::RunExchange;

// Relocations take the client(s) at i from r1 and put them directly after position j of r2.

double VRP::relocate_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                 unsigned j) const
{
    return moves::price_run_exchange<1, 0>(*this, solution, RunExchange{r1, r2, i, j + 1}).delta;
}

double VRP::relocate_pair_inter_delta(const Solution& solution, unsigned r1, unsigned r2,
                                      unsigned i, unsigned i_next, unsigned j) const
{
    return moves::price_run_exchange<2, 0>(*this, solution, RunExchange{r1, r2, i, j + 1}).delta;
}

void VRP::apply_relocate_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                               unsigned j) const
{
    moves::apply_run_exchange<1, 0>(*this, solution, RunExchange{r1, r2, i, j + 1});
}

void VRP::apply_relocate_pair_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                    unsigned i_next, unsigned j) const
{
    moves::apply_run_exchange<2, 0>(*this, solution, RunExchange{r1, r2, i, j + 1});
}

bool VRP::relocate_inter(Solution& solution, std::vector<int>& v_changed)
{
    return moves::run_exchange_move<1, 0>(*this, solution, v_changed);
}

bool VRP::relocate_pair_inter(Solution& solution, std::vector<int>& v_changed)
{
    return moves::run_exchange_move<2, 0>(*this, solution, v_changed);
}

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
