// The triangle check compares its detours several at a time: a single violation must be
// found wherever it sits (every ordered triple, every lane and the odd remainder).

#include "instance_builder.h"
#include "vrp.h"

#include <gtest/gtest.h>

using test_support::make_client;
using test_support::set_uniform_matrices;

namespace {

// n clients, every leg 1.0: every detour is 1.0, no violation.
Instance uniform_instance(unsigned n)
{
    Instance instance;
    for (unsigned c = 0; c < n; ++c) {
        instance.clients.push_back(make_client(0, 0, 1000, 0));
    }
    set_uniform_matrices(instance, 1.0);
    return instance;
}

}  // namespace

TEST(TriangleCheck, FindsOneViolationWhereverItSits)
{
    for (unsigned n : {3u, 4u, 5u, 6u, 7u}) {
        for (unsigned a = 0; a < n; ++a) {
            for (unsigned b = 0; b < n; ++b) {
                for (unsigned c = 0; c < n; ++c) {
                    if (a == b || b == c || a == c) {
                        continue;
                    }
                    // d(b,a) = d(a,c) = 0 makes the detour of (a, b, c) -1 and leaves
                    // every other detour at 0 or more.
                    Instance instance = uniform_instance(n);
                    ASSERT_TRUE(VRP(&instance).check_triangular_inequality());
                    instance.Mdij[b][a] = 0.0;
                    instance.Mdij[a][c] = 0.0;
                    EXPECT_FALSE(VRP(&instance).check_triangular_inequality())
                        << n << ": " << a << " " << b << " " << c;
                }
            }
        }
    }
}

TEST(TriangleCheck, AViolationOfExactlyTheToleranceIsNoViolation)
{
    // Every leg 0.5 but one: its detour through any third client is 1.0 less that leg.
    for (unsigned n : {3u, 4u, 5u, 8u}) {
        Instance instance;
        for (unsigned c = 0; c < n; ++c) {
            instance.clients.push_back(make_client(0, 0, 1000, 0));
        }
        set_uniform_matrices(instance, 0.5);
        instance.Mdij[n - 1][1] = 1.0 + 0.0078125;  // binary-exact, within the tolerance
        EXPECT_TRUE(VRP(&instance).check_triangular_inequality()) << n;
        instance.Mdij[n - 1][1] = 1.0 + 0.015625;
        EXPECT_FALSE(VRP(&instance).check_triangular_inequality()) << n;
    }
}
