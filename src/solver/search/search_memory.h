#pragma once
// What one solver's search remembers from move to move, and its scratch storage.

#include "cost_bounds.h"
#include "intra_memory.h"
#include "pair_scan.h"

#include <array>
#include <cstdint>
#include <vector>

namespace moves {

// What the within-route screens read at one visit, copied out of the client records.
struct ScreenVisit {
    unsigned client;
    double end;   // earliest end of the visit alone: window opening plus service
    double late;  // window closing
};

// A route's new costs after giving up its run at each start, and the stamp they are for.
struct GivenCosts {
    std::uint64_t stamp = 0;
    std::vector<double> v_costs;
};

class SearchMemory {
public:
    ProblemFacts facts;  // see problem_facts
    RouteEnds ends;
    // Relocations and exchanges by RUN1 * 3 + RUN2.
    std::array<PairFindings<RunExchange>, 9> v_run_findings;
    PairFindings<TailExchange> tail_findings;
    std::vector<double> v_no_costs;  // left empty: what exchanges, which price no given costs, pass
    std::array<std::vector<GivenCosts>, 2> v_given;  // relocations, by run length less one
    // Relocations and exchanges: per route, its last run start and last place.
    std::vector<int> v_rows;
    std::vector<int> v_places;
    std::vector<std::uint64_t> v_stamps;  // per route, its stamp (read_stamps)
    // Symmetric exchanges: what one scan found, in both pair orders.
    std::vector<KeptCandidate<RunExchange>> v_found;
    std::vector<KeptCandidate<RunExchange>> v_mirrored;
    std::vector<unsigned> v_open_columns;  // tail exchanges: columns worth scanning
    IntraMemory intra;
    // Scratch storage of the within-route screens and table refreshes.
    std::vector<ScreenVisit> v_screen_visits;
    std::vector<FoldVisit> v_fold_visits;

    // The facts of the solver's problem, read when first asked.
    const ProblemFacts& problem_facts(const VRP& vrp)
    {
        if (facts.clients != vrp.client_count()) {
            facts.read(vrp);
        }
        return facts;
    }

    // Fills v_stamps with the routes' stamps, read once per scan.
    void read_stamps(const VRP::Solution& solution)
    {
        v_stamps.resize(solution.routes.size());
        for (unsigned r = 0; r < v_stamps.size(); ++r) {
            v_stamps[r] = route_stamp(solution, r);
        }
    }

    // Before a scan: forgets all when the vehicle types or weights changed (stamps cannot
    // tell), then refreshes the route ends.
    void prepare(const VRP& vrp, const VRP::Solution& solution);

private:
    std::vector<double> v_priced_with;
    std::vector<double> v_now;
};

// The solver's memory, ready for a scan of the solution.
inline SearchMemory& prepared_scan_memory(VRP& vrp, const VRP::Solution& solution)
{
    SearchMemory& memory = vrp.search_memory();
    memory.prepare(vrp, solution);
    return memory;
}

}  // namespace moves
