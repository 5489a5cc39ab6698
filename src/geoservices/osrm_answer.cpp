#include "osrm_answer.h"

#include "json_access.h"
#include "json_document.h"
#include "output_writer.h"

#include <algorithm>

namespace {

// At least the rows asked for, and no number that the document's text could not carry.
bool has_rows(const rapidjson::Value& answer, const char* name, rapidjson::SizeType rows)
{
    const rapidjson::Value* table = find_member(answer, name);
    return table != nullptr && table->IsArray() && table->Size() >= rows &&
           non_finite_number_path(*table).empty();
}

}  // namespace

OsrmAnswer read_osrm_answer(const rapidjson::Document& answer, rapidjson::SizeType rows)
{
    if (answer.IsNull()) {
        return OsrmAnswer::not_json;
    }
    std::string s_code;
    if (!read_string_member(answer, "code", s_code)) {
        return OsrmAnswer::undefined_code;  // e.g. {"message":"Too Many Requests"}
    }
    if (s_code == "Ok") {
        return has_rows(answer, "durations", rows) && has_rows(answer, "distances", rows)
                   ? OsrmAnswer::ok
                   : OsrmAnswer::unusable_ok;
    }
    if (s_code == "InvalidQuery") {
        return OsrmAnswer::invalid_query;
    }
    return s_code == "TooBig" ? OsrmAnswer::too_big : OsrmAnswer::undefined_code;
}

void record_osrm_failure(rapidjson::Document& document, OsrmAnswer kind)
{
    switch (kind) {
    case OsrmAnswer::not_json:
        add_error_record(document, "no_internet_connection", "");
        break;
    case OsrmAnswer::invalid_query:
        add_error_record(document, "invalid_distance_query", "");
        break;
    case OsrmAnswer::too_big:
        add_error_record(document, "too_many_clients", "");
        break;
    case OsrmAnswer::unusable_ok:
        add_error_record(document, "osrm_api_error", "OSRM server not working");
        break;
    case OsrmAnswer::ok:
    case OsrmAnswer::undefined_code:
        add_error_record(document, "undefined_osrm_http_error", "");
        break;
    }
}

void copy_osrm_rows(const rapidjson::Value& answer, rapidjson::Value& mtij,
                    rapidjson::Value& mdij, rapidjson::Document::AllocatorType& allocator)
{
    const rapidjson::Value* durations = find_member(answer, "durations");
    const rapidjson::Value* distances = find_member(answer, "distances");
    if (durations == nullptr || distances == nullptr || !durations->IsArray() ||
        !distances->IsArray()) {
        return;
    }
    const rapidjson::SizeType rows = std::min(durations->Size(), distances->Size());
    for (rapidjson::SizeType r = 0; r < rows; ++r) {
        mtij.PushBack(rapidjson::Value((*durations)[r], allocator), allocator);
        mdij.PushBack(rapidjson::Value((*distances)[r], allocator), allocator);
    }
}
