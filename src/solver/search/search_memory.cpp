#include "search_memory.h"

namespace moves {

void SearchMemory::prepare(const VRP& vrp, const VRP::Solution& solution)
{
    // Everything besides the routes that a pair's findings depend on.
    v_now = {vrp.time_warp_penalty, static_cast<double>(vrp.dummy_container),
             static_cast<double>(vrp.client_count())};
    for (int k = 0; k < vrp.container_count(); ++k) {
        const Container& record = vrp.container(k);
        v_now.insert(v_now.end(), {static_cast<double>(record.capacity), record.fixed_cost,
                                   record.var_cost, record.penalty});
    }
    if (v_now != v_priced_with) {
        ends = RouteEnds{};
        v_run_findings = {};
        v_given = {};
        tail_findings = PairFindings<TailExchange>{};
        v_priced_with = v_now;
    }
    ends.refresh(vrp, solution, problem_facts(vrp));
}

}  // namespace moves

SearchMemoryHolder::SearchMemoryHolder() = default;
SearchMemoryHolder::~SearchMemoryHolder() = default;

SearchMemoryHolder::SearchMemoryHolder(const SearchMemoryHolder&) {}

SearchMemoryHolder& SearchMemoryHolder::operator=(const SearchMemoryHolder& other)
{
    if (this != &other) {
        p_memory.reset();
    }
    return *this;
}

moves::SearchMemory& SearchMemoryHolder::get() const
{
    if (!p_memory) {
        p_memory = std::make_unique<moves::SearchMemory>();
    }
    return *p_memory;
}
