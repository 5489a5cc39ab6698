#pragma once
// A stretch of consecutive visits summarised by five numbers, so that joining two
// stretches (and so pricing a rearranged route) costs constant time.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

struct Segment {
    double duration = 0.0;   // travel, service and waiting
    double earliest = 0.0;   // earliest start
    double latest = 0.0;     // latest start that adds no time warp
    double time_warp = 0.0;  // lateness absorbed inside the stretch
    double distance = 0.0;
};

// std::max(x, 0.0) to the bit (NaN and signed zeros alike) without a branch, which a join
// that waits or warps as often as not would mispredict.
inline double positive_part(double x)
{
#if defined(__SSE2__)
    return _mm_cvtsd_f64(_mm_max_sd(_mm_setzero_pd(), _mm_set_sd(x)));
#else
    return std::max(x, 0.0);
#endif
}

// What a table refresh reads at every position: the client and the visit alone.
struct FoldVisit {
    unsigned client;
    Segment alone;
};

// The depot joined to itself: the empty route, whose diagonal leg is no trip.
inline Segment empty_route_start(const Segment& first)
{
    Segment start;
    start.earliest = first.earliest;
    start.latest = first.earliest;
    return start;
}

// first, then a leg of the given travel time and distance, then second.
inline Segment join_segments(const Segment& first, const Segment& second, double travel,
                             double distance)
{
    const double delta = (first.duration - first.time_warp) + travel;
    const double wait = positive_part((second.earliest - delta) - first.latest);
    const double warp = positive_part((first.earliest + delta) - second.latest);
    Segment joined;
    joined.duration = ((first.duration + travel) + second.duration) + wait;
    joined.earliest = std::max(second.earliest - delta, first.earliest) - wait;
    joined.latest = std::min(second.latest - delta, first.latest) + warp;
    joined.time_warp = warp + (first.time_warp + second.time_warp);
    joined.distance = (first.distance + second.distance) + distance;
    return joined;
}

// n x n doubles in one row-major block whose rows may be longer than n, so that a table can
// change its side keeping its entries where they are. The block only grows.
class SquareTable {
public:
    // Side `side`, every entry left for the caller to write.
    void reset(unsigned side)
    {
        if (side > stride) {
            grow(side);
        }
        n = side;
    }
    // Side `side`, the leading entries kept in place and the last `tail` rows and columns
    // moved to the new end; the others are the caller's to write.
    void resize_keeping(unsigned side, unsigned tail)
    {
        if (side > stride) {
            grow(side);
        }
        const unsigned from = n - tail;
        const unsigned to = side - tail;
        const auto move_row = [&](unsigned k) {
            std::memmove(&v_cells[index(to + k, to)], &v_cells[index(from + k, from)],
                         tail * sizeof(double));
        };
        // Rows move in the order that never overwrites one still to move.
        if (to > from) {
            for (unsigned k = tail; k-- > 0;) {
                move_row(k);
            }
        } else if (to < from) {
            for (unsigned k = 0; k < tail; ++k) {
                move_row(k);
            }
        }
        n = side;
    }
    unsigned side() const { return n; }
    double operator()(unsigned i, unsigned j) const { return v_cells[index(i, j)]; }
    double& operator()(unsigned i, unsigned j) { return v_cells[index(i, j)]; }
    // Row i's entries, column 0 first.
    double* row(unsigned i) { return v_cells.data() + index(i, 0); }
    bool operator==(const SquareTable& other) const
    {
        if (n != other.n) {
            return false;
        }
        for (unsigned i = 0; i < n; ++i) {
            if (!std::equal(&v_cells[index(i, 0)], &v_cells[index(i, 0)] + n,
                            &other.v_cells[other.index(i, 0)])) {
                return false;
            }
        }
        return true;
    }

private:
    // Room for a few more visits, so that a route growing by one rarely moves its block.
    static constexpr unsigned spare_side = 4;
    unsigned n = 0;
    unsigned stride = 0;
    std::vector<double> v_cells;

    std::size_t index(unsigned i, unsigned j) const
    {
        return static_cast<std::size_t>(i) * stride + j;
    }
    // A longer row for every row, the entries of the current side kept in place.
    void grow(unsigned side)
    {
        const unsigned wider = side + spare_side;
        std::vector<double> v_wider(static_cast<std::size_t>(wider) * wider);
        for (unsigned i = 0; i < n; ++i) {
            std::copy(&v_cells[index(i, 0)], &v_cells[index(i, 0)] + n,
                      &v_wider[static_cast<std::size_t>(i) * wider]);
        }
        v_cells.swap(v_wider);
        stride = wider;
    }
};
