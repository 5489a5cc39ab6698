#pragma once
// Solver test documents from tests/data and what every solved document must hold.

#include "test_environment.h"
#include "json_document.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace test_support {

inline rapidjson::Document load_test_document(const std::string& s_name)
{
    return load_json_file(test_data_dir() + "/" + s_name);
}

// Every client served exactly once by a real route leaving and ending at the depot or
// listed as unrouted, and no route above its vehicle's capacity. The savings methods
// never leave a client unrouted, so a client no vehicle left can take may stay alone on
// a route over capacity: lone_overload_allowed lets such routes through.
inline void expect_complete_and_within_capacity(const rapidjson::Value& document,
                                                bool lone_overload_allowed = false,
                                                const std::string& s_case = "")
{
    using rapidjson::SizeType;
    const rapidjson::Value& clients = document["input"]["data"]["clients"];
    const rapidjson::Value& containers = document["input"]["data"]["containers"];
    const rapidjson::Value& output = document["output"];
    ASSERT_TRUE(output.HasMember("data") && output.HasMember("summary")) << s_case;
    std::vector<int> v_seen(clients.Size(), 0);
    for (const rapidjson::Value& route : output["data"]["routes"].GetArray()) {
        const int type = route["container_index"].GetInt();
        const rapidjson::Value& visits = route["visits"];
        ASSERT_TRUE(type >= 0 && static_cast<SizeType>(type) < containers.Size()) << s_case;
        ASSERT_GE(visits.Size(), 2u) << s_case;
        const auto container = static_cast<SizeType>(type);
        EXPECT_EQ(0, visits[0]["index"].GetInt()) << s_case;
        EXPECT_EQ(0, visits[visits.Size() - 1]["index"].GetInt()) << s_case;
        long long load = 0;
        for (SizeType p = 1; p + 1 < visits.Size(); ++p) {
            const int index = visits[p]["index"].GetInt();
            ASSERT_TRUE(index > 0 && static_cast<SizeType>(index) < clients.Size()) << s_case;
            ++v_seen[static_cast<std::size_t>(index)];
            load += clients[static_cast<SizeType>(index)]["demand"].GetInt();
        }
        EXPECT_EQ(load, route["total_load"].GetInt()) << s_case;
        if (!(lone_overload_allowed && visits.Size() == 3)) {
            EXPECT_LE(load, containers[container]["container_dim"].GetInt()) << s_case;
        }
    }
    for (const rapidjson::Value& client : output["data"]["unrouted_clients"].GetArray()) {
        ASSERT_TRUE(client.IsInt() && client.GetInt() > 0 &&
                    static_cast<std::size_t>(client.GetInt()) < v_seen.size())
            << s_case;
        ++v_seen[client.GetUint()];
    }
    for (std::size_t c = 1; c < v_seen.size(); ++c) {
        EXPECT_EQ(1, v_seen[c]) << s_case << " client " << c;
    }
    EXPECT_EQ(containers.Size(), output["summary"]["remaining_vehicles"].Size()) << s_case;
}

}  // namespace test_support
