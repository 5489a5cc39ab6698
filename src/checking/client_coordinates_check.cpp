// Client coordinates: both or none, usable when present; the clients without any are
// looked up by address.

#include "check_failure.h"
#include "full_instance_check.h"
#include "geocoding.h"
#include "json_access.h"
#include "json_document.h"
#include "lookup_settings.h"
#include "service_config.h"

#include <chrono>

namespace {

using Geoservices::LAT_LONG_STATUS;

// Keeps the geocoders' request rate within their usage policies.
constexpr std::chrono::milliseconds k_pause_after_lookup(1200);

struct Fault {
    const char* s_code;
    const char* s_message;  // empty: the code goes alone
};

const Fault k_no_address{"missing_json_field", "client has no 'address' field"};
const Fault k_no_inner_address{"missing_json_field",
                               "client has no inner 'address' field (number, city,...)"};
const Fault k_one_coordinate{"missing_json_field",
                             "for each client, both lat and long should be setted, or none"};
const Fault k_invalid_coordinates{"invalid_field", "invalid lat/long values"};

Fault lookup_fault(LAT_LONG_STATUS status)
{
    switch (status) {
    case Geoservices::LAT_LONG_NOT_FOUND:
    case Geoservices::LAT_LONG_EXACT_NOT_FOUND:
        return {"lat_long_value_not_found", "could not find lat/long value"};
    case Geoservices::LAT_LONG_INVALID_EMAIL:
        return {"invalid_field", "invalid 'email' for lat/long search"};
    case Geoservices::LAT_LONG_INVALID_GOOGLE_KEY:
        return {"invalid_field", "invalid 'google_api_key'"};
    default:  // no usable answer came back
        return {"no_internet_connection", ""};
    }
}

// One pass over the clients: the first fault is the one recorded.
class CoordinateScan {
public:
    explicit CoordinateScan(rapidjson::Document& document) : document_(document) {}

    // False when the lookup settings were refused: the scan ends there.
    bool check_client(rapidjson::Value& client)
    {
        const rapidjson::Value* lat = find_member(client, "lat");
        const rapidjson::Value* lon = find_member(client, "long");
        if (lat == nullptr && lon == nullptr) {
            return look_up_client(client);
        }
        if (lat == nullptr || lon == nullptr) {
            note(k_one_coordinate);
        } else if (!usable(*lat, *lon)) {
            note(k_invalid_coordinates);
        }
        return true;
    }

    bool passed() const { return !fault_recorded_; }

private:
    void note(const Fault& fault)
    {
        if (!fault_recorded_) {
            record_failure(document_, fault.s_code, fault.s_message);
            fault_recorded_ = true;
        }
    }

    // Tested on copies: the document keeps its own decimal separator.
    static bool usable(const rapidjson::Value& lat, const rapidjson::Value& lon)
    {
        if (!lat.IsString() || !lon.IsString()) {
            return false;
        }
        std::string s_lat(lat.GetString(), lat.GetStringLength());
        std::string s_long(lon.GetString(), lon.GetStringLength());
        return check_lat_long(s_lat, s_long);
    }

    static bool read_address(const rapidjson::Value& address, ClientAddress& out)
    {
        return read_string_member(address, "address", out.s_address) &&
               read_string_member(address, "number", out.s_number) &&
               read_string_member(address, "neighborhood", out.s_neighborhood) &&
               read_string_member(address, "city", out.s_city) &&
               read_string_member(address, "state", out.s_state) &&
               read_string_member(address, "country", out.s_country);
    }

    bool look_up_client(rapidjson::Value& client)
    {
        const rapidjson::Value* address = find_member(client, "address");
        ClientAddress parts;
        if (address == nullptr) {
            note(k_no_address);
            return true;
        }
        if (!read_address(*address, parts)) {
            note(k_no_inner_address);
            return true;
        }
        if (!settings_read_ && !read_settings()) {
            return false;
        }
        std::string s_lat;
        std::string s_long;
        const LAT_LONG_STATUS status = look_up(settings_, parts, s_lat, s_long);
        Geoservices::pause(k_pause_after_lookup);
        if (status != Geoservices::LAT_LONG_OK) {
            note(lookup_fault(status));
            return true;
        }
        auto& allocator = document_.GetAllocator();
        client.AddMember("lat", json_string_value(s_lat, allocator), allocator);
        client.AddMember("long", json_string_value(s_long, allocator), allocator);
        return true;
    }

    // Once, at the first client that needs a lookup.
    bool read_settings()
    {
        SettingsFault fault;
        settings_read_ = read_lookup_settings(document_, settings_, fault);
        if (!settings_read_) {
            note(Fault{fault.s_code, fault.s_message});
        }
        return settings_read_;
    }

    rapidjson::Document& document_;
    bool fault_recorded_ = false;
    bool settings_read_ = false;
    LookupSettings settings_;
};

}  // namespace

bool check_clients_lat_long(rapidjson::Document& document)
{
    rapidjson::Value* data = input_part(document, "data");
    rapidjson::Value* clients = data ? find_member(*data, "clients") : nullptr;
    if (clients == nullptr || !clients->IsArray()) {
        return check_clients(document);  // records what is wrong with the array
    }
    CoordinateScan scan(document);
    for (rapidjson::Value& client : clients->GetArray()) {
        if (!scan.check_client(client)) {
            return false;
        }
    }
    return scan.passed();
}
