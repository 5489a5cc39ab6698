#include "geocoding.h"
#include "geostub_suite.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace Geoservices;

namespace {

const std::string u = "caller";  // outputs left as the caller had them
const std::string k_three_matches =
    R"({"json":[{"lat":"48.85","lon":"2.35"},{"lat":"1","lon":"2"},{"lat":"3","lon":"4"}]})";
const std::string k_google_ok =
    R"({"json":{"status":"OK","results":[{"geometry":{"location":{"lat":48.8566,"lng":2.3522}}}]}})";

using Lookup = std::function<LAT_LONG_STATUS(std::string&, std::string&)>;

struct LookupCase {
    std::string s_answer;
    LAT_LONG_STATUS status;
    std::string s_lat;
    std::string s_lon;
};

class Geocoding : public GeoStubSuite {
protected:
    static Lookup nominatim(bool exact)
    {
        return [exact](std::string& s_lat, std::string& s_lon) {
            return get_lat_long_nominatim("Oak Road", "10", "", "X", "", "", "me@x.org", s_lat,
                                          s_lon, exact);
        };
    }

    static void expect_outcomes(const std::string& s_route, const std::vector<LookupCase>& v_cases,
                                const Lookup& lookup)
    {
        for (const LookupCase& c : v_cases) {
            stub_->set_script(R"({"routes":{")" + s_route + R"(":[)" + c.s_answer + "]}}");
            std::string s_lat = u;
            std::string s_lon = u;
            EXPECT_EQ(lookup(s_lat, s_lon), c.status) << c.s_answer;
            EXPECT_EQ(s_lat + " " + s_lon, c.s_lat + " " + c.s_lon) << c.s_answer;
        }
    }
};

}  // namespace

TEST_F(Geocoding, NominatimOutcomes)
{
    expect_outcomes("/search",
                    {
                        {k_three_matches, LAT_LONG_OK, "48.85", "2.35"},
                        {R"({"json":[]})", LAT_LONG_NOT_FOUND, u, u},
                        {R"({"json":{"error":"Unable to geocode"}})", LAT_LONG_NOT_FOUND, u, u},
                        {R"({"json":{"place":1}})", LAT_LONG_NO_INTERNET, u, u},
                        {R"({"body":"<html>Access blocked</html>","status":403})", LAT_LONG_INVALID_EMAIL, u, u},
                        {R"({"close":true})", LAT_LONG_NO_INTERNET, u, u},
                        // Odd answers read as no usable answer, outputs kept.
                        {R"({"json":[{"lat":48.85,"lon":2.35}]})", LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":[{"lat":"48.85"}]})", LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":[7]})", LAT_LONG_NO_INTERNET, u, u},
                    },
                    nominatim(false));
    // The exact search writes the first of several matches but does not accept them.
    expect_outcomes("/search",
                    {{k_three_matches, LAT_LONG_EXACT_NOT_FOUND, "48.85", "2.35"},
                     {R"({"json":[{"lat":"5","lon":"6"}]})", LAT_LONG_OK, "5", "6"}},
                    nominatim(true));
}

TEST_F(Geocoding, GoogleOutcomes)
{
    auto status = [](const std::string& s_status) {
        return R"({"json":{"status":")" + s_status + R"(","results":[]}})";
    };
    expect_outcomes("/maps/api/geocode/json",
                    {
                        {k_google_ok, LAT_LONG_OK, "48.856600", "2.352200"},
                        {status("ZERO_RESULTS"), LAT_LONG_NOT_FOUND, u, u},
                        {status("INVALID_REQUEST"), LAT_LONG_NOT_FOUND, u, u},
                        {status("REQUEST_DENIED"), LAT_LONG_INVALID_GOOGLE_KEY, u, u},
                        {status("OVER_QUERY_LIMIT"), LAT_LONG_NO_INTERNET, u, u},
                        {status("OK"), LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":{"status":"OK","results":[{"geometry":{"location":{"lat":"1","lng":2}}}]}})",
                         LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":["OK"]})", LAT_LONG_NO_INTERNET, u, u},
                        {R"({"body":""})", LAT_LONG_NO_INTERNET, u, u},
                    },
                    [](std::string& s_lat, std::string& s_lng) {
                        return get_lat_long_google("Oak Road", "10", "", "X", "", "", "KEY", s_lat, s_lng);
                    });
}

TEST_F(Geocoding, CombinedLookupAsksGoogleOnlyWhenNominatimFails)
{
    struct Case {
        std::string s_nominatim;
        std::string s_google;
        LAT_LONG_STATUS status;
        std::string s_lat;
        size_t requests;
    };
    const Case cases[] = {
        {R"({"json":[{"lat":"5","lon":"6"}]})", k_google_ok, LAT_LONG_OK, "5", 1},
        {R"({"json":[]})", k_google_ok, LAT_LONG_OK, "48.856600", 2},
        {k_three_matches, R"({"json":{"status":"ZERO_RESULTS"}})", LAT_LONG_NOT_FOUND, "48.85", 2},
        {R"({"body":"<html></html>"})", R"({"json":{"status":"REQUEST_DENIED"}})",
         LAT_LONG_INVALID_GOOGLE_KEY, u, 2},
    };
    for (const Case& c : cases) {
        stub_->set_script(R"({"routes":{"/search":[)" + c.s_nominatim +
                          R"(],"/maps/api/geocode/json":[)" + c.s_google + "]}}");
        std::string s_lat = u;
        std::string s_lon = u;
        EXPECT_EQ(get_lat_long("Oak Road", "10", "", "X", "", "", "KEY", "me@x.org", s_lat, s_lon),
                  c.status) << c.s_nominatim;
        EXPECT_EQ(s_lat, c.s_lat) << c.s_nominatim;
        EXPECT_EQ(stub_->requests().size(), c.requests) << c.s_nominatim;
    }
}

TEST_F(Geocoding, QueriesCarryTheAddressWithEveryValueEncoded)
{
    stub_->set_script(R"({"routes":{"/":[{"json":[]}]}})");
    std::string s_lat;
    std::string s_lon;
    get_lat_long_nominatim("Oak Road", "10", "", "X", "", "", "me@x.org", s_lat, s_lon, false);
    get_lat_long_google("Oak Road", "10", "", "X", "", "", "KEY", s_lat, s_lon);
    get_lat_long_nominatim("Smith & Sons #2", "5?", "Vila/Nova", "São Paulo", "SP", "BR",
                           "a+b@x.org", s_lat, s_lon, false);
    get_lat_long_google("Smith & Sons #2", "", "", "Rio, RJ", "", "", "k&y=1", s_lat, s_lon);
    EXPECT_EQ(stub_->requests(),
              (std::vector<std::string>{
                  "https GET /search?q=Oak+Road+10,,X,,&format=json&email=me%40x.org HTTP/1.1",
                  "https GET /maps/api/geocode/json?address=Oak+Road+10,,X,,,&key=KEY HTTP/1.1",
                  "https GET /search?q=Smith+%26+Sons+%232+5%3F,Vila%2FNova,S%C3%A3o+Paulo,SP,BR"
                  "&format=json&email=a%2Bb%40x.org HTTP/1.1",
                  "https GET /maps/api/geocode/json?address=Smith+%26+Sons+%232+,,Rio%2C+RJ,,,"
                  "&key=k%26y%3D1 HTTP/1.1",
              }));
}

TEST(CheckLatLong, RewritesCommasThenTestsTheBounds)
{
    struct Case {
        std::string s_lat;
        std::string s_long;
        bool usable;
        std::string s_lat_after;
    };
    const Case cases[] = {
        {"-23,55", "-46,63", true, "-23.55"},
        {"90", "-180", true, "90"},
        {"90.000001", "0", false, "90.000001"},
        {"0", "180.000001", false, "0"},
        {"1,5", "", false, "1.5"},  // rewritten even when refused
        {"abc", "10", false, "abc"},
        {"12abc", "10", true, "12abc"},  // the leading number is read
        {"1e400", "0", false, "1e400"},  // out of range, no throw
        {"1e-400", "0", false, "1e-400"},
        {"0", "nan", false, "0"},
    };
    for (const Case& c : cases) {
        std::string s_lat = c.s_lat;
        std::string s_long = c.s_long;
        EXPECT_EQ(check_lat_long(s_lat, s_long), c.usable) << c.s_lat << " / " << c.s_long;
        EXPECT_EQ(s_lat, c.s_lat_after);
    }
    std::string s_lat = "1";
    std::string s_long = "-46,63";
    check_lat_long(s_lat, s_long);
    EXPECT_EQ(s_long, "-46.63");
}
