#pragma once
// A test suite that shares one running stand-in among its tests, with the endpoints table
// pointed at it for the suite's duration.

#include "geostub_process.h"
#include "pause_gate.h"
#include "service_config.h"
#include "test_environment.h"

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <string>
#include <type_traits>
#include <vector>

class GeoStubSuite : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stub_ = new GeoStub;
        ASSERT_TRUE(stub_->start()) << "the loopback stand-in did not start";
        point_services_at(*stub_);
    }
    static void TearDownTestSuite()
    {
        delete stub_;
        stub_ = nullptr;
        Geoservices::set_endpoints(Geoservices::default_endpoints());
    }

    // A URL of the stand-in: the scheme, one of its listeners ("http", "https", "closed"...), the
    // path.
    static std::string stub_url(const std::string& s_scheme, const std::string& s_listener,
                                const std::string& s_path)
    {
        return s_scheme + "://" + stub_->host(s_listener) + s_path;
    }

    static inline GeoStub* stub_ = nullptr;
};

// The texts or numbers of a JSON array, as a case file lists them.
template <typename T>
std::vector<T> pinned_list(const rapidjson::Value& list)
{
    std::vector<T> v_values;
    for (const rapidjson::Value& value : list.GetArray()) {
        if constexpr (std::is_same_v<T, std::string>) {
            v_values.emplace_back(value.GetString());
        } else {
            v_values.push_back(value.GetInt64());
        }
    }
    return v_values;
}

// The query part ("sources=0;1&annotations=...") of each request the stub logged.
inline std::vector<std::string> logged_queries(const GeoStub& stub)
{
    std::vector<std::string> v_queries;
    for (const std::string& s_line : stub.requests()) {
        const size_t begin = s_line.find('?');
        const size_t end = s_line.rfind(" HTTP/");
        v_queries.push_back(begin < end ? s_line.substr(begin + 1, end - begin - 1) : s_line);
    }
    return v_queries;
}
