#include "default_settings.h"

const std::vector<std::pair<std::string, std::string>>& default_settings()
{
    static const std::vector<std::pair<std::string, std::string>> v_defaults = {
        {"language", "POR"},
        {"email", "your.email@example.com"},
        {"distance_matrix_api", "osrm"},
        {"lat_long_api", "osrm_relaxed"},
        {"google_api_key", ""},
        {"map_display", "google_free"},
        {"auto_city", "1"},
        {"auto_city_value", "Curitiba"},
        {"auto_state", "1"},
        {"auto_state_value", "Parana"},
        {"auto_country", "1"},
        {"auto_country_value", "Brasil"},
        {"auto_service_time", "1"},
        {"auto_service_time_value", "0"},
        {"auto_demand", "1"},
        {"auto_demand_value", "1"},
        {"auto_tw", "1"},
        {"auto_tw_value", "600"},
        {"open_routes", "1"},
        {"opt_time", "10"},
        {"automatic_client_save", "0"},
        {"lat_long_database_search", "0"},
        {"solution_method", "normal"},
    };
    return v_defaults;
}

std::string default_setting_value(const std::string& s_key)
{
    for (const auto& setting : default_settings()) {
        if (setting.first == s_key) {
            return setting.second;
        }
    }
    return "";
}
