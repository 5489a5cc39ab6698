#include "geocoding.h"
#include "geostub_suite.h"
#include "json_document.h"

using namespace Geoservices;
using Geocoding = GeoStubSuite;

// Each case of the file: the stand-in's answers, the lookup (Nominatim, its exact search,
// Google, or Nominatim then Google), the status, the coordinates written ("caller" where the
// outputs stay as the caller had them) and the requests sent, every value percent-encoded.
TEST_F(Geocoding, EachAnswerGivesItsStatusAndWritesOnlyWhereItShould)
{
    const rapidjson::Document cases = load_json_file(test_data_dir() + "/geoservices/lookups.json");
    ASSERT_TRUE(cases.IsArray());
    for (const rapidjson::Value& c : cases.GetArray()) {
        const std::string s_case = json_to_string(c);
        stub_->set_script(json_to_string(c["script"]));
        std::vector<std::string> a = {"Oak Road", "10", "", "X", "", ""};
        for (rapidjson::SizeType i = 0; c.HasMember("address") && i < a.size(); ++i) {
            a[i] = c["address"][i].GetString();
        }
        const std::string s_email = c.HasMember("email") ? c["email"].GetString() : "me@x.org";
        const std::string s_key = c.HasMember("key") ? c["key"].GetString() : "KEY";
        const std::string s_lookup = c["lookup"].GetString();
        std::string s_lat = "caller";
        std::string s_lon = "caller";
        const LAT_LONG_STATUS status =
            s_lookup == "google"
                ? get_lat_long_google(a[0], a[1], a[2], a[3], a[4], a[5], s_key, s_lat, s_lon)
            : s_lookup == "both"
                ? get_lat_long(a[0], a[1], a[2], a[3], a[4], a[5], s_key, s_email, s_lat, s_lon)
                : get_lat_long_nominatim(a[0], a[1], a[2], a[3], a[4], a[5], s_email, s_lat, s_lon,
                                         s_lookup == "nominatim exact");
        EXPECT_EQ(status, c["status"].GetInt()) << s_case;
        EXPECT_EQ(s_lat + " " + s_lon, c["lat_long"].GetString()) << s_case;
        if (c.HasMember("requests")) {
            EXPECT_EQ(stub_->requests(), pinned_list<std::string>(c["requests"])) << s_case;
        }
    }
}

// Commas become points (even when refused), then the bounds are tested; the leading number
// is read in the C locale, "nan" and out-of-range texts are refused without a throw.
TEST(CheckLatLong, RewritesCommasThenTestsTheBounds)
{
    const std::tuple<std::string, std::string, bool, std::string> cases[] = {
        {"-23,55", "-46,63", true, "-23.55 -46.63"}, {"90", "-180", true, "90 -180"},
        {"90.000001", "0", false, "90.000001 0"}, {"0", "180.000001", false, "0 180.000001"},
        {"1,5", "", false, "1.5 "}, {"abc", "10", false, "abc 10"},
        {"12abc", "10", true, "12abc 10"}, {"1e400", "0", false, "1e400 0"},
        {"1e-400", "0", false, "1e-400 0"}, {"0", "nan", false, "0 nan"}};
    for (auto [s_lat, s_long, usable, s_after] : cases) {
        EXPECT_EQ(check_lat_long(s_lat, s_long), usable) << s_after;
        EXPECT_EQ(s_lat + " " + s_long, s_after);
    }
}
