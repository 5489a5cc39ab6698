#include "check_failure.h"

#include "json_access.h"
#include "output_writer.h"

namespace {

// The lookups only read; what they find belongs to the caller's mutable document.
rapidjson::Value* writable(const rapidjson::Value* value)
{
    return const_cast<rapidjson::Value*>(value);
}

}  // namespace

bool record_failure(rapidjson::Document& document, const std::string& s_code,
                    const std::string& s_message)
{
    add_error_record(document, s_code, s_message);
    return false;
}

const rapidjson::Value* object_member(const rapidjson::Value& value, const char* s_name)
{
    const rapidjson::Value* member = find_member(value, s_name);
    return member != nullptr && member->IsObject() ? member : nullptr;
}

rapidjson::Value* object_member(rapidjson::Value& value, const char* s_name)
{
    return writable(object_member(static_cast<const rapidjson::Value&>(value), s_name));
}

const rapidjson::Value* input_part(const rapidjson::Value& document, const char* s_part)
{
    const rapidjson::Value* input = object_member(document, "input");
    return input != nullptr ? object_member(*input, s_part) : nullptr;
}

rapidjson::Value* input_part(rapidjson::Value& document, const char* s_part)
{
    return writable(input_part(static_cast<const rapidjson::Value&>(document), s_part));
}
