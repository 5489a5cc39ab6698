// The four moves inside one route: exact pricing, and the candidate each move takes.

#include "move_checks.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

using IntraFn = bool (VRP::*)(VRP::Solution&, unsigned&);
const IntraFn kIntraMoves[] = {&VRP::relocate_intra, &VRP::two_opt_intra, &VRP::swap_intra,
                               &VRP::or_opt_intra};

// Random instances of 4 to 13 clients in routes of up to 9 clients.
template <class Body>
void for_random_solutions(unsigned seed, int rounds, Body body)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> size(5, 14);
    for (int round = 0; round < rounds; ++round) {
        Instance instance = random_instance(rng, size(rng));
        VRP vrp(&instance);
        VRP::Solution solution = random_routes(vrp, rng, 9, 2);
        body(vrp, solution);
        ASSERT_FALSE(::testing::Test::HasFailure()) << "round " << round;
    }
}

}  // namespace

TEST(IntraMoves, EveryCandidateIsPricedAsTheRebuiltRouteCosts)
{
    std::size_t priced = 0;
    for_random_solutions(11, 60, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocateIntra; move <= kOrOptIntra; ++move) {
            for (unsigned r = 0; r < solution.routes.size(); ++r) {
                const Candidates v_all = intra_candidates(vrp, solution, move, r);
                expect_candidates_priced_exactly(vrp, solution, v_all);
                priced += v_all.size();
            }
        }
    });
    EXPECT_GT(priced, 4000u);
}

TEST(IntraMoves, EachStepTakesTheFirstOfTheBestCandidatesUntilNoneImproves)
{
    int applied_moves = 0;
    for_random_solutions(12, 40, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocateIntra; move <= kOrOptIntra; ++move) {
            for (unsigned r = 0; r < solution.routes.size(); ++r) {
                for (int step = 0; step < 100; ++step) {
                    const Candidates v_all = intra_candidates(vrp, solution, move, r);
                    const int chosen = reference_choice(v_all);
                    VRP::Solution expected = solution;
                    if (chosen >= 0) {
                        v_all[static_cast<std::size_t>(chosen)].apply(expected);
                    }
                    unsigned route = r;
                    const bool applied = (vrp.*kIntraMoves[move])(solution, route);
                    ASSERT_EQ(chosen >= 0, applied) << "move " << move;
                    EXPECT_EQ(route_clients(expected), route_clients(solution));
                    EXPECT_EQ(expected.total_cost, solution.total_cost);
                    expect_matches_rebuild(vrp, solution);
                    if (!applied) {
                        break;
                    }
                    ++applied_moves;
                }
            }
        }
    });
    EXPECT_GT(applied_moves, 100);
}

TEST(IntraMoves, ShortRoutesOfferNothingAndTwoClientsOnlyTheirExchange)
{
    Instance instance;
    instance.clients = {make_client(0, 0, 10000, 0), make_client(1, 0, 10000, 0),
                        make_client(1, 0, 10000, 0)};
    set_uniform_matrices(instance, 10.0);
    instance.Mdij[0][2] = 100.0;  // the depot reaches client 2 only the long way
    instance.containers.push_back(make_container("van", 10, 5, 50.0, 1.0));
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {1}}, {0, {2, 1}}});
    for (IntraFn move : kIntraMoves) {
        unsigned single = 0;
        EXPECT_FALSE((vrp.*move)(solution, single));
    }
    // Relocation prices both ways of writing the exchange, and applies the first.
    EXPECT_EQ(2u, intra_candidates(vrp, solution, kRelocateIntra, 1).size());
    unsigned pair = 1;
    VRP::Solution swapped = solution;
    EXPECT_FALSE(vrp.or_opt_intra(swapped, pair));
    EXPECT_TRUE(vrp.swap_intra(swapped, pair));
    EXPECT_EQ((std::vector<int>{1, 2}), route_clients(swapped)[1]);
    for (IntraFn move : {&VRP::relocate_intra, &VRP::two_opt_intra}) {
        VRP::Solution other = solution;
        EXPECT_TRUE((vrp.*move)(other, pair));
        EXPECT_EQ(route_clients(swapped), route_clients(other));
        EXPECT_NEAR(swapped.total_cost, other.total_cost, 1e-9);
    }
}
