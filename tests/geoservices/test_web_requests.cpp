#include "geostub_suite.h"
#include "sample_requests.h"
#include "service_config.h"
#include "web_requests.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <future>
#include <string>
#include <thread>
#include <vector>

using WebRequests = GeoStubSuite;

TEST_F(WebRequests, BodiesArriveWholeOverBothSchemesWhateverTheStatus)
{
    stub_->set_script(R"({"routes":{
        "/ok":[{"body":"{\"a\":1}"}],
        "/big":[{"body":"0123456789","repeat":100000}]}})");
    EXPECT_EQ(https_get(stub_url("https", "https", "/ok")), R"({"a":1})");
    EXPECT_EQ(http_get(stub_url("http", "http", "/ok")), R"({"a":1})");
    EXPECT_EQ(https_get(stub_url("https", "https", "/missing")),
              "<html><body><h1>404 Not Found</h1></body></html>");

    std::string s_expected;
    for (int i = 0; i < 100000; ++i) {
        s_expected += "0123456789";
    }
    EXPECT_EQ(https_get(stub_url("https", "https", "/big")), s_expected);  // many pieces, in order
}

TEST_F(WebRequests, EveryFailedConnectionGivesAnEmptyBody)
{
    stub_->set_script(R"({"routes":{"/":[{"body":"served"}]}})");
    EXPECT_EQ(https_get(stub_url("https", "https_foreign_ca", "/")), "");
    EXPECT_EQ(https_get(stub_url("https", "https_wrong_host", "/")), "");
    EXPECT_EQ(https_get(stub_url("https", "closed", "/")), "");
    EXPECT_EQ(http_get(stub_url("http", "closed", "/")), "");
    EXPECT_EQ(https_get(stub_url("https", "http", "/")), "");  // no TLS on the other side

    stub_->set_script(R"({"routes":{"/closed":[{"close":true}],"/empty":[{"body":""}]}})");
    EXPECT_EQ(https_get(stub_url("https", "https", "/closed")), "");
    EXPECT_EQ(http_get(stub_url("http", "http", "/empty")), "");
}

TEST_F(WebRequests, WithoutTheCaFileTheSystemStoreRejectsTheTestCa)
{
    ASSERT_EQ(std::rename("cacert.pem", "cacert.pem.away"), 0);
    const std::string s_body = https_get(stub_url("https", "https", "/"));
    ASSERT_EQ(std::rename("cacert.pem.away", "cacert.pem"), 0);
    EXPECT_EQ(s_body, "");
}

TEST_F(WebRequests, AStalledServerIsDroppedAfterTheLowSpeedTime)
{
    Geoservices::set_transfer_limits(Geoservices::TransferLimits{1, 1});
    stub_->set_script(R"({"routes":{"/":[{"stall":5}]}})");
    auto plain = std::async(std::launch::async, [] { return http_get(stub_url("http", "http", "/")); });
    EXPECT_EQ(https_get(stub_url("https", "https", "/")), "");
    EXPECT_EQ(plain.get(), "");
    Geoservices::set_transfer_limits(Geoservices::TransferLimits{});
}

TEST_F(WebRequests, ConcurrentRequestsEachGetTheirOwnBody)
{
    stub_->set_script(R"({"routes":{"/a":[{"body":"A"}],"/b":[{"body":"B"}]}})");
    std::vector<std::string> v_bodies(8);
    std::vector<std::thread> v_threads;
    for (size_t i = 0; i < v_bodies.size(); ++i) {
        v_threads.emplace_back([&v_bodies, i] {
            v_bodies[i] = https_get(stub_url("https", "https", i % 2 == 0 ? "/a" : "/b"));
        });
    }
    for (std::thread& thread : v_threads) {
        thread.join();
    }
    for (size_t i = 0; i < v_bodies.size(); ++i) {
        EXPECT_EQ(v_bodies[i], i % 2 == 0 ? "A" : "B");
    }
}

TEST_F(WebRequests, HereSampleSendsItsFixedQueryWithAPlaceholderToken)
{
    stub_->set_script(R"({"routes":{"/v1/geocode":[{"json":{"items":[]}}]}})");
    EXPECT_EQ(here_geocode_test(), R"({"items":[]})");
    EXPECT_EQ(stub_->requests(),
              std::vector<std::string>{"https GET /v1/geocode?q=Avenida+Paulista+1578%2C+"
                                       "01310-200+Sao+Paulo%2C+Brazil HTTP/1.1"});
    const std::string s_header = here_authorization_header();
    EXPECT_EQ(s_header.size(), 67u);
    EXPECT_NE(s_header.find("REPLACE_WITH_YOUR"), std::string::npos);
}

TEST(OsrmQueries, SourcesListTheIndicesInclusive)
{
    EXPECT_EQ(build_osrm_sources(3, 5), "?sources=3;4;5");
    EXPECT_EQ(build_osrm_sources(7, 7), "?sources=7");
    EXPECT_EQ(build_osrm_sources(0, 2), "?sources=0;1;2");
    EXPECT_EQ(build_osrm_sources(5, 4), "?sources=");
    EXPECT_EQ(build_osrm_sources(4294967295u, 4294967295u), "?sources=4294967295");
}

TEST(OsrmQueries, SampleTableUrlRepeatsTheFirstPoint)
{
    const std::string s_url = osrm_sample_table_url(2, 0);
    EXPECT_EQ(s_url.rfind("http://", 0), 0u);
    const std::string s_tail = "?sources=0;0&destinations=&annotations=distance,duration";
    ASSERT_GE(s_url.size(), s_tail.size());
    EXPECT_EQ(s_url.substr(s_url.size() - s_tail.size()), s_tail);
    EXPECT_NE(osrm_sample_table_url(-1, 3).find("?sources=&destinations=0;0;0&"),
              std::string::npos);
}

TEST(WriteCallback, AppendsAndCountsTheBytes)
{
    std::string s_text = "ab";
    char data[] = "cdef";
    EXPECT_EQ(curl_write_to_string(data, 1, 4, &s_text), 4u);
    EXPECT_EQ(s_text, "abcdef");
}

TEST(PauseFunction, RecorderReplacesTheSleepUntilRemoved)
{
    std::vector<long> v_pauses;
    Geoservices::set_pause_function(
        [&v_pauses](std::chrono::milliseconds duration) { v_pauses.push_back(duration.count()); });
    Geoservices::pause(std::chrono::milliseconds(2000));
    Geoservices::pause(std::chrono::milliseconds(200));
    Geoservices::set_pause_function(nullptr);
    Geoservices::pause(std::chrono::milliseconds(1));  // a real sleep, not recorded
    EXPECT_EQ(v_pauses, (std::vector<long>{2000, 200}));
}
