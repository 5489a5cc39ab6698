#pragma once
// Small instances for the solver tests, built in code.

#include "instance.h"

#include <random>

namespace test_support {

inline Client make_client(int demand, int early, int late, int service)
{
    Client client;
    client.demand = demand;
    client.id = "c";
    client.early_tw = early;
    client.late_tw = late;
    client.service_time = service;
    return client;
}

inline Container make_container(const char* s_id, int capacity, int quantity, double fixed,
                                double var)
{
    Container record;
    record.container_id = s_id;
    record.capacity = capacity;
    record.quantity = quantity;
    record.fixed_cost = fixed;
    record.var_cost = var;
    return record;
}

// n x n matrices with the given off-diagonal value and the reader's diagonal.
inline void set_uniform_matrices(Instance& instance, double value)
{
    const std::size_t n = instance.clients.size();
    instance.Mdij.assign(n, std::deque<double>(n, value));
    instance.Mtij.assign(n, std::deque<double>(n, value));
    for (std::size_t i = 0; i < n; ++i) {
        instance.Mdij[i][i] = 2147483647.0;
        instance.Mtij[i][i] = 2147483647.0;
    }
}

// Asymmetric matrices with fractional entries and time windows tight enough that
// some sequences wait and others arrive late.
inline Instance random_instance(std::mt19937& rng, int n_clients)
{
    std::uniform_real_distribution<double> leg(0.0, 100.0);
    std::uniform_int_distribution<int> early(0, 400);
    std::uniform_int_distribution<int> width(0, 250);
    std::uniform_int_distribution<int> service(0, 30);
    std::uniform_int_distribution<int> demand(0, 20);
    Instance instance;
    instance.clients.push_back(make_client(0, 0, 5000, 0));
    for (int c = 1; c < n_clients; ++c) {
        const int e = early(rng);
        instance.clients.push_back(make_client(demand(rng), e, e + width(rng), service(rng)));
    }
    set_uniform_matrices(instance, 0.0);
    for (int a = 0; a < n_clients; ++a) {
        for (int b = 0; b < n_clients; ++b) {
            if (a != b) {
                instance.Mtij[a][b] = leg(rng);
                instance.Mdij[a][b] = leg(rng);
            }
        }
    }
    instance.containers.push_back(make_container("small", 60, 3, 100.0, 2.0));
    instance.containers.push_back(make_container("large", 200, 1, 250.0, 1.5));
    return instance;
}

}  // namespace test_support
