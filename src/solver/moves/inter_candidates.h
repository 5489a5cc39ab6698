#pragma once
// The candidates of the inter-route moves, as a scan chooses and remembers them.

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

}  // namespace moves
