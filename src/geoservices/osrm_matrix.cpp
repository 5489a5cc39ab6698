#include "osrm_matrix.h"

#include "json_document.h"
#include "matrix_document.h"
#include "osrm_answer.h"
#include "output_writer.h"
#include "service_config.h"
#include "web_requests.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

constexpr uint32_t k_minimum_block = 5;
constexpr std::chrono::milliseconds k_block_pause(2000);
constexpr const char* k_annotations = "annotations=distance,duration";

std::string table_url(const rapidjson::Document& document, const std::string& s_sources)
{
    return "http://" + Geoservices::endpoints().osrm_host + "/table/v1/driving/" +
           build_osrm_coordinates(document) +
           (s_sources.empty() ? std::string("?") : s_sources + "&") + k_annotations;
}

void record_too_many_clients(rapidjson::Document& document)
{
    add_error_record(document, "too_many_clients", "Too many clients in OSRM Distance Matrix call");
}

// Halves the block until the server takes it. 0 when no block above the minimum was
// taken (the record is then appended); otherwise c, with the answer kept in v_answers.
uint32_t probe_block_size(rapidjson::Document& document, uint32_t minimum,
                          std::vector<std::string>& v_answers)
{
    uint32_t c = client_count(document);
    while (true) {
        c /= 2;
        std::string s_body = http_get(table_url(document, build_osrm_sources(0, c)));
        const OsrmAnswer kind = read_osrm_answer(string_to_json(s_body), c + 1);
        if (kind == OsrmAnswer::ok) {
            v_answers.push_back(std::move(s_body));
            break;
        }
        if (kind != OsrmAnswer::too_big) {
            record_osrm_failure(document, kind);
            return 0;
        }
        Geoservices::pause(k_block_pause);
        if (minimum > c || c == 0) {
            break;
        }
    }
    if (minimum >= c) {
        record_too_many_clients(document);
        return 0;
    }
    return c;
}

}  // namespace

std::string build_osrm_coordinates(const rapidjson::Document& document)
{
    std::string s_coordinates;
    const uint32_t n = client_count(document);
    for (uint32_t i = 0; i < n; ++i) {
        s_coordinates += client_coordinate(document, i, "long") + "," +
                         client_coordinate(document, i, "lat") + (i + 1 < n ? ";" : "");
    }
    return s_coordinates;
}

bool collect_matrices_osrm(rapidjson::Document& document)
{
    if (!require_input_data(document)) {
        return false;
    }
    const std::string s_body = http_get(table_url(document, ""));
    const OsrmAnswer kind = read_osrm_answer(string_to_json(s_body), client_count(document));
    if (kind == OsrmAnswer::ok) {
        return parse_osrm_matrix_chunks(document, {s_body});
    }
    if (kind == OsrmAnswer::too_big) {
        return osrm_matrix_by_chunks(document, k_minimum_block);
    }
    if (kind == OsrmAnswer::not_json && !s_body.empty()) {
        add_error_record(document, "osrm_api_error", "OSRM server not working");
        return false;
    }
    record_osrm_failure(document, kind);
    return false;
}

bool osrm_matrix_by_chunks(rapidjson::Document& document, uint32_t minimum)
{
    if (!require_input_data(document)) {
        return false;
    }
    const uint32_t n = client_count(document);
    if (minimum > n) {
        record_too_many_clients(document);
        return false;
    }
    std::vector<std::string> v_answers;
    const uint32_t c = probe_block_size(document, minimum, v_answers);
    if (c == 0) {
        return false;
    }
    for (uint64_t start = uint64_t{c} + 1; start < n; start += uint64_t{c} + 1) {
        const auto first = static_cast<uint32_t>(start);
        const uint32_t last = static_cast<uint32_t>(std::min<uint64_t>(start + c, n - 1));
        std::string s_body = http_get(table_url(document, build_osrm_sources(first, last)));
        const OsrmAnswer kind = read_osrm_answer(string_to_json(s_body), last - first + 1);
        if (kind != OsrmAnswer::ok) {
            record_osrm_failure(document, kind);
            return false;
        }
        v_answers.push_back(std::move(s_body));
        Geoservices::pause(k_block_pause);
    }
    return parse_osrm_matrix_chunks(document, v_answers);
}

bool parse_osrm_matrix_chunks(rapidjson::Document& document,
                              const std::vector<std::string>& v_answers)
{
    append_matrices_from_answers(document, v_answers, copy_osrm_rows);
    return true;
}
