#pragma once
// A stretch of consecutive visits summarised by five numbers, so that joining two
// stretches (and so pricing a rearranged route) costs constant time.

#include <algorithm>
#include <cstddef>
#include <vector>

struct Segment {
    double duration = 0.0;   // travel, service and waiting
    double earliest = 0.0;   // earliest start
    double latest = 0.0;     // latest start that adds no time warp
    double time_warp = 0.0;  // lateness absorbed inside the stretch
    double distance = 0.0;
};

// first, then a leg of the given travel time and distance, then second.
inline Segment join_segments(const Segment& first, const Segment& second, double travel,
                             double distance)
{
    const double delta = (first.duration - first.time_warp) + travel;
    const double wait = std::max((second.earliest - delta) - first.latest, 0.0);
    const double warp = std::max((first.earliest + delta) - second.latest, 0.0);
    Segment joined;
    joined.duration = ((first.duration + travel) + second.duration) + wait;
    joined.earliest = std::max(second.earliest - delta, first.earliest) - wait;
    joined.latest = std::min(second.latest - delta, first.latest) + warp;
    joined.time_warp = warp + (first.time_warp + second.time_warp);
    joined.distance = (first.distance + second.distance) + distance;
    return joined;
}

// n x n doubles in one row-major block; reset keeps the block when it is big enough.
class SquareTable {
public:
    void reset(unsigned side)
    {
        n = side;
        v_cells.assign(static_cast<std::size_t>(side) * side, 0.0);
    }
    unsigned side() const { return n; }
    double operator()(unsigned i, unsigned j) const { return v_cells[index(i, j)]; }
    double& operator()(unsigned i, unsigned j) { return v_cells[index(i, j)]; }
    bool operator==(const SquareTable& other) const
    {
        return n == other.n && v_cells == other.v_cells;
    }

private:
    unsigned n = 0;
    std::vector<double> v_cells;

    std::size_t index(unsigned i, unsigned j) const
    {
        return static_cast<std::size_t>(i) * n + j;
    }
};
