// The ten moves on random solutions: every candidate priced exactly, each step taking the
// first of the best candidates, the changed-route list, and the smallest routes.

#include "move_checks.h"

#include <gtest/gtest.h>

#include <set>

using namespace test_support;

namespace {

void as_built(std::mt19937&, Instance&) {}

// Capacities near the route loads and many zero demands, so that the load tests both
// pass and fail.
void tighten(std::mt19937& rng, Instance& instance)
{
    std::uniform_int_distribution<int> capacity(15, 90);
    std::bernoulli_distribution zero(0.3);
    for (std::size_t c = 1; c < instance.clients.size(); ++c) {
        instance.clients[c].demand = zero(rng) ? 0 : instance.clients[c].demand;
    }
    instance.containers[0].capacity = capacity(rng);
    instance.containers[1].capacity = capacity(rng);
}

// The routes the move changed are among the two it names; a relocation names the route
// the client left first.
void expect_changed_names(const VRP::Solution& before, const VRP::Solution& after, int move,
                          const std::vector<int>& v_changed)
{
    ASSERT_EQ(2u, v_changed.size());
    EXPECT_NE(v_changed[0], v_changed[1]);
    const auto v_old = shapes(before);
    const auto v_new = shapes(after);
    for (std::size_t r = 0; r < v_old.size(); ++r) {
        const auto name = static_cast<int>(r);
        EXPECT_TRUE(v_old[r] == v_new[r] || name == v_changed[0] || name == v_changed[1]) << r;
    }
    if (move == kRelocate) {
        const auto from = static_cast<std::size_t>(v_changed[0]);
        EXPECT_EQ(v_old[from].v_clients.size(), v_new[from].v_clients.size() + 1);
    }
}

}  // namespace

TEST(Moves, EveryCandidateIsPricedAsTheRebuiltRoutesCost)
{
    std::size_t intra = 0;
    for_random_solutions(11, 60, 9, as_built, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocateIntra; move <= kOrOptIntra; ++move) {
            for (unsigned r = 0; r < solution.routes.size(); ++r) {
                const Candidates v_all = intra_candidates(vrp, solution, move, r);
                expect_candidates_priced_exactly(vrp, solution, v_all);
                intra += v_all.size();
            }
        }
    });
    std::size_t inter = 0;
    for_random_solutions(21, 40, 5, tighten, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocate; move <= kTwoOptStar; ++move) {
            const Candidates v_all = inter_candidates(vrp, solution, move);
            expect_candidates_priced_exactly(vrp, solution, v_all);
            inter += v_all.size();
        }
    });
    EXPECT_GT(intra, 4000u);
    EXPECT_GT(inter, 3000u);
}

TEST(Moves, IntraStepsTakeTheFirstOfTheBestCandidatesUntilNoneImproves)
{
    int applied_moves = 0;
    for_random_solutions(12, 40, 9, as_built, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocateIntra; move <= kOrOptIntra; ++move) {
            for (unsigned r = 0; r < solution.routes.size(); ++r) {
                unsigned route = r;
                for (int step = 0; step < 100 && expect_reference_step(
                    vrp, solution, intra_candidates(vrp, solution, move, r),
                    [&]() { return (vrp.*kIntraMoveFns[move])(solution, route); });
                     ++step) {
                    ASSERT_FALSE(HasFailure()) << "move " << move;
                    ++applied_moves;
                }
            }
        }
    });
    EXPECT_GT(applied_moves, 100);
}

TEST(Moves, InterStepsTakeTheFirstOfTheBestCandidatesAndNameTheirTwoRoutes)
{
    int applied_moves = 0;
    for_random_solutions(22, 60, 5, tighten, [&](VRP& vrp, VRP::Solution& solution) {
        for (int move = kRelocate; move <= kTwoOptStar; ++move) {
            for (int step = 0; step < 200; ++step) {
                const VRP::Solution before = solution;
                std::vector<int> v_changed{7, 7, 7};
                const bool applied = expect_reference_step(
                    vrp, solution, inter_candidates(vrp, solution, move),
                    [&]() { return (vrp.*kInterMoveFns[move])(solution, v_changed); });
                ASSERT_FALSE(HasFailure()) << "move " << move;
                if (!applied) {
                    EXPECT_EQ((std::vector<int>{-1, -1}), v_changed);
                    break;
                }
                expect_changed_names(before, solution, move, v_changed);
                ++applied_moves;
            }
        }
    });
    EXPECT_GT(applied_moves, 200);
}

TEST(Moves, ShortRoutesOfferNothingAndTwoClientsOnlyTheirExchange)
{
    Instance instance = flat_instance({1, 1, 1, 1, 1});
    instance.Mdij[0][2] = 100.0;  // the depot reaches client 2 only the long way
    instance.containers.push_back(make_container("van", 10, 5, 50.0, 1.0));
    VRP vrp(&instance);
    // No route, or one route, offers no inter-route move.
    for (const auto& v_routes :
         {RoutePlan{}, RoutePlan{{0, {1, 2, 3, 4, 5}}}}) {
        for (InterMoveFn move : kInterMoveFns) {
            VRP::Solution solution = make_solution(vrp, v_routes);
            std::vector<int> v_changed;
            EXPECT_FALSE((vrp.*move)(solution, v_changed));
            EXPECT_EQ((std::vector<int>{-1, -1}), v_changed);
        }
    }
    const VRP::Solution solution = make_solution(vrp, {{0, {1}}, {0, {2, 1}}});
    for (IntraMoveFn move : kIntraMoveFns) {
        VRP::Solution single = solution;
        unsigned r = 0;
        EXPECT_FALSE((vrp.*move)(single, r));
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
TEST(Moves, InsertionThenTwoOptImprovesTheSameConstruction)
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
