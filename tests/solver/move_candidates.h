#pragma once
// Every candidate of a move listed with its priced delta and its applier, in the scan
// order the move uses, with the per-candidate load tests and none of the quick pair
// tests (so a pair test that hid a feasible candidate shows up as a different choice).

#include "move_fixtures.h"
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
inline const InterMoveFn kInterMoveFns[] = {
    &VRP::relocate_inter,   &VRP::relocate_pair_inter,    &VRP::swap_inter,
    &VRP::swap_pairs_inter, &VRP::swap_pair_single_inter, &VRP::two_opt_star_inter};

inline Candidates intra_candidates(const VRP& vrp, const VRP::Solution& s, int move, unsigned r)
{
    Candidates v_all;
    const VRP* p = &vrp;
    const int n = static_cast<int>(s.routes[r].visits.size());
    auto add = [&](double delta, std::function<void(VRP::Solution&)> apply) {
        v_all.push_back({delta, std::move(apply)});
    };
    for (int a = 1; a <= n - 2; ++a) {
        for (int b = 0; b <= n - 2; ++b) {
            const auto i = static_cast<unsigned>(a);
            const auto j = static_cast<unsigned>(b);
            if (move == kRelocateIntra && n >= 4 && (b + 2 <= a || b > a)) {
                add(b < a ? vrp.relocate_intra_backward_delta(s, r, i, j)
                          : vrp.relocate_intra_forward_delta(s, r, i, j),
                    [=](VRP::Solution& t) { p->apply_relocate_intra(t, r, i, j); });
            }
            if (move == kTwoOptIntra && a - 1 <= n - 4 && b >= a + 1) {
                add(vrp.two_opt_intra_delta(s, r, i - 1, i, j, j + 1),
                    [=](VRP::Solution& t) { p->apply_two_opt_intra(t, r, i - 1, i, j, j + 1); });
            }
            if (move == kSwapIntra && a <= n - 3 && b > a) {
                add(vrp.swap_intra_delta(s, r, i, j),
                    [=](VRP::Solution& t) { p->apply_swap_intra(t, r, i, j); });
            }
            if (move == kOrOptIntra && n >= 5 && a <= n - 3 && b >= 1 && (b + 1 < a || b > a + 1)) {
                add(b > a ? vrp.or_opt_intra_forward_delta(s, r, i, i + 1, j)
                          : vrp.or_opt_intra_backward_delta(s, r, i, i + 1, j),
                    [=](VRP::Solution& t) { p->apply_or_opt_intra(t, r, i, i + 1, j); });
            }
        }
    }
    return v_all;
}

inline long long demand_at(const VRP& vrp, const VRP::Solution& s, unsigned r, int position)
{
    return vrp.demand(
        static_cast<unsigned>(s.routes[r].visits[static_cast<std::size_t>(position)].client));
}

// Moves 0 to 4: a run of run1 clients of r1 for a run of run2 clients of r2 (run2 = 0:
// inserted after position j).
inline void run_candidates(const VRP& vrp, const VRP::Solution& s, int move, unsigned r1,
                           unsigned r2, Candidates& v_all)
{
    static const int kRun1[] = {1, 2, 1, 2, 2};
    static const int kRun2[] = {0, 0, 1, 2, 1};
    const int run1 = kRun1[move];
    const int run2 = kRun2[move];
    const VRP* p = &vrp;
    const int n1 = static_cast<int>(s.routes[r1].visits.size());
    const int n2 = static_cast<int>(s.routes[r2].visits.size());
    const long long load1 = s.route_load[r1];
    const long long load2 = s.route_load[r2];
    const long long cap1 = vrp.container(s.routes[r1].container).capacity;
    const long long cap2 = vrp.container(s.routes[r2].container).capacity;
    const int first_j = run2 == 0 ? 0 : 1;
    const int last_j = run2 == 0 ? n2 - 2 : n2 - 2 * run2;
    for (int a = 1; a <= n1 - 2 * run1; ++a) {
        const long long given =
            demand_at(vrp, s, r1, a) + (run1 == 2 ? demand_at(vrp, s, r1, a + 1) : 0);
        for (int b = first_j; b <= last_j; ++b) {
            long long taken = 0;
            for (int k = 0; k < run2; ++k) {
                taken += demand_at(vrp, s, r2, b + k);
            }
            if (load2 + given - taken >= cap2 || (run2 > 0 && load1 - given + taken >= cap1)) {
                continue;
            }
            const auto i = static_cast<unsigned>(a);
            const auto j = static_cast<unsigned>(b);
            std::function<void(VRP::Solution&)> apply;
            double delta = 0.0;
            switch (move) {
            case kRelocate:
                delta = vrp.relocate_inter_delta(s, r1, r2, i, j);
                apply = [=](VRP::Solution& t) { p->apply_relocate_inter(t, r1, r2, i, j); };
                break;
            case kRelocatePair:
                delta = vrp.relocate_pair_inter_delta(s, r1, r2, i, i + 1, j);
                apply = [=](VRP::Solution& t) {
                    p->apply_relocate_pair_inter(t, r1, r2, i, i + 1, j);
                };
                break;
            case kSwap:
                delta = vrp.swap_inter_delta(s, r1, r2, i, j);
                apply = [=](VRP::Solution& t) { p->apply_swap_inter(t, r1, r2, i, j); };
                break;
            case kSwapPairs:
                delta = vrp.swap_pairs_inter_delta(s, r1, r2, i, i + 1, j, j + 1);
                apply = [=](VRP::Solution& t) {
                    p->apply_swap_pairs_inter(t, r1, r2, i, i + 1, j, j + 1);
                };
                break;
            default:
                delta = vrp.swap_pair_single_inter_delta(s, r1, r2, i, i + 1, j);
                apply = [=](VRP::Solution& t) {
                    p->apply_swap_pair_single_inter(t, r1, r2, i, i + 1, j);
                };
            }
            v_all.push_back({delta, apply});
        }
    }
}

inline void tail_candidates(const VRP& vrp, const VRP::Solution& s, unsigned r1, unsigned r2,
                            Candidates& v_all)
{
    const VRP* p = &vrp;
    const auto n1 = static_cast<unsigned>(s.routes[r1].visits.size());
    const auto n2 = static_cast<unsigned>(s.routes[r2].visits.size());
    const int c1 = s.routes[r1].container;
    const int c2 = s.routes[r2].container;
    const std::vector<int>& v_cum1 = s.cumulative_load[r1];
    const std::vector<int>& v_cum2 = s.cumulative_load[r2];
    for (unsigned i = 0; n1 >= 3 && i + 2 <= n1; ++i) {
        for (unsigned j = 0; j + 2 <= n2; ++j) {
            if (i == 0 && j == 0) {
                continue;
            }
            const long long load_a = 0LL + v_cum1[i] + v_cum2[n2 - 1] - v_cum2[j];
            const long long load_b = 0LL + v_cum2[j] + v_cum1[n1 - 1] - v_cum1[i];
            const bool keep =
                load_a <= vrp.container(c1).capacity && load_b <= vrp.container(c2).capacity;
            const bool exchange =
                load_a <= vrp.container(c2).capacity && load_b <= vrp.container(c1).capacity;
            const bool dummy = vrp.is_dummy(c1) || vrp.is_dummy(c2);
            for (const auto& types : {std::make_pair(c1, c2), std::make_pair(c2, c1)}) {
                const bool kept = types.first == c1;
                if (kept ? !keep : !(exchange && (dummy || !keep))) {
                    continue;
                }
                const int ca = types.first;
                const int cb = types.second;
                v_all.push_back(
                    {vrp.two_opt_star_inter_delta(s, r1, r2, i, j, ca, cb), [=](VRP::Solution& t) {
                         p->apply_two_opt_star_inter(t, r1, r2, i, j, ca, cb);
                     }});
                if (c1 == c2) {
                    break;
                }
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
            if (r2 == r1) {
                continue;
            }
            if (move == kTwoOptStar) {
                tail_candidates(vrp, s, r1, r2, v_all);
            } else {
                run_candidates(vrp, s, move, r1, r2, v_all);
            }
        }
    }
    return v_all;
}

// Index of the candidate the choice rule takes, -1 when none improves by more than 0.01.
inline int reference_choice(const Candidates& v_all)
{
    double best = 0.0;
    int chosen = -1;
    for (std::size_t k = 0; k < v_all.size(); ++k) {
        if (is_less(v_all[k].delta, best)) {
            best = v_all[k].delta;
            chosen = static_cast<int>(k);
        }
    }
    return chosen;
}

}  // namespace test_support
