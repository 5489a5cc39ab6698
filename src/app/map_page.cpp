#include "map_page.h"

#include "route_stops.h"
#include "url_encoding.h"

#include <cstdio>
#include <regex>

const char k_map_page_file[] = "routes.html";

namespace {

const char k_page_head[] =
    "<style> html, body { height: 100%; margin: 0; padding: 0; }#map { height: 100%; width: "
    "100%; height: 100%; } </style><div id=\"map\"></div><script> function initMap() {var service "
    "= new google.maps.DirectionsService;var map = new "
    "google.maps.Map(document.getElementById('map'));var stations = [";

const char k_page_script[] =
    "];var lngs = stations.map(function(station) { return station.lng; });var lats = "
    "stations.map(function(station) { return station.lat; });"
    "map.fitBounds({west: Math.min.apply(null, lngs),east: Math.max.apply(null, lngs),north: "
    "Math.max.apply(null, lats),south: Math.min.apply(null, lats),});"
    "for (var i = 0; i < stations.length; i++) {new google.maps.Marker({position: "
    "stations[i],map: map,title: stations[i].name});}for (var i = 0, parts = [], max = 25 - 1; i "
    "< stations.length; i = i + max)parts.push(stations.slice(i, i + max + 1));var "
    "service_callback = function(response, status) {if (status != 'OK') "
    "{console.log('Directions request failed due to ' + status);return;}var renderer = new "
    "google.maps.DirectionsRenderer;renderer.setMap(map);renderer.setOptions({ suppressMarkers: "
    "true, preserveViewport: true });renderer.setDirections(response);};for (var i = 0; i < "
    "parts.length; i++) {var waypoints = [];for (var j = 1; j < parts[i].length - 1; "
    "j++)waypoints.push({location: parts[i][j], stopover: false});var service_options = "
    "{origin: parts[i][0],destination: parts[i][parts[i].length - 1],waypoints: "
    "waypoints,travelMode: 'DRIVING'};service.route(service_options, service_callback);}}</script>";

const char k_maps_script_start[] =
    "<script async defer src=\"https://maps.googleapis.com/maps/api/js?key=";
const char k_maps_script_end[] = "&callback=initMap\"></script>";

std::string unicode_escape(unsigned value)
{
    char s_escape[8];
    std::snprintf(s_escape, sizeof s_escape, "\\u%04x", value);
    return s_escape;
}

// A script string body that neither closes the string nor the script element.
std::string script_string(const std::string& s_text)
{
    std::string s_escaped;
    for (size_t i = 0; i < s_text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s_text[i]);
        if (c == '"' || c == '\\') {
            s_escaped += '\\';
            s_escaped += static_cast<char>(c);
        } else if (c < 0x20 || c == '<' || c == '>' || c == '&') {
            s_escaped += unicode_escape(c);
        } else if (c == 0xE2 && s_text.compare(i + 1, 1, "\x80") == 0 && i + 2 < s_text.size() &&
                   (s_text[i + 2] == '\xA8' || s_text[i + 2] == '\xA9')) {
            // U+2028 and U+2029 end a line inside older script engines' strings.
            s_escaped += unicode_escape(s_text[i + 2] == '\xA8' ? 0x2028 : 0x2029);
            i += 2;
        } else {
            s_escaped += static_cast<char>(c);
        }
    }
    return s_escaped;
}

// The coordinate as a script number: a decimal number as it stands (a decimal comma
// read as a point), anything else NaN.
std::string script_number(std::string s_text)
{
    static const std::regex number("[-+]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)");
    if (!std::regex_match(s_text, number)) {
        return "NaN";
    }
    for (char& c : s_text) {
        c = c == ',' ? '.' : c;
    }
    return s_text;
}

std::string station(const rapidjson::Value& client)
{
    return "{lat: " + script_number(member_text(client, "lat")) +
           ", lng: " + script_number(member_text(client, "long")) + ", name: \"" +
           script_string(member_text(client, "id")) + "\"},";
}

}  // namespace

std::string map_page_html(const rapidjson::Value& document, const rapidjson::Value& route,
                          const std::string& s_google_key)
{
    std::string s_page = k_page_head;
    for (const rapidjson::Value* client : route_stop_clients(document, route)) {
        s_page += station(*client);
    }
    s_page += k_page_script;
    s_page += k_maps_script_start + url_encode(s_google_key, BlankEncoding::percent) +
              k_maps_script_end;
    return s_page;
}
