#include "geostub_suite.h"
#include "sample_requests.h"
#include "web_requests.h"

#include <cstdio>
#include <future>
#include <thread>

class WebRequests : public GeoStubSuite {
protected:
    void TearDown() override { Geoservices::set_transfer_limits(Geoservices::TransferLimits{}); }

    // The body over both schemes, the two requests running side by side, joined by "|".
    static std::string both_bodies(const std::string& s_path)
    {
        auto plain = std::async(std::launch::async,
                                [s_path] { return http_get(stub_url("http", "http", s_path)); });
        return https_get(stub_url("https", "https", s_path)) + "|" + plain.get();
    }
};

// Bodies arrive whole over both schemes, a 404 page's too; peer and host are verified (the test
// CA in the working directory, else the system store); every failed connection gives "".
TEST_F(WebRequests, BodiesArriveWholeAndEveryFailedConnectionGivesAnEmptyBody)
{
    stub_->set_script(R"({"routes":{"/ok":[{"body":"{\"a\":1}"}],
        "/big":[{"body":"0123456789","repeat":100000}], "/closed":[{"close":true}]}})");
    EXPECT_EQ(https_get(stub_url("https", "https", "/ok")) +
                  http_get(stub_url("http", "http", "/ok")) +
                  https_get(stub_url("https", "https", "/missing")),
              R"({"a":1}{"a":1}<html><body><h1>404 Not Found</h1></body></html>)");
    const std::string s_big = https_get(stub_url("https", "https", "/big"));
    EXPECT_EQ(s_big.size(), 1000000u);
    EXPECT_EQ(s_big.find("0123456789", 999990), 999990u);
    for (const char* s_listener : {"https_foreign_ca", "https_wrong_host", "closed", "http"}) {
        EXPECT_EQ(https_get(stub_url("https", s_listener, "/ok")), "") << s_listener;
    }
    EXPECT_EQ(http_get(stub_url("http", "closed", "/")) +
                  https_get(stub_url("https", "https", "/closed")),
              "");
    ASSERT_EQ(std::rename("cacert.pem", "cacert.pem.away"), 0);
    const std::string s_body = https_get(stub_url("https", "https", "/ok"));
    ASSERT_EQ(std::rename("cacert.pem.away", "cacert.pem"), 0);
    EXPECT_EQ(s_body, "");
}

// A stalled server is dropped after the low-speed time; concurrent requests each get their
// own body (libcurl set up once for the process).
TEST_F(WebRequests, StalledServersAreDroppedAndConcurrentRequestsGetTheirOwnBodies)
{
    Geoservices::set_transfer_limits(Geoservices::TransferLimits{1, 1});
    stub_->set_script(R"({"routes":{"/":[{"stall":5}]}})");
    EXPECT_EQ(both_bodies("/"), "|");
    Geoservices::set_transfer_limits(Geoservices::TransferLimits{});
    stub_->set_script(R"({"routes":{"/a":[{"body":"A"}],"/b":[{"body":"B"}]}})");
    std::vector<std::string> v_bodies(8);
    std::vector<std::thread> v_threads;
    for (size_t i = 0; i < v_bodies.size(); ++i) {
        v_threads.emplace_back([&v_bodies, i] {
            v_bodies[i] = https_get(stub_url("https", "https", i % 2 ? "/b" : "/a"));
        });
    }
    for (std::thread& thread : v_threads) thread.join();
    EXPECT_EQ(v_bodies, (std::vector<std::string>{"A", "B", "A", "B", "A", "B", "A", "B"}));
}

// An answer still arriving at the deadline, one broken off (even if what arrived parses) and
// one past the size limit (announced or not) all fail; one at the limit arrives whole.
TEST_F(WebRequests, LateBrokenAndOversizedAnswersFail)
{
    Geoservices::TransferLimits limits;
    limits.deadline_seconds = 1;
    Geoservices::set_transfer_limits(limits);
    stub_->set_script(R"({"routes":{"/":[{"body":"{\"a\":1}            ","drip":0.25}]}})");
    EXPECT_EQ(both_bodies("/"), "|");
    Geoservices::set_transfer_limits(Geoservices::TransferLimits{});
    stub_->set_script(R"({"routes":{"/":[{"body":"{\"a\":1}    ","cut":7}]}})");
    EXPECT_EQ(both_bodies("/"), "|");

    limits = Geoservices::TransferLimits{};
    limits.max_answer_bytes = 1000;
    Geoservices::set_transfer_limits(limits);
    stub_->set_script(R"({"routes":{
        "/at":[{"body":"x","repeat":1000}],
        "/at_unsized":[{"body":"x","repeat":1000,"unsized":true}],
        "/over":[{"body":"x","repeat":1001}],
        "/over_unsized":[{"body":"0123456789","repeat":100000,"unsized":true}]}})");
    const std::string s_whole(1000, 'x');
    EXPECT_EQ(both_bodies("/at") + both_bodies("/at_unsized"),
              s_whole + "|" + s_whole + s_whole + "|" + s_whole);
    EXPECT_EQ(both_bodies("/over") + both_bodies("/over_unsized"), "||");
}

TEST_F(WebRequests, SampleRequestsSendTheirFixedQueriesWithAPlaceholderToken)
{
    stub_->set_script(R"({"routes":{"/v1/geocode":[{"json":{"items":[]}}]}})");
    testing::internal::CaptureStderr();
    EXPECT_EQ(here_geocode_test(), R"({"items":[]})");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // a failed transfer alone is reported
    EXPECT_EQ(stub_->requests(),
              std::vector<std::string>{"https GET /v1/geocode?q=Avenida+Paulista+1578%2C+"
                                       "01310-200+Sao+Paulo%2C+Brazil HTTP/1.1"});
    EXPECT_NE(here_authorization_header().find("REPLACE_WITH_YOUR"), std::string::npos);
    EXPECT_EQ(build_osrm_sources(3, 5) + build_osrm_sources(5, 4), "?sources=3;4;5?sources=");
    EXPECT_EQ(build_osrm_sources(4294967295u, 4294967295u), "?sources=4294967295");
    const std::string s_url = osrm_sample_table_url(2, 0);
    const std::string s_tail = "?sources=0;0&destinations=&annotations=distance,duration";
    EXPECT_EQ(s_url.rfind("http://", 0), 0u);
    EXPECT_EQ(s_url.find(s_tail), s_url.size() - s_tail.size());
}
