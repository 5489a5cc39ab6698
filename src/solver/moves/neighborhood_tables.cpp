// The move tables the local search draws from; the slot order is fixed.

#include "vrp.h"

std::vector<VRP::IntraRouteMove> VRP::initialize_intra_route_neighborhoods()
{
    return {
        [this](Solution& solution, unsigned& route) { return relocate_intra(solution, route); },
        [this](Solution& solution, unsigned& route) { return two_opt_intra(solution, route); },
        [this](Solution& solution, unsigned& route) { return swap_intra(solution, route); },
        [this](Solution& solution, unsigned& route) { return or_opt_intra(solution, route); },
    };
}

std::vector<VRP::InterRouteMove> VRP::initialize_inter_route_neighborhoods()
{
    using Changed = std::vector<int>;
    return {
        [this](Solution& solution, Changed& v_changed) {
            return relocate_inter(solution, v_changed);
        },
        [this](Solution& solution, Changed& v_changed) {
            return relocate_pair_inter(solution, v_changed);
        },
        [this](Solution& solution, Changed& v_changed) { return swap_inter(solution, v_changed); },
        [this](Solution& solution, Changed& v_changed) {
            return swap_pairs_inter(solution, v_changed);
        },
        [this](Solution& solution, Changed& v_changed) {
            return swap_pair_single_inter(solution, v_changed);
        },
        [this](Solution& solution, Changed& v_changed) {
            return two_opt_star_inter(solution, v_changed);
        },
    };
}
