#pragma once
// One vehicle's trip: its visits in driving order, depot first and last.

#include <vector>

struct Visit {
    int client = 0;  // index into the instance's clients; 0 is the depot
    int arrival = 0;
    int waiting = 0;
    int departure = 0;
};

struct Route {
    int container = 0;  // index of the vehicle type
    int load = 0;
    double distance = 0.0;
    double travel_time = 0.0;
    double waiting_time = 0.0;
    double cost = 0.0;
    std::vector<Visit> visits;
};

// Candidate routes for building a solution by selection: per route, the rank of every
// client other than the depot (entry i for client i + 1; 0 when absent), its cost and
// its vehicle type.
struct RoutePool {
    std::vector<std::vector<int>> vv_ranks;
    std::vector<double> v_costs;
    std::vector<int> v_containers;
};
