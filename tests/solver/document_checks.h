#pragma once
// What solved documents and changed solutions must hold, and the test documents and texts.

#include "json_document.h"
#include "move_candidates.h"
#include "test_environment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace test_support {

inline rapidjson::Document load_test_document(const std::string& s_name)
{
    return load_json_file(test_data_dir() + "/" + s_name);
}

// A whole text file; a recorded one (tests/solver/golden) without its final line break.
inline std::string read_text(const std::string& s_path, bool recorded = false)
{
    std::stringstream text;
    text << std::ifstream(recorded ? test_data_dir() + "/../solver/golden/" + s_path : s_path)
                .rdbuf();
    std::string s_text = text.str();
    return recorded && !s_text.empty() && s_text.back() == '\n'
               ? s_text.substr(0, s_text.size() - 1)
               : s_text;
}

// Every client once, routed from and to the depot or unrouted, no route over capacity; savings
// unroute none, so a client may stay alone over capacity when lone_overload_allowed.
inline void expect_complete_and_within_capacity(const rapidjson::Value& document,
                                                bool lone_overload_allowed = false,
                                                const std::string& s_case = "")
{
    const rapidjson::Value& clients = document["input"]["data"]["clients"];
    const rapidjson::Value& containers = document["input"]["data"]["containers"];
    const rapidjson::Value& output = document["output"];
    ASSERT_TRUE(output.HasMember("data") && output.HasMember("summary")) << s_case;
    std::vector<int> v_seen(clients.Size(), 0);
    for (const rapidjson::Value& route : output["data"]["routes"].GetArray()) {
        const int type = route["container_index"].GetInt();
        const rapidjson::Value& visits = route["visits"];
        ASSERT_TRUE(type >= 0 && type < static_cast<int>(containers.Size()) && visits.Size() >= 2)
            << s_case;
        EXPECT_TRUE(visits[0]["index"] == 0 && visits[visits.Size() - 1]["index"] == 0) << s_case;
        long long load = 0;
        for (rapidjson::SizeType p = 1; p + 1 < visits.Size(); ++p) {
            const int index = visits[p]["index"].GetInt();
            ASSERT_TRUE(index > 0 && index < static_cast<int>(clients.Size())) << s_case;
            ++v_seen[static_cast<std::size_t>(index)];
            load += clients[static_cast<rapidjson::SizeType>(index)]["demand"].GetInt();
        }
        EXPECT_EQ(load, route["total_load"].GetInt()) << s_case;
        EXPECT_TRUE(
            (lone_overload_allowed && visits.Size() == 3) ||
            load <= containers[static_cast<rapidjson::SizeType>(type)]["container_dim"].GetInt())
            << s_case;
    }
    for (const rapidjson::Value& client : output["data"]["unrouted_clients"].GetArray()) {
        ASSERT_TRUE(client.IsInt() && client.GetInt() > 0 &&
                    client.GetInt() < static_cast<int>(v_seen.size()))
            << s_case;
        ++v_seen[client.GetUint()];
    }
    for (std::size_t c = 1; c < v_seen.size(); ++c) {
        EXPECT_EQ(1, v_seen[c]) << s_case << " client " << c;
    }
    EXPECT_EQ(containers.Size(), output["summary"]["remaining_vehicles"].Size()) << s_case;
}

// Every table, load, cost and distance as a fresh rebuild's; returns the rebuilt total.
inline double expect_matches_rebuild(const VRP& vrp, const VRP::Solution& s)
{
    VRP::Solution fresh = s;
    refresh_solution(vrp, fresh);
    EXPECT_TRUE(s.route_load == fresh.route_load && s.cumulative_load == fresh.cumulative_load &&
                s.route_min_demand == fresh.route_min_demand &&
                s.route_max_demand == fresh.route_max_demand);
    EXPECT_TRUE(s.seg_duration == fresh.seg_duration && s.seg_earliest == fresh.seg_earliest &&
                s.seg_latest == fresh.seg_latest && s.seg_time_warp == fresh.seg_time_warp &&
                s.seg_distance == fresh.seg_distance);
    for (std::size_t r = 0; r < s.routes.size(); ++r) {
        EXPECT_TRUE(s.routes[r].cost == fresh.routes[r].cost &&
                    s.routes[r].distance == fresh.routes[r].distance &&
                    s.routes[r].load == fresh.routes[r].load)
            << "route " << r;
    }
    EXPECT_NEAR(s.total_cost, fresh.total_cost, 1e-6);
    return fresh.total_cost;
}

// The vehicle type (or the load), then the clients, of every route.
inline std::vector<std::vector<int>> shapes(const VRP::Solution& solution, bool loads = false)
{
    std::vector<std::vector<int>> vv_shapes = route_clients(solution);
    for (std::size_t r = 0; r < vv_shapes.size(); ++r) {
        vv_shapes[r].insert(vv_shapes[r].begin(),
                            loads ? solution.route_load[r] : solution.routes[r].container);
    }
    return vv_shapes;
}

}  // namespace test_support
