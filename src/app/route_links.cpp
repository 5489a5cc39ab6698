#include "route_links.h"

#include "route_stops.h"
#include "solution_view.h"
#include "url_encoding.h"

const char k_directions_base[] = "https://www.google.com/maps/dir/";

namespace {

// One address part as a piece of a path segment: a "/", "#", "?", "&" or "+" in it
// cannot cut the link or change the stop; a blank reads as the "+" between parts.
std::string stop_part(const rapidjson::Value& address, const char* name)
{
    return url_encode(member_text(address, name), BlankEncoding::plus);
}

// The stop as the directions path takes it; neighbourhood and state are left out.
std::string stop_text(const rapidjson::Value& client)
{
    const rapidjson::Value& address = member_object(client, "address");
    return stop_part(address, "address") + "+" + stop_part(address, "number") + "+" +
           stop_part(address, "city") + "+" + stop_part(address, "country") + "/";
}

std::string link_label(rapidjson::SizeType route, int part)
{
    return "R-" + std::to_string(route) + "-" + std::to_string(part);
}

constexpr int k_stops_before_split = 20;

}  // namespace

TextTable route_direction_links(const rapidjson::Value& document)
{
    TextTable vv_links;
    const rapidjson::Value& routes = solution_routes(document);
    for (rapidjson::SizeType r = 0; r < routes.Size(); ++r) {
        std::string s_link = k_directions_base;
        int part = 0;
        int count = 0;
        for (const rapidjson::Value* client : route_stop_clients(document, routes[r])) {
            const std::string s_stop = stop_text(*client);
            s_link += s_stop;
            if (count > k_stops_before_split) {
                vv_links.push_back({link_label(r, part), s_link});
                ++part;
                s_link = k_directions_base + s_stop;
                count = 1;
            } else {
                ++count;
            }
        }
        vv_links.push_back({link_label(r, part), s_link});
    }
    return vv_links;
}
