#include "sample_requests.h"

#include "service_config.h"
#include "web_transfer.h"

#include <iostream>

namespace {

// A placeholder, not a credential: whoever runs the sample puts their own token here.
constexpr const char* k_here_access_token = "REPLACE_WITH_YOUR_HERE_ACCESS_TOKEN_0000000";
constexpr const char* k_here_sample_address = "Avenida+Paulista+1578%2C+01310-200+Sao+Paulo%2C+Brazil";
constexpr const char* k_osrm_sample_points =
    "-46.655881,-23.561414;-46.633309,-23.550520;-46.625290,-23.533773";

std::string zeros_joined(int count)
{
    std::string s_list;
    for (int i = 0; i < count; ++i) {
        s_list += i == 0 ? "0" : ";0";
    }
    return s_list;
}

}  // namespace

std::string here_authorization_header()
{
    return std::string("Authorization: Bearer [") + k_here_access_token + "]";
}

std::string here_geocode_test()
{
    const std::string s_url = "https://" + Geoservices::endpoints().here_host +
                              "/v1/geocode?q=" + k_here_sample_address;
    const WebTransfer transfer =
        perform_get(s_url, TransportSecurity::verified_tls, {here_authorization_header()});
    if (!transfer.has_handle) {
        return "curl initialization failure";
    }
    if (transfer.curl_code != 0) {
        std::cerr << "curl_easy_perform() failed: " << transfer_error_text(transfer.curl_code)
                  << "\n"
                  << std::flush;
    }
    return transfer.s_body;
}

std::string osrm_sample_table_url(int sources, int destinations)
{
    return "http://" + Geoservices::endpoints().osrm_host + "/table/v1/driving/" +
           k_osrm_sample_points + "?sources=" + zeros_joined(sources) +
           "&destinations=" + zeros_joined(destinations) + "&annotations=distance,duration";
}
