#pragma once
// The candidates of the inter-route moves, as a scan chooses and remembers them.

#include "vrp.h"

namespace moves {

// A run of RUN1 consecutive clients of r1 trades places with a run of RUN2 clients of r2
// (RUN2 = 0: the run goes in at place p).
struct RunExchange {
    unsigned r1 = 0;
    unsigned r2 = 0;
    unsigned i = 0;  // first visit of the run taken from r1
    unsigned p = 0;  // first visit of the run taken from r2, or the insertion place
};

// r1 keeps visits 0..i and takes r2's tail; r2 keeps 0..j and takes r1's tail; the new
// routes run on container_a and container_b.
struct TailExchange {
    unsigned r1 = 0;
    unsigned r2 = 0;
    unsigned i = 0;
    unsigned j = 0;
    int container_a = 0;
    int container_b = 0;
};

// What pricing the candidates of one route pair reads, looked up once per pair.
struct TailPair {
    unsigned r1;
    unsigned r2;
    unsigned n1;  // visits of r1
    unsigned n2;  // visits of r2
    int c1;       // vehicle types of r1 and r2
    int c2;
    const Container& record1;
    const Container& record2;
    double cost1;  // current costs of r1 and r2
    double cost2;

    TailPair(const VRP& vrp, const VRP::Solution& solution, unsigned route1, unsigned route2)
        : r1(route1),
          r2(route2),
          n1(static_cast<unsigned>(solution.routes[route1].visits.size())),
          n2(static_cast<unsigned>(solution.routes[route2].visits.size())),
          c1(solution.routes[route1].container),
          c2(solution.routes[route2].container),
          record1(vrp.container(c1)),
          record2(vrp.container(c2)),
          cost1(solution.routes[route1].cost),
          cost2(solution.routes[route2].cost)
    {
    }
    // A = r1 up to i, then r2 after j; B = r2 up to j, then r1 after i. A route left
    // without clients costs nothing.
    bool a_serves(const TailExchange& m) const { return m.i != 0 || m.j != n2 - 2; }
    bool b_serves(const TailExchange& m) const { return m.j != 0 || m.i != n1 - 2; }
    const Container& record(int container) const { return container == c1 ? record1 : record2; }
};

}  // namespace moves
