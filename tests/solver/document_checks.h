#pragma once
// Solver test documents from tests/data and what every solved document must hold.

#include "json_document.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace test_support {

inline rapidjson::Document load_test_document(const std::string& s_name)
{
    const char* s_dir = std::getenv("TOVALO_TEST_DATA");
    return load_json_file(std::string(s_dir != nullptr ? s_dir : "tests/data") + "/" + s_name);
}

// Every client served exactly once by a real route or listed as unrouted, and no
// route above its vehicle's capacity.
inline void expect_complete_and_within_capacity(const rapidjson::Document& document)
{
    const rapidjson::Value& data = document["input"]["data"];
    const rapidjson::Value& output = document["output"]["data"];
    std::vector<int> v_seen(data["clients"].Size(), 0);
    for (const rapidjson::Value& route : output["routes"].GetArray()) {
        const rapidjson::Value& container =
            data["containers"][route["container_index"].GetUint()];
        int load = 0;
        for (const rapidjson::Value& visit : route["visits"].GetArray()) {
            const int index = visit["index"].GetInt();
            load += data["clients"][static_cast<unsigned>(index)]["demand"].GetInt();
            ++v_seen[static_cast<std::size_t>(index)];
        }
        load -= 2 * data["clients"][0]["demand"].GetInt();
        EXPECT_EQ(route["total_load"].GetInt(), load);
        EXPECT_LE(load, container["container_dim"].GetInt());
    }
    for (const rapidjson::Value& client : output["unrouted_clients"].GetArray()) {
        ++v_seen[client.GetUint()];
    }
    for (std::size_t c = 1; c < v_seen.size(); ++c) {
        EXPECT_EQ(1, v_seen[c]) << "client " << c;
    }
}

}  // namespace test_support
