// Geocoding answers whose location holds a number no place has (one beyond the double
// range among them): no usable answer, and the coordinates are left as they were.

#include "geocoding.h"
#include "geostub_suite.h"

#include <gtest/gtest.h>

#include <string>

using AnswerNumbers = GeoStubSuite;

TEST_F(AnswerNumbers, AGoogleLocationOutsideTheDegreeRangesIsNoAnswer)
{
    for (const char* s_location : {R"(\"lat\":1.8e308,\"lng\":2)", R"(\"lat\":1,\"lng\":-1e300)",
                                   R"(\"lat\":90.5,\"lng\":2)"}) {
        stub_->set_script(std::string(R"({"routes":{"/maps/api/geocode/json":[{"body":)") +
                          R"("{\"status\":\"OK\",\"results\":[{\"geometry\":{\"location\":{)" +
                          s_location + R"(}}}]}"}]}})");
        std::string s_lat = "kept";
        std::string s_lng = "kept";
        EXPECT_EQ(get_lat_long_google("Oak Road", "10", "", "X", "", "", "KEY", s_lat, s_lng),
                  Geoservices::LAT_LONG_NO_INTERNET) << s_location;
        EXPECT_EQ(s_lat + s_lng, "keptkept") << s_location;
    }
}
