#include "solver_utils.h"

#include "directory_listing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

int rand_int(int lo, int hi)
{
    if (lo > hi) {
        return -1;
    }
    const long long span = static_cast<long long>(hi) - lo + 1;
    return static_cast<int>(lo + std::rand() % span);
}

bool is_equal(double a, double b)
{
    return std::fabs(a - b) <= 0.01;
}

double rand_double()
{
    return std::rand() / 32767.0;
}

std::vector<std::string> list_directory_sorted(const std::string& s_path)
{
    return list_directory(s_path);
}

int truncate_to_int(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return std::numeric_limits<int>::max();
    }
    if (value <= -2147483648.0) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

int saturate_to_int(long long value)
{
    const long long high = std::numeric_limits<int>::max();
    const long long low = std::numeric_limits<int>::min();
    return static_cast<int>(std::min(high, std::max(low, value)));
}
