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

// Whether the document's routes are open ("OVRPTW"), so the return to the depot is not shown.
bool hides_return_to_depot(const rapidjson::Value& document);

// An empty object, read in place of a member a document lacks.
const rapidjson::Value& empty_object();
// The text of a string member, or "" when it is missing or no string.
std::string member_text(const rapidjson::Value& object, const char* name);
// The member when it is an object, else an empty object.
const rapidjson::Value& member_object(const rapidjson::Value& object, const char* name);
