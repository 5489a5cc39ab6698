// Developer aids: a solution from a route pool, and the dumps of solutions and pools.

#include "search_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using test_support::make_container;

namespace {

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct PoolScene {
    Instance instance = test_support::flat_instance({2, 3, 4, 5});
    VRP vrp;
    RoutePool pool;

    PoolScene()
    {
        instance.containers.push_back(make_container("van", 10, 2, 100.0, 1.0));
        instance.containers.push_back(make_container("car", 10, 2, 50.0, 2.0));
        vrp = test_support::checked_vrp(instance);
        // Route 0: client 3 then 1; route 1: clients 2 and 4 share rank 1; route 2: client 4.
        pool.vv_ranks = {{2, 0, 1, 0}, {0, 1, 0, 1}, {0, 0, 0, 1}};
        pool.v_costs = {120.5, 80.0, 60.25};
        pool.v_containers = {0, 1, 1};
    }
};

}  // namespace

TEST(SearchDiagnostics, PoolSolutionTakesTheSelectedRoutesInRankOrder)
{
    PoolScene scene;
    const VRP::Solution solution = scene.vrp.build_solution_from_pool(scene.pool, {1, 1, 0});
    // Of two clients with the same rank the later one stays.
    EXPECT_EQ((std::vector<std::vector<int>>{{3, 1}, {4}}), test_support::route_clients(solution));
    EXPECT_EQ((std::vector<int>{1, 1}), solution.remaining_vehicles);
    EXPECT_EQ(1, solution.routes[1].container);
    EXPECT_EQ((std::vector<int>{6, 5}), solution.route_load);
    EXPECT_EQ(30.0 + 20.0, solution.total_distance);
    EXPECT_DOUBLE_EQ(100.0 + 30.0 + 50.0 + 2.0 * 20.0, solution.total_cost);
}

TEST(SearchDiagnostics, DumpsWriteTheirRowsAndSkipWhatCannotBeOpened)
{
    PoolScene scene;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("tovalo_search_dump_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path pool_file = dir / "pool.csv";
    write_route_pool_csv(scene.pool, {0, 1, 1}, pool_file.string());
    EXPECT_EQ("0;1;0;1;80\n0;0;0;1;60.25\n", read_file(pool_file));
    write_route_pool_csv(scene.pool, {1, 0, 0}, (dir / "missing" / "pool.csv").string());
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    scene.vrp.dump_solution_csv(test_support::fleet_solution(scene.vrp, {{0, {2}}}));
    std::filesystem::current_path(before);
    EXPECT_EQ("clients;0;2;0;\nload;0;3;0;\nearly_tw;0;0;0;\nlate_tw;100000;100000;100000;\n"
              "service_time;0;0;0;\ndist;10;10;\ntime;10;10;\nw;0;0;0;\nb;0;0;0;\n",
              read_file(dir / VRP::solution_dump_path));
    std::filesystem::remove_all(dir);
}

TEST(SearchDiagnostics, ConsoleChecksNameOverloadsAndContainers)
{
    PoolScene scene;
    VRP::Solution solution = test_support::fleet_solution(scene.vrp, {{0, {1, 2}}, {1, {3, 4}}});
    solution.route_load[1] = 11;  // above the car's capacity
    testing::internal::CaptureStdout();
    scene.vrp.check_route_loads(solution);
    print_route_containers(solution);
    EXPECT_EQ("\nunfeasible load -\n0-1-", testing::internal::GetCapturedStdout());
}
