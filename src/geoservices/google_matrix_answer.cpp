#include "google_matrix_answer.h"

#include "json_access.h"
#include "output_writer.h"

namespace {

// The integer "value" of element.member, or null when the service gave none.
rapidjson::Value element_value(const rapidjson::Value& element, const char* member)
{
    const rapidjson::Value* measure = find_member(element, member);
    const rapidjson::Value* value = measure ? find_member(*measure, "value") : nullptr;
    if (value == nullptr || !value->IsInt()) {
        return rapidjson::Value(rapidjson::kNullType);
    }
    return rapidjson::Value(value->GetInt());
}

void append_elements(const rapidjson::Value* row, rapidjson::Value& t, rapidjson::Value& d,
                     rapidjson::Document::AllocatorType& allocator)
{
    const rapidjson::Value* elements = row ? find_member(*row, "elements") : nullptr;
    if (elements == nullptr || !elements->IsArray()) {
        return;  // a short row; the instance check reports the size
    }
    for (const rapidjson::Value& element : elements->GetArray()) {
        rapidjson::Value duration = element_value(element, "duration");
        rapidjson::Value distance = element_value(element, "distance");
        if (duration.IsNull() || distance.IsNull()) {
            duration.SetNull();  // a pair without a route is empty in both matrices
            distance.SetNull();
        }
        t.PushBack(duration, allocator);
        d.PushBack(distance, allocator);
    }
}

}  // namespace

GoogleAnswer read_google_answer(const std::string& s_text, const rapidjson::Document& answer)
{
    if (answer.IsNull()) {
        return s_text.empty() ? GoogleAnswer::no_connection : GoogleAnswer::not_json;
    }
    std::string s_status;
    if (!read_string_member(answer, "status", s_status)) {
        return GoogleAnswer::no_status;
    }
    if (s_status == "OK") {
        return GoogleAnswer::ok;
    }
    if (s_status == "MAX_ELEMENTS_EXCEEDED" || s_status == "MAX_DIMENSIONS_EXCEEDED") {
        return GoogleAnswer::too_many;
    }
    if (s_status == "REQUEST_DENIED") {
        return GoogleAnswer::denied;
    }
    return s_status == "OVER_QUERY_LIMIT" ? GoogleAnswer::over_limit : GoogleAnswer::undefined;
}

void record_too_many_google_clients(rapidjson::Document& document)
{
    add_error_record(document, "too_many_clients", "Too many clients in google Distance Matrix call");
}

void record_google_failure(rapidjson::Document& document, GoogleAnswer kind)
{
    switch (kind) {
    case GoogleAnswer::no_connection:
        add_error_record(document, "no_internet_connection", "");
        break;
    case GoogleAnswer::not_json:
        add_error_record(document, "google_api_error", "GOOGLE server not working");
        break;
    case GoogleAnswer::no_status:
        add_error_record(document, "google_api_error",
                         "Problem with google distance matrix api (no returned status)");
        break;
    case GoogleAnswer::too_many:
        record_too_many_google_clients(document);
        break;
    case GoogleAnswer::denied:
        add_error_record(document, "wrong_google_api_key", "Probably wrong api key");
        break;
    case GoogleAnswer::over_limit:
        add_error_record(document, "over_query_limit_google",
                         "the service has received too many requests from the application "
                         "within the allowed time period");
        break;
    case GoogleAnswer::ok:
    case GoogleAnswer::undefined:
        add_error_record(document, "undefined_google_error", "Undefined error");
        break;
    }
}

void append_google_rows(const rapidjson::Value& answer, rapidjson::Value& mtij,
                        rapidjson::Value& mdij, rapidjson::Document::AllocatorType& allocator)
{
    const rapidjson::Value* rows = find_member(answer, "rows");
    if (rows == nullptr || !rows->IsArray()) {
        return;
    }
    for (const rapidjson::Value& row : rows->GetArray()) {
        rapidjson::Value t(rapidjson::kArrayType);
        rapidjson::Value d(rapidjson::kArrayType);
        append_elements(&row, t, d, allocator);
        mtij.PushBack(t, allocator);
        mdij.PushBack(d, allocator);
    }
}

void append_google_first_row(const rapidjson::Value& answer, rapidjson::Value& t,
                             rapidjson::Value& d, rapidjson::Document::AllocatorType& allocator)
{
    const rapidjson::Value* rows = find_member(answer, "rows");
    append_elements(rows ? find_element(*rows, 0) : nullptr, t, d, allocator);
}
