// The solve dispatcher: check the instance, run one method, extract its result.

#include "vrp.h"

bool VRP::solve_method_available(int method)
{
    return method >= 0 && method <= 4;
}

void VRP::solve(int method)
{
    Solution solution;
    check_instance();
    // Without even a depot record there is nothing to route (and no depot to index).
    if (client_count() > 0) {
        switch (method) {
        case 0:
            solution = savings_heuristic(1.0);
            break;
        case 1:
            solution = savings_lambda_sweep();
            break;
        case 2:
            solution = randomized_insertion();
            break;
        case 3:
            solution = multi_start_ils(instance->max_time);
            break;
        case 4:
            solution = multi_start_ils_variant(instance->max_time);
            break;
        default:
            break;  // any other number builds nothing
        }
    }
    stats.total_cost = solution.total_cost;
    extract_result(solution);
}
