#pragma once
// The stops of the solved routes as the links, the map page and the routes CSV show
// them. Members that a hand-edited document lacks read as empty, never past an end.

#include <rapidjson/document.h>

#include <string>
#include <vector>

// The clients of the route's shown visits, in visiting order: open routes
// ("OVRPTW") leave out the last visit, the return to the depot. A visit whose index
// is missing or outside input.data.clients gives an empty object.
std::vector<const rapidjson::Value*> route_stop_clients(const rapidjson::Value& document,
                                                        const rapidjson::Value& route);

// The text of a string member, or "" when it is missing or no string.
std::string member_text(const rapidjson::Value& object, const char* name);
// The member when it is an object, else an empty object.
const rapidjson::Value& member_object(const rapidjson::Value& object, const char* name);
