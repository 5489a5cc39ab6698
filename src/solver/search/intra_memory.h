#pragma once
// Visit orders on which a within-route move found nothing. The search meets the same orders
// again and again (a local search often undoes a disturbance), and what a move finds depends
// only on the order and its prices. An order is compared in full, never trusted on its hash.

#include "route.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class VRP;

namespace moves {

// The intra-route moves, one bit each in a remembered order.
enum class IntraMove : unsigned { relocate, two_opt, swap, or_opt };

class IntraMemory {
public:
    // Whether the move is known to find nothing on this route (kept at hand for remember).
    bool known_fruitless(const VRP& vrp, const Route& route, IntraMove move);
    // The move found nothing on the route last asked about, unchanged since.
    void remember_fruitless(IntraMove move);

private:
    // What a scan's outcome depends on besides the problem data.
    struct Key {
        std::uint64_t hash = 0;
        int container = 0;
        std::array<double, 3> prices{};  // fixed and variable cost, time warp penalty
        std::vector<int> v_clients;
    };
    struct Entry {
        Key key;
        unsigned fruitless = 0;  // one bit per IntraMove
        bool used = false;
    };
    static constexpr std::size_t slot_count = 4096;  // a power of two
    std::vector<Entry> v_entries;  // direct-mapped by hash; a newcomer evicts the holder
    Key asked;                     // the order last asked about
    Entry* p_asked = nullptr;      // its slot
    bool asked_found = false;      // whether the slot holds that very order
};

}  // namespace moves
