// Prints how many candidate evaluations per second each neighbourhood scans, on a
// 100-client and a 400-client random instance. Figures only; nothing is asserted.
//
// The evaluations of one scan are the candidates that pass the load tests, counted
// once beforehand; the timed part is the move itself (scan, and the apply when it
// finds an improvement) on a fresh copy of the same solution.

#include "move_candidates.h"

#include <chrono>
#include <cstdio>

using namespace test_support;

namespace {

using Clock = std::chrono::steady_clock;
using IntraFn = bool (VRP::*)(VRP::Solution&, unsigned&);
using InterFn = bool (VRP::*)(VRP::Solution&, std::vector<int>&);

struct Neighbourhood {
    const char* s_name;
    IntraFn intra;
    InterFn inter;
    int slot;
};

const Neighbourhood kNeighbourhoods[] = {
    {"relocate_intra", &VRP::relocate_intra, nullptr, kRelocateIntra},
    {"two_opt_intra", &VRP::two_opt_intra, nullptr, kTwoOptIntra},
    {"swap_intra", &VRP::swap_intra, nullptr, kSwapIntra},
    {"or_opt_intra", &VRP::or_opt_intra, nullptr, kOrOptIntra},
    {"relocate_inter", nullptr, &VRP::relocate_inter, kRelocate},
    {"relocate_pair_inter", nullptr, &VRP::relocate_pair_inter, kRelocatePair},
    {"swap_inter", nullptr, &VRP::swap_inter, kSwap},
    {"swap_pairs_inter", nullptr, &VRP::swap_pairs_inter, kSwapPairs},
    {"swap_pair_single_inter", nullptr, &VRP::swap_pair_single_inter, kSwapPairSingle},
    {"two_opt_star_inter", nullptr, &VRP::two_opt_star_inter, kTwoOptStar},
};

// Evaluations of one full pass of the neighbourhood and the seconds `repeats` passes take.
void measure(VRP& vrp, const VRP::Solution& start, const Neighbourhood& hood, int repeats,
             std::size_t& evaluations, double& seconds)
{
    evaluations = 0;
    const auto routes = static_cast<unsigned>(start.routes.size());
    if (hood.intra != nullptr) {
        for (unsigned r = 0; r < routes; ++r) {
            evaluations += intra_candidates(vrp, start, hood.slot, r).size();
        }
    } else {
        evaluations = inter_candidates(vrp, start, hood.slot).size();
    }
    seconds = 0.0;
    std::vector<int> v_changed;
    for (int k = 0; k < repeats; ++k) {
        VRP::Solution solution = start;
        const auto begin = Clock::now();
        if (hood.intra != nullptr) {
            for (unsigned r = 0; r < routes; ++r) {
                unsigned route = r;
                (vrp.*hood.intra)(solution, route);
            }
        } else {
            (vrp.*hood.inter)(solution, v_changed);
        }
        seconds += std::chrono::duration<double>(Clock::now() - begin).count();
    }
}

void run(int clients, int route_length, int repeats)
{
    std::mt19937 rng(static_cast<unsigned>(clients));
    Instance instance = random_instance(rng, clients + 1);
    instance.containers[0].capacity = 150;
    instance.containers[1].capacity = 300;
    VRP vrp(&instance);
    const VRP::Solution start = random_routes(vrp, rng, route_length, 2);
    std::printf("%d clients, %zu routes\n", clients, start.routes.size());
    for (const Neighbourhood& hood : kNeighbourhoods) {
        std::size_t evaluations = 0;
        double seconds = 0.0;
        measure(vrp, start, hood, repeats, evaluations, seconds);
        const double rate = seconds > 0.0 ? evaluations * repeats / seconds : 0.0;
        std::printf("  %-24s %10zu evaluations per pass  %8.3f ms per pass  %12.0f per second\n",
                    hood.s_name, evaluations, 1000.0 * seconds / repeats, rate);
    }
}

}  // namespace

int main()
{
    run(100, 12, 20);
    run(400, 16, 5);
    return 0;
}
