// The four moves inside one route: exact pricing, and the candidate each move takes.

#include "move_checks.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

void as_built(std::mt19937&, Instance&) {}

}  // namespace

TEST(IntraMoves, EveryCandidateIsPricedAsTheRebuiltRouteCosts)
{
    std::size_t priced = 0;
    for_random_solutions(11, 60, 9, as_built, [&](VRP& vrp, VRP::Solution& solution) {
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
    for_random_solutions(12, 40, 9, as_built, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocateIntra; move <= kOrOptIntra; ++move) {
            for (unsigned r = 0; r < solution.routes.size(); ++r) {
                for (int step = 0; step < 100; ++step) {
                    unsigned route = r;
                    const bool applied = expect_reference_step(
                        vrp, solution, intra_candidates(vrp, solution, move, r),
                        [&]() { return (vrp.*kIntraMoveFns[move])(solution, route); });
                    ASSERT_FALSE(HasFailure()) << "move " << move;
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
    for (IntraMoveFn move : kIntraMoveFns) {
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
    for (IntraMoveFn move : {&VRP::relocate_intra, &VRP::two_opt_intra}) {
        VRP::Solution other = solution;
        EXPECT_TRUE((vrp.*move)(other, pair));
        EXPECT_EQ(route_clients(swapped), route_clients(other));
        EXPECT_NEAR(swapped.total_cost, other.total_cost, 1e-9);
    }
}

// The same construction as the plain insertion (both solvers reseed alike), each route
// then given one improving reversal at most.
TEST(IntraMoves, InsertionThenTwoOptImprovesTheSameConstruction)
{
    std::mt19937 rng(13);
    Instance instance = random_instance(rng, 30);
    Instance copy = instance;  // a construction may append the DUMMY record
    VRP plain(&copy);
    plain.check_instance();
    const VRP::Solution built = plain.randomized_insertion();
    VRP polished(&instance);
    polished.check_instance();
    const VRP::Solution solution = polished.insertion_then_two_opt();
    ASSERT_EQ(built.routes.size(), solution.routes.size());
    EXPECT_LT(solution.total_cost, built.total_cost - 0.01);
    for (std::size_t r = 0; r < built.routes.size(); ++r) {
        auto v_before = route_clients(built)[r];
        auto v_after = route_clients(solution)[r];
        std::sort(v_before.begin(), v_before.end());
        std::sort(v_after.begin(), v_after.end());
        EXPECT_EQ(v_before, v_after);
    }
    expect_matches_rebuild(polished, solution);
}
