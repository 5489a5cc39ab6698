#include "route_stops.h"

#include "json_access.h"

namespace {

const rapidjson::Value& client_at(const rapidjson::Value& document, const rapidjson::Value& visit)
{
    const rapidjson::Value* clients =
        find_member(member_object(member_object(document, "input"), "data"), "clients");
    const rapidjson::Value* index = find_member(visit, "index");
    if (!clients || !clients->IsArray() || !index || !index->IsUint()) {
        return empty_object();
    }
    const rapidjson::Value* client = find_element(*clients, index->GetUint());
    return client ? *client : empty_object();
}

}  // namespace

const rapidjson::Value& empty_object()
{
    static const rapidjson::Value object(rapidjson::kObjectType);
    return object;
}

bool hides_return_to_depot(const rapidjson::Value& document)
{
    return member_text(member_object(member_object(document, "input"), "meta_info"),
                       "prob_type") == "OVRPTW";
}

std::string member_text(const rapidjson::Value& object, const char* name)
{
    std::string s_text;
    read_string_member(object, name, s_text);
    return s_text;
}

const rapidjson::Value& member_object(const rapidjson::Value& object, const char* name)
{
    const rapidjson::Value* member = find_member(object, name);
    return member && member->IsObject() ? *member : empty_object();
}

std::vector<const rapidjson::Value*> route_stop_clients(const rapidjson::Value& document,
                                                        const rapidjson::Value& route)
{
    std::vector<const rapidjson::Value*> v_clients;
    const rapidjson::Value* visits = find_member(route, "visits");
    if (!visits || !visits->IsArray()) {
        return v_clients;
    }
    rapidjson::SizeType shown = visits->Size();
    if (shown > 0 && hides_return_to_depot(document)) {
        --shown;
    }
    for (rapidjson::SizeType v = 0; v < shown; ++v) {
        v_clients.push_back(&client_at(document, (*visits)[v]));
    }
    return v_clients;
}
