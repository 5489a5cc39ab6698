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
