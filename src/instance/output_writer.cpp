#include "output_writer.h"

#include "json_document.h"

#include <deque>

namespace {

using rapidjson::Value;
using Allocator = rapidjson::Document::AllocatorType;

Value visit_object(const OutputVisit& visit, Allocator& allocator)
{
    Value object(rapidjson::kObjectType);
    object.AddMember("id", json_string_value(visit.id, allocator), allocator);
    object.AddMember("index", visit.index, allocator);
    object.AddMember("arrival", visit.arrival, allocator);
    object.AddMember("waiting", visit.waiting, allocator);
    object.AddMember("departure", visit.departure, allocator);
    return object;
}

template <typename Items, typename MakeValue>
Value array_of(const Items& items, Allocator& allocator, MakeValue make_value)
{
    Value array(rapidjson::kArrayType);
    for (const auto& item : items) {
        array.PushBack(make_value(item, allocator), allocator);
    }
    return array;
}

Value int_value(int value, Allocator&)
{
    return Value(value);
}

Value route_object(const OutputRoute& route, Allocator& allocator)
{
    Value object(rapidjson::kObjectType);
    object.AddMember("visits", array_of(route.visits, allocator, visit_object), allocator);
    object.AddMember("container_id", json_string_value(route.container_id, allocator), allocator);
    object.AddMember("container_index", route.container_index, allocator);
    object.AddMember("total_load", route.total_load, allocator);
    object.AddMember("distance", route.distance, allocator);
    object.AddMember("travel_time", route.travel_time, allocator);
    object.AddMember("waiting_time", route.waiting_time, allocator);
    return object;
}

Value output_object(const Instance& instance, Allocator& allocator)
{
    Value data(rapidjson::kObjectType);
    data.AddMember("routes", array_of(instance.routes, allocator, route_object), allocator);
    data.AddMember("unrouted_clients", array_of(instance.unrouted_clients, allocator, int_value),
                   allocator);

    Value summary(rapidjson::kObjectType);
    summary.AddMember("total_distance", instance.total_distance, allocator);
    summary.AddMember("total_travel", instance.total_travel, allocator);
    summary.AddMember("n_used_vehicles", instance.n_used_vehicles, allocator);
    summary.AddMember("total_time", instance.total_time, allocator);
    summary.AddMember("remaining_vehicles", array_of(instance.remaining_vehicles, allocator, int_value),
                      allocator);

    Value output(rapidjson::kObjectType);
    output.AddMember("data", data, allocator);
    output.AddMember("summary", summary, allocator);
    return output;
}

// Name lookups find the first member of a name, so a stale "output" left in
// front would hide the new one: drop it, keeping the other members' order.
void append_output(rapidjson::Document& document, Value& output)
{
    if (!document.IsObject()) {
        document.SetObject();
    }
    for (auto found = document.FindMember("output"); found != document.MemberEnd();
         found = document.FindMember("output")) {
        document.EraseMember(found);
    }
    document.AddMember("output", output, document.GetAllocator());
}

}  // namespace

rapidjson::Document write_output_json(const InstanceReader& reader,
                                      const rapidjson::Value& input_document)
{
    rapidjson::Document document;
    document.CopyFrom(input_document, document.GetAllocator());
    const Instance empty;
    const Instance& result = reader.instance != nullptr ? *reader.instance : empty;
    Value output = output_object(result, document.GetAllocator());
    append_output(document, output);
    return document;
}

rapidjson::Document make_output_document(const InstanceReader& reader, int unused,
                                         const rapidjson::Value& input_document)
{
    return write_output_json(reader, input_document);
}

void add_error_record(rapidjson::Document& document, const std::string& s_code,
                      const std::string& s_message)
{
    auto& allocator = document.GetAllocator();
    Value meta_info(rapidjson::kObjectType);
    meta_info.AddMember("error", json_string_value(s_code, allocator), allocator);
    if (!s_message.empty()) {
        meta_info.AddMember("message", json_string_value(s_message, allocator), allocator);
    }
    Value output(rapidjson::kObjectType);
    output.AddMember("meta_info", meta_info, allocator);
    append_output(document, output);
}
