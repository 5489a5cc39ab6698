#pragma once
// Visit orders on which an intra-route move found nothing to improve. What a move finds on
// a route depends only on the route's visit order, its vehicle type's prices and the time
// warp penalty, and the search meets the same orders again and again (the next local
// search often undoes a disturbance), so a move recalls a fruitless order instead of
// scanning it anew. A recalled order is compared in full, never trusted on its hash.

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
    IntraMemory() = default;
    // A copy starts empty, so that two solvers never share what one has seen.
    IntraMemory(const IntraMemory&) {}
    IntraMemory& operator=(const IntraMemory& other);

    // Whether the move is known to find nothing on this route. The route's order is kept
    // at hand, so that remember_fruitless can file it without reading the route again.
    bool known_fruitless(const VRP& vrp, const Route& route, IntraMove move);
    // The move found nothing on the route last asked about, unchanged since.
    void remember_fruitless(IntraMove move);

private:
    // What the outcome of a scan depends on besides the problem data, which a solver
    // never changes.
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

    static bool same_key(const Key& a, const Key& b);
};

}  // namespace moves
