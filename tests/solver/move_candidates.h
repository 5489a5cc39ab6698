#pragma once
// Every candidate of a move with its priced delta and its applier, in the move's scan order,
// with the per-candidate load tests and none of the quick pair tests.

#include "solver_support.h"
#include "solver_utils.h"

#include <functional>

namespace test_support {

struct Candidate {
    double delta;
    std::function<void(VRP::Solution&)> apply;
};
using Candidates = std::vector<Candidate>;

enum IntraMove { kRelocateIntra, kTwoOptIntra, kSwapIntra, kOrOptIntra };
enum InterMove { kRelocate, kRelocatePair, kSwap, kSwapPairs, kSwapPairSingle, kTwoOptStar };

// The moves in the slots above.
using IntraMoveFn = bool (VRP::*)(VRP::Solution&, unsigned&);
using InterMoveFn = bool (VRP::*)(VRP::Solution&, std::vector<int>&);
inline const IntraMoveFn kIntraMoveFns[] = {&VRP::relocate_intra, &VRP::two_opt_intra,
                                            &VRP::swap_intra, &VRP::or_opt_intra};
inline const InterMoveFn kInterMoveFns[] = {&VRP::relocate_inter,   &VRP::relocate_pair_inter,
                                            &VRP::swap_inter,       &VRP::swap_pairs_inter,
                                            &VRP::swap_pair_single_inter, &VRP::two_opt_star_inter};

// Appends the candidate that delta_fn prices and apply_fn applies with the same arguments.
template <class Delta, class Apply, class... Args>
void add_candidate(Candidates& v_all, const VRP& vrp, const VRP::Solution& s, Delta delta_fn,
                   Apply apply_fn, Args... args)
{
    const VRP* p = &vrp;
    v_all.push_back(
        {(vrp.*delta_fn)(s, args...), [=](VRP::Solution& t) { (p->*apply_fn)(t, args...); }});
}

inline Candidates intra_candidates(const VRP& vrp, const VRP::Solution& s, int move, unsigned r)
{
    Candidates v_all;
    const auto n = static_cast<unsigned>(s.routes[r].visits.size());
    for (unsigned i = 1; i + 2 <= n; ++i) {
        for (unsigned j = 0; j + 2 <= n; ++j) {
            if (move == kRelocateIntra && n >= 4 && (j + 2 <= i || j > i)) {
                add_candidate(v_all, vrp, s,
                              j < i ? &VRP::relocate_intra_backward_delta
                                    : &VRP::relocate_intra_forward_delta,
                              &VRP::apply_relocate_intra, r, i, j);
            }
            if (move == kTwoOptIntra && i + 3 <= n && j >= i + 1) {
                add_candidate(v_all, vrp, s, &VRP::two_opt_intra_delta, &VRP::apply_two_opt_intra,
                              r, i - 1, i, j, j + 1);
            }
            if (move == kSwapIntra && i + 3 <= n && j > i) {
                add_candidate(v_all, vrp, s, &VRP::swap_intra_delta, &VRP::apply_swap_intra,
                              r, i, j);
            }
            if (move == kOrOptIntra && n >= 5 && i + 3 <= n && j >= 1 && (j + 1 < i || j > i + 1)) {
                add_candidate(
                    v_all, vrp, s,
                    j > i ? &VRP::or_opt_intra_forward_delta : &VRP::or_opt_intra_backward_delta,
                    &VRP::apply_or_opt_intra, r, i, i + 1, j);
            }
        }
    }
    return v_all;
}

// Moves 0 to 4: a run of run1 clients of r1 for a run of run2 clients of r2 (run2 = 0:
// inserted after position j).
inline void run_candidates(const VRP& vrp, const VRP::Solution& s, int move, unsigned r1,
                           unsigned r2, Candidates& v_all)
{
    const unsigned run1 = move == kRelocatePair || move >= kSwapPairs ? 2 : 1;
    const unsigned run2 = move == kSwapPairs ? 2 : move == kSwap || move == kSwapPairSingle ? 1 : 0;
    auto demand_at = [&](unsigned r, unsigned position) -> long long {
        return vrp.demand(static_cast<unsigned>(s.routes[r].visits[position].client));
    };
    const auto n1 = static_cast<unsigned>(s.routes[r1].visits.size());
    const auto n2 = static_cast<unsigned>(s.routes[r2].visits.size());
    for (unsigned i = 1; i + 2 * run1 <= n1; ++i) {
        const long long given = demand_at(r1, i) + (run1 == 2 ? demand_at(r1, i + 1) : 0);
        for (unsigned j = run2 == 0 ? 0 : 1; j + (run2 == 0 ? 2 : 2 * run2) <= n2; ++j) {
            long long taken = 0;
            for (unsigned k = 0; k < run2; ++k) taken += demand_at(r2, j + k);
            if (s.route_load[r2] + given - taken >=
                    vrp.container(s.routes[r2].container).capacity ||
                (run2 > 0 && s.route_load[r1] - given + taken >=
                                 vrp.container(s.routes[r1].container).capacity)) {
                continue;
            }
            if (move == kRelocate) {
                add_candidate(v_all, vrp, s, &VRP::relocate_inter_delta, &VRP::apply_relocate_inter,
                              r1, r2, i, j);
            } else if (move == kRelocatePair) {
                add_candidate(v_all, vrp, s, &VRP::relocate_pair_inter_delta,
                              &VRP::apply_relocate_pair_inter, r1, r2, i, i + 1, j);
            } else if (move == kSwap) {
                add_candidate(v_all, vrp, s, &VRP::swap_inter_delta, &VRP::apply_swap_inter, r1, r2,
                              i, j);
            } else if (move == kSwapPairs) {
                add_candidate(v_all, vrp, s, &VRP::swap_pairs_inter_delta,
                              &VRP::apply_swap_pairs_inter, r1, r2, i, i + 1, j, j + 1);
            } else {
                add_candidate(v_all, vrp, s, &VRP::swap_pair_single_inter_delta,
                              &VRP::apply_swap_pair_single_inter, r1, r2, i, i + 1, j);
            }
        }
    }
}

// Tail exchanges at (i, j), keeping the vehicle types or exchanging them where the loads
// ask for it (inclusive load test).
inline void tail_candidates(const VRP& vrp, const VRP::Solution& s, unsigned r1, unsigned r2,
                            Candidates& v_all)
{
    const auto n1 = static_cast<unsigned>(s.routes[r1].visits.size());
    const auto n2 = static_cast<unsigned>(s.routes[r2].visits.size());
    const int c1 = s.routes[r1].container;
    const int c2 = s.routes[r2].container;
    const std::vector<int>& v_cum1 = s.cumulative_load[r1];
    const std::vector<int>& v_cum2 = s.cumulative_load[r2];
    for (unsigned i = 0; n1 >= 3 && i + 2 <= n1; ++i) {
        for (unsigned j = i == 0 ? 1 : 0; j + 2 <= n2; ++j) {
            const long long load_a = 0LL + v_cum1[i] + v_cum2[n2 - 1] - v_cum2[j];
            const long long load_b = 0LL + v_cum2[j] + v_cum1[n1 - 1] - v_cum1[i];
            auto fits = [&](int a, int b) {
                return load_a <= vrp.container(a).capacity && load_b <= vrp.container(b).capacity;
            };
            const bool dummy = vrp.is_dummy(c1) || vrp.is_dummy(c2);
            for (const auto& [ca, cb] : {std::make_pair(c1, c2), std::make_pair(c2, c1)}) {
                if (ca == c1 ? fits(c1, c2) : fits(c2, c1) && (dummy || !fits(c1, c2))) {
                    add_candidate(v_all, vrp, s, &VRP::two_opt_star_inter_delta,
                                  &VRP::apply_two_opt_star_inter, r1, r2, i, j, ca, cb);
                }
                if (c1 == c2) break;
            }
        }
    }
}

inline Candidates inter_candidates(const VRP& vrp, const VRP::Solution& s, int move)
{
    Candidates v_all;
    const auto routes = static_cast<unsigned>(s.routes.size());
    for (unsigned r1 = 0; r1 < routes; ++r1) {
        for (unsigned r2 = move == kTwoOptStar ? r1 + 1 : 0; r2 < routes; ++r2) {
            if (r2 != r1) {
                move == kTwoOptStar ? tail_candidates(vrp, s, r1, r2, v_all)
                                    : run_candidates(vrp, s, move, r1, r2, v_all);
            }
        }
    }
    return v_all;
}

}  // namespace test_support
