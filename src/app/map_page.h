#pragma once
// The map page "routes.html": one route's stations drawn with the Google Maps
// JavaScript API, in pieces of at most 25 stations that overlap by one.

#include <rapidjson/document.h>

#include <string>

extern const char k_map_page_file[];

// The page for the route (an element of output.data.routes). Client ids are written
// as escaped script strings and coordinates only when they are plain numbers ("NaN"
// otherwise), so no text of the document can end the script or add code to it.
std::string map_page_html(const rapidjson::Value& document, const rapidjson::Value& route,
                          const std::string& s_google_key);
