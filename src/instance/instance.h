#pragma once
// In-memory form of one routing problem and, after solving, of its result.

#include <deque>
#include <vector>
#include <string>

struct Client {
    int demand = 0;
    std::string id;
    int early_tw = 0;      // seconds from the operation start
    int late_tw = 0;       // seconds from the operation start
    int service_time = 0;  // seconds
};

struct Container {
    std::string container_id;
    int capacity = 0;
    int quantity = 0;
    double fixed_cost = 0.0;
    double var_cost = 0.0;
    double penalty = 0.0;  // the largest finite double on the DUMMY record only
};

struct OutputVisit {
    int index = 0;
    std::string id;
    int arrival = 0;
    int waiting = 0;
    int departure = 0;
};

struct OutputRoute {
    double distance = 0.0;
    double travel_time = 0.0;
    double waiting_time = 0.0;
    std::string container_id;
    int container_index = 0;
    int total_load = 0;
    std::deque<OutputVisit> visits;
};

struct Instance {
    std::deque<std::deque<double>> Mdij;
    std::deque<std::deque<double>> Mtij;
    std::deque<Container> containers;
    std::deque<Client> clients;  // record 0 is the depot
    double max_time = 0.0;
    // Open routes: the distances back to the depot (column 0 of Mdij) as the document gave
    // them, before the reader set those legs to 0. Whether the road matrix is metric is
    // decided on these; empty for closed routes.
    std::vector<double> v_given_return_distance;

    // Result, filled by result extraction.
    double total_distance = 0.0;
    double total_travel = 0.0;
    double total_waiting = 0.0;
    std::deque<int> remaining_vehicles;
    int n_used_vehicles = 0;
    std::deque<OutputRoute> routes;
    std::deque<int> unrouted_clients;
    double total_time = 0.0;
};
