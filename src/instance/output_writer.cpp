#include "output_writer.h"

#include "json_document.h"

void add_error_record(rapidjson::Document& document, const std::string& s_code,
                      const std::string& s_message)
{
    auto& allocator = document.GetAllocator();
    rapidjson::Value meta_info(rapidjson::kObjectType);
    meta_info.AddMember("error", json_string_value(s_code, allocator), allocator);
    if (!s_message.empty()) {
        meta_info.AddMember("message", json_string_value(s_message, allocator), allocator);
    }
    rapidjson::Value output(rapidjson::kObjectType);
    output.AddMember("meta_info", meta_info, allocator);
    document.AddMember("output", output, allocator);
}
