// What a request does with answers that never end, break off or grow without bound.

#include "geostub_suite.h"
#include "service_config.h"
#include "web_requests.h"

#include <gtest/gtest.h>

#include <future>
#include <string>

namespace {

class RequestLimits : public GeoStubSuite {
protected:
    void TearDown() override { Geoservices::set_transfer_limits(Geoservices::TransferLimits{}); }

    // The body over both schemes, the two requests running side by side.
    static std::pair<std::string, std::string> both_bodies(const std::string& s_path)
    {
        auto plain = std::async(std::launch::async,
                                [s_path] { return http_get(stub_url("http", "http", s_path)); });
        const std::string s_tls = https_get(stub_url("https", "https", s_path));
        return {plain.get(), s_tls};
    }
};

const std::pair<std::string, std::string> k_failed{"", ""};

}  // namespace

TEST_F(RequestLimits, AnAnswerStillArrivingAtTheDeadlineFailsLikeADroppedConnection)
{
    Geoservices::TransferLimits limits;
    limits.deadline_seconds = 1;
    Geoservices::set_transfer_limits(limits);
    // Fast enough for the low-speed limit, too slow to end within the deadline.
    stub_->set_script(R"({"routes":{"/":[{"body":"{\"a\":1}            ","drip":0.25}]}})");
    EXPECT_EQ(both_bodies("/"), k_failed);
}

TEST_F(RequestLimits, ABrokenTransferFailsEvenWhenWhatArrivedParses)
{
    stub_->set_script(R"({"routes":{"/":[{"body":"{\"a\":1}    ","cut":7}]}})");
    EXPECT_EQ(both_bodies("/"), k_failed);
}

TEST_F(RequestLimits, AnswersPastTheSizeLimitFailWithOrWithoutAnnouncedLength)
{
    Geoservices::TransferLimits limits;
    limits.max_answer_bytes = 1000;
    Geoservices::set_transfer_limits(limits);
    stub_->set_script(R"({"routes":{
        "/at":[{"body":"x","repeat":1000}], "/at_unsized":[{"body":"x","repeat":1000,"unsized":true}],
        "/over":[{"body":"x","repeat":1001}],
        "/over_unsized":[{"body":"0123456789","repeat":100000,"unsized":true}]}})");
    const std::string s_whole(1000, 'x');
    EXPECT_EQ(both_bodies("/at"), std::make_pair(s_whole, s_whole));
    EXPECT_EQ(both_bodies("/at_unsized"), std::make_pair(s_whole, s_whole));
    EXPECT_EQ(both_bodies("/over"), k_failed);
    EXPECT_EQ(both_bodies("/over_unsized"), k_failed);
}
