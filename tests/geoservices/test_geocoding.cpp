#include "geocoding.h"
#include "geostub_suite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Geoservices::LAT_LONG_STATUS;

namespace {

const std::string k_untouched = "caller";
const std::string k_nominatim_route = "/search";
const std::string k_google_route = "/maps/api/geocode/json";

// One route answering one scripted answer (JSON text of the answer object).
std::string script(const std::string& s_route, const std::string& s_answer)
{
    return R"({"routes":{")" + s_route + R"(":[)" + s_answer + "]}}";
}

struct LookupCase {
    std::string s_answer;
    LAT_LONG_STATUS status;
    std::string s_lat;  // expected outputs
    std::string s_lon;
};

const std::string k_three_matches =
    R"({"json":[{"lat":"48.85","lon":"2.35"},{"lat":"1","lon":"2"},{"lat":"3","lon":"4"}]})";
const std::string k_google_ok =
    R"({"json":{"status":"OK","results":[{"geometry":{"location":{"lat":48.8566,"lng":2.3522}}}]}})";

class Geocoding : public GeoStubSuite {
public:  // the lookups are handed around as member pointers
    LAT_LONG_STATUS nominatim(bool exact, std::string& s_lat, std::string& s_lon)
    {
        return get_lat_long_nominatim("Oak Road", "10", "", "X", "", "", "me@x.org", s_lat,
                                      s_lon, exact);
    }
    LAT_LONG_STATUS google(std::string& s_lat, std::string& s_lng)
    {
        return get_lat_long_google("Oak Road", "10", "", "X", "", "", "KEY", s_lat, s_lng);
    }
    LAT_LONG_STATUS combined(std::string& s_lat, std::string& s_lon)
    {
        return get_lat_long("Oak Road", "10", "", "X", "", "", "KEY", "me@x.org", s_lat, s_lon);
    }

    void expect_outcomes(const std::string& s_route, const std::vector<LookupCase>& v_cases,
                         LAT_LONG_STATUS (Geocoding::*lookup)(std::string&, std::string&))
    {
        for (const LookupCase& c : v_cases) {
            stub_->set_script(script(s_route, c.s_answer));
            std::string s_lat = k_untouched;
            std::string s_lon = k_untouched;
            EXPECT_EQ((this->*lookup)(s_lat, s_lon), c.status) << c.s_answer;
            EXPECT_EQ(s_lat, c.s_lat) << c.s_answer;
            EXPECT_EQ(s_lon, c.s_lon) << c.s_answer;
        }
    }

    LAT_LONG_STATUS relaxed(std::string& s_lat, std::string& s_lon)
    {
        return nominatim(false, s_lat, s_lon);
    }
    LAT_LONG_STATUS exact(std::string& s_lat, std::string& s_lon)
    {
        return nominatim(true, s_lat, s_lon);
    }
};

}  // namespace

TEST_F(Geocoding, NominatimOutcomes)
{
    const std::string u = k_untouched;
    expect_outcomes(k_nominatim_route,
                    {
                        {R"({"json":[{"lat":"48.85","lon":"2.35"}]})", Geoservices::LAT_LONG_OK, "48.85", "2.35"},
                        {k_three_matches, Geoservices::LAT_LONG_OK, "48.85", "2.35"},
                        {R"({"json":[]})", Geoservices::LAT_LONG_NOT_FOUND, u, u},
                        {R"({"json":{"error":"Unable to geocode"}})", Geoservices::LAT_LONG_NOT_FOUND, u, u},
                        {R"({"json":{"place":1}})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"body":"<html>Access blocked</html>","status":403})", Geoservices::LAT_LONG_INVALID_EMAIL, u, u},
                        {R"({"body":""})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"close":true})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        // Odd answers read as no usable answer, outputs kept.
                        {R"({"json":[{"lat":48.85,"lon":2.35}]})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":[{"lat":"48.85"}]})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":[7]})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":"text"})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                    },
                    &Geocoding::relaxed);
}

TEST_F(Geocoding, ExactNominatimSearchWithSeveralMatchesWritesTheFirst)
{
    expect_outcomes(k_nominatim_route,
                    {{k_three_matches, Geoservices::LAT_LONG_EXACT_NOT_FOUND, "48.85", "2.35"},
                     {R"({"json":[{"lat":"5","lon":"6"}]})", Geoservices::LAT_LONG_OK, "5", "6"}},
                    &Geocoding::exact);
}

TEST_F(Geocoding, GoogleOutcomes)
{
    const std::string u = k_untouched;
    auto status = [](const std::string& s_status) {
        return R"({"json":{"status":")" + s_status + R"(","results":[]}})";
    };
    expect_outcomes(k_google_route,
                    {
                        {k_google_ok, Geoservices::LAT_LONG_OK, "48.856600", "2.352200"},
                        {status("ZERO_RESULTS"), Geoservices::LAT_LONG_NOT_FOUND, u, u},
                        {status("INVALID_REQUEST"), Geoservices::LAT_LONG_NOT_FOUND, u, u},
                        {status("REQUEST_DENIED"), Geoservices::LAT_LONG_INVALID_GOOGLE_KEY, u, u},
                        {R"({"json":{"status":"OVER_QUERY_LIMIT"}})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {status("OK"), Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":{"status":"OK","results":[{"geometry":{"location":{"lat":"1","lng":2}}}]}})",
                         Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":{"status":7}})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"json":["OK"]})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"body":"<html>Error</html>","status":500})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                        {R"({"body":""})", Geoservices::LAT_LONG_NO_INTERNET, u, u},
                    },
                    &Geocoding::google);
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
        {R"({"json":[{"lat":"5","lon":"6"}]})", k_google_ok, Geoservices::LAT_LONG_OK, "5", 1},
        {R"({"json":[]})", k_google_ok, Geoservices::LAT_LONG_OK, "48.856600", 2},
        {k_three_matches, R"({"json":{"status":"ZERO_RESULTS"}})",
         Geoservices::LAT_LONG_NOT_FOUND, "48.85", 2},
        {R"({"body":"<html></html>"})", R"({"json":{"status":"REQUEST_DENIED"}})",
         Geoservices::LAT_LONG_INVALID_GOOGLE_KEY, k_untouched, 2},
    };
    for (const Case& c : cases) {
        stub_->set_script(R"({"routes":{"/search":[)" + c.s_nominatim +
                          R"(],"/maps/api/geocode/json":[)" + c.s_google + "]}}");
        std::string s_lat = k_untouched;
        std::string s_lon = k_untouched;
        EXPECT_EQ(combined(s_lat, s_lon), c.status) << c.s_nominatim;
        EXPECT_EQ(s_lat, c.s_lat) << c.s_nominatim;
        EXPECT_EQ(stub_->requests().size(), c.requests) << c.s_nominatim;
    }
}

TEST_F(Geocoding, QueriesCarryTheAddressWithEveryValueEncoded)
{
    stub_->set_script(script("/", R"({"json":[]})"));
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
