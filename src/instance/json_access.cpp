#include "json_access.h"

#include <cmath>
#include <utility>

const rapidjson::Value* find_member(const rapidjson::Value& value, const char* name)
{
    if (!value.IsObject()) {
        return nullptr;
    }
    const auto member = value.FindMember(name);
    return member == value.MemberEnd() ? nullptr : &member->value;
}

rapidjson::Value* find_member(rapidjson::Value& value, const char* name)
{
    // The usual const/non-const pair: one lookup, the caller's constness kept.
    return const_cast<rapidjson::Value*>(find_member(std::as_const(value), name));
}

const rapidjson::Value* find_element(const rapidjson::Value& value, rapidjson::SizeType i)
{
    if (!value.IsArray() || i >= value.Size()) {
        return nullptr;
    }
    return &value[i];
}

bool read_string_member(const rapidjson::Value& value, const char* name, std::string& s_text)
{
    const rapidjson::Value* member = find_member(value, name);
    if (member == nullptr || !member->IsString()) {
        return false;
    }
    s_text.assign(member->GetString(), member->GetStringLength());
    return true;
}

bool is_finite_number(const rapidjson::Value& value)
{
    return value.IsNumber() && std::isfinite(value.GetDouble());
}
