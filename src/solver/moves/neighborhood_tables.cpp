// The move tables the local search draws from; the slot order is fixed.

#include "vrp.h"

std::vector<VRP::IntraRouteMove> VRP::initialize_intra_route_neighborhoods()
{
    std::vector<IntraRouteMove> v_moves;
    for (auto move : {&VRP::relocate_intra, &VRP::two_opt_intra, &VRP::swap_intra,
                      &VRP::or_opt_intra}) {
        v_moves.push_back([this, move](Solution& solution, unsigned& route) {
            return (this->*move)(solution, route);
        });
    }
    return v_moves;
}

std::vector<VRP::InterRouteMove> VRP::initialize_inter_route_neighborhoods()
{
    std::vector<InterRouteMove> v_moves;
    for (auto move : {&VRP::relocate_inter, &VRP::relocate_pair_inter, &VRP::swap_inter,
                      &VRP::swap_pairs_inter, &VRP::swap_pair_single_inter,
                      &VRP::two_opt_star_inter}) {
        v_moves.push_back([this, move](Solution& solution, std::vector<int>& v_changed) {
            return (this->*move)(solution, v_changed);
        });
    }
    return v_moves;
}
