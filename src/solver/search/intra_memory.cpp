#include "intra_memory.h"

#include "vrp.h"

namespace moves {

namespace {
unsigned bit(IntraMove move)
{
    return 1u << static_cast<unsigned>(move);
}
}  // namespace

bool IntraMemory::known_fruitless(const VRP& vrp, const Route& route, IntraMove move)
{
    if (v_entries.empty()) {
        v_entries.resize(slot_count);
    }
    const Container& record = vrp.container(route.container);
    asked.container = route.container;
    asked.prices = {record.fixed_cost, record.var_cost, vrp.time_warp_penalty};
    asked.v_clients.resize(route.visits.size());
    std::uint64_t h = static_cast<std::uint64_t>(route.container);
    for (std::size_t p = 0; p < route.visits.size(); ++p) {
        asked.v_clients[p] = route.visits[p].client;
        const auto value = static_cast<std::uint64_t>(route.visits[p].client);
        h ^= value + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    }
    asked.hash = h;
    p_asked = &v_entries[h & (slot_count - 1)];
    const Key& held = p_asked->key;
    asked_found = p_asked->used && held.hash == h && held.container == asked.container &&
                  held.prices == asked.prices && held.v_clients == asked.v_clients;
    return asked_found && (p_asked->fruitless & bit(move)) != 0;
}

void IntraMemory::remember_fruitless(IntraMove move)
{
    if (p_asked == nullptr) {
        return;
    }
    if (!asked_found) {
        p_asked->key = asked;  // the slot's list keeps its storage
        p_asked->fruitless = 0;
        p_asked->used = true;
        asked_found = true;
    }
    p_asked->fruitless |= bit(move);
}

}  // namespace moves
