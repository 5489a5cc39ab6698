#pragma once
// Hand-made solutions and a record of the random generator's values for the
// local search, disturbance and multi-start tests.

#include "instance_builder.h"
#include "move_fixtures.h"
#include "vrp.h"

#include <cstdlib>
#include <vector>

namespace test_support {

// A solver over the instance with its flags set, as a solve sets them.
inline VRP checked_vrp(Instance& instance)
{
    VRP vrp(&instance);
    vrp.check_instance();
    return vrp;
}

// The plan's routes taking their vehicles from the fleet.
inline VRP::Solution fleet_solution(VRP& vrp, const RoutePlan& plan)
{
    VRP::Solution solution;
    solution.fleet_unlimited = vrp.fleet_unlimited;
    vrp.init_solution(solution);
    for (const PlannedRoute& planned : plan) {
        vrp.take_vehicle(solution, planned.container);
    }
    return with_routes(vrp, solution, plan);
}

// The values rand() gives after srand(seed), read one draw at a time the way
// rand_int reads them; at_cursor tells whether the generator sits where the tape does.
class DrawTape {
public:
    explicit DrawTape(unsigned seed, int length = 400)
    {
        std::srand(seed);
        for (int k = 0; k < length; ++k) {
            v_values.push_back(std::rand());
        }
        std::srand(seed);
    }
    int next(int lo, int hi)
    {
        const long long span = static_cast<long long>(hi) - lo + 1;
        return static_cast<int>(lo + v_values[cursor++] % span);
    }
    std::size_t used() const { return cursor; }
    // Consumes one value of the generator.
    bool generator_at_cursor() const { return std::rand() == v_values[cursor]; }

private:
    std::vector<int> v_values;
    std::size_t cursor = 0;
};

}  // namespace test_support
