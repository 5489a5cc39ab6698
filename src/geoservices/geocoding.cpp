#include "geocoding.h"

Geoservices::LAT_LONG_STATUS get_lat_long(
    const std::string& s_address, const std::string& s_number, const std::string& s_neighborhood,
    const std::string& s_city, const std::string& s_state, const std::string& s_country,
    const std::string& s_key, const std::string& s_email, std::string& s_lat,
    std::string& s_lon)
{
    const Geoservices::LAT_LONG_STATUS nominatim =
        get_lat_long_nominatim(s_address, s_number, s_neighborhood, s_city, s_state,
                               s_country, s_email, s_lat, s_lon, true);
    if (nominatim == Geoservices::LAT_LONG_OK) {
        return nominatim;
    }
    return get_lat_long_google(s_address, s_number, s_neighborhood, s_city, s_state, s_country,
                               s_key, s_lat, s_lon);
}
