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
    stub_->set_script(R"({"routes":{"/ok":[{"body":"{\"a\":1}"}],
        "/big":[{"body":"0123456789","repeat":100000}]}})");
    EXPECT_EQ(https_get(stub_url("https", "https", "/ok")), R"({"a":1})");
    EXPECT_EQ(http_get(stub_url("http", "http", "/ok")), R"({"a":1})");
    EXPECT_EQ(https_get(stub_url("https", "https", "/missing")),
              "<html><body><h1>404 Not Found</h1></body></html>");
    const std::string s_big = https_get(stub_url("https", "https", "/big"));  // many pieces
    EXPECT_EQ(s_big.size(), 1000000u);
    EXPECT_EQ(s_big.find("0123456789", 999990), 999990u);
}

TEST_F(WebRequests, EveryFailedConnectionGivesAnEmptyBody)
{
    stub_->set_script(R"({"routes":{"/":[{"body":"served"}],"/closed":[{"close":true}]}})");
    for (const char* s_listener : {"https_foreign_ca", "https_wrong_host", "closed", "http"}) {
        EXPECT_EQ(https_get(stub_url("https", s_listener, "/")), "") << s_listener;
    }
    EXPECT_EQ(http_get(stub_url("http", "closed", "/")), "");
    EXPECT_EQ(https_get(stub_url("https", "https", "/closed")), "");

    // Without the CA file the system store rejects the test CA.
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
    for (size_t i = 0; i < v_bodies.size(); ++i) {
        v_threads[i].join();
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
    EXPECT_NE(here_authorization_header().find("REPLACE_WITH_YOUR"), std::string::npos);
}

TEST(OsrmQueries, SourcesAndSampleTableUrl)
{
    EXPECT_EQ(build_osrm_sources(3, 5), "?sources=3;4;5");
    EXPECT_EQ(build_osrm_sources(5, 4), "?sources=");
    EXPECT_EQ(build_osrm_sources(4294967295u, 4294967295u), "?sources=4294967295");
    const std::string s_url = osrm_sample_table_url(2, 0);
    const std::string s_tail = "?sources=0;0&destinations=&annotations=distance,duration";
    EXPECT_EQ(s_url.rfind("http://", 0), 0u);
    EXPECT_EQ(s_url.find(s_tail), s_url.size() - s_tail.size());
}
