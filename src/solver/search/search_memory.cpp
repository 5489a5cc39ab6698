#include "search_memory.h"

namespace moves {

namespace {
// Everything besides the routes that a pair's findings depend on.
void problem_figures(const VRP& vrp, std::vector<double>& v_figures)
{
    v_figures.clear();
    v_figures.push_back(vrp.time_warp_penalty);
    v_figures.push_back(vrp.dummy_container);
    v_figures.push_back(static_cast<double>(vrp.client_count()));
    for (int k = 0; k < vrp.container_count(); ++k) {
        const Container& record = vrp.container(k);
        v_figures.push_back(record.capacity);
        v_figures.push_back(record.fixed_cost);
        v_figures.push_back(record.var_cost);
        v_figures.push_back(record.penalty);
    }
}
}  // namespace

void SearchMemory::prepare(const VRP& vrp, const VRP::Solution& solution)
{
    problem_figures(vrp, v_now);
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
