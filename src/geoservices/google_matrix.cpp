#include "google_matrix.h"

#include "geocoding_query.h"
#include "google_matrix_answer.h"
#include "json_document.h"
#include "matrix_document.h"
#include "service_config.h"
#include "web_requests.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

constexpr int64_t k_single_request_limit = 9;
constexpr int64_t k_block_limit = 24;
constexpr int64_t k_destination_window = 25;
constexpr std::chrono::milliseconds k_block_pause(200);
constexpr std::chrono::milliseconds k_origin_pause(100);

struct GoogleReply {
    std::string s_text;
    rapidjson::Document answer;
};

GoogleReply request_matrix(const std::string& s_origins_destinations, const std::string& s_key)
{
    GoogleReply reply;
    reply.s_text = https_get("https://" + Geoservices::endpoints().google_host +
                             "/maps/api/distancematrix/json?units=metric" +
                             s_origins_destinations + "&key=" + encode_query_value(s_key));
    reply.answer = string_to_json(reply.s_text);
    return reply;
}

// Halves the block of origins until the service takes it; the accepted c (c + 1 origins
// per block) with its answer kept, or 0 after appending the record.
int64_t probe_block_size(rapidjson::Document& document, const std::string& s_key,
                         std::vector<std::string>& v_answers)
{
    int64_t c = client_count(document);
    while (c > 1) {
        c /= 2;
        GoogleReply reply = request_matrix(
            build_google_od_origin_range(document, 0, static_cast<uint32_t>(c)), s_key);
        Geoservices::pause(k_block_pause);
        const GoogleAnswer kind = read_google_answer(reply.s_text, reply.answer);
        if (kind == GoogleAnswer::ok) {
            v_answers.push_back(std::move(reply.s_text));
            return c;
        }
        if (kind != GoogleAnswer::too_many && kind != GoogleAnswer::over_limit) {
            record_google_failure(document, kind);
            return 0;
        }
    }
    record_too_many_google_clients(document);
    return 0;
}

// One origin against all destinations in windows of 25; false after recording a failure.
bool request_origin_row(rapidjson::Document& document, const std::string& s_key, int64_t origin,
                        rapidjson::Value& t, rapidjson::Value& d)
{
    const int64_t n = client_count(document);
    for (int64_t start = 0, last = 0; last < n - 1; start = last + 1) {
        last = std::min(start + k_destination_window - 1, n - 1);
        const GoogleReply reply = request_matrix(
            build_google_od_row(document, static_cast<uint32_t>(origin),
                                static_cast<uint32_t>(start), static_cast<uint32_t>(last)),
            s_key);
        if (!check_google_matrix_status(reply.s_text, document, reply.answer)) {
            return false;
        }
        append_google_first_row(reply.answer, t, d, document.GetAllocator());
    }
    return true;
}

}  // namespace

bool collect_matrices_google(rapidjson::Document& document, std::string s_key)
{
    const int64_t n = client_count(document);
    if (n <= k_single_request_limit) {
        return google_matrix_single(document, std::move(s_key));
    }
    if (n <= k_block_limit) {
        return google_matrix_by_chunks(document, std::move(s_key));
    }
    return google_matrix_by_rows(document, std::move(s_key));
}

bool check_google_matrix_status(const std::string& s_answer, rapidjson::Document& document,
                                const rapidjson::Document& answer)
{
    const GoogleAnswer kind = read_google_answer(s_answer, answer);
    if (kind == GoogleAnswer::ok) {
        return true;
    }
    record_google_failure(document, kind);
    return false;
}

bool google_matrix_single(rapidjson::Document& document, std::string s_key)
{
    if (!require_input_data(document)) {
        return false;
    }
    const GoogleReply reply = request_matrix(build_google_od_all(document), s_key);
    if (!check_google_matrix_status(reply.s_text, document, reply.answer)) {
        return false;
    }
    parse_google_matrix(document, reply.answer);
    return true;
}

bool google_matrix_by_chunks(rapidjson::Document& document, std::string s_key)
{
    if (!require_input_data(document)) {
        return false;
    }
    const int64_t n = client_count(document);
    std::vector<std::string> v_answers;
    const int64_t c = probe_block_size(document, s_key, v_answers);
    if (c == 0) {
        return false;
    }
    for (int64_t start = c + 1; start <= n - 1; start += c + 1) {
        const int64_t end = std::min(start + c, n - 1);
        GoogleReply reply = request_matrix(
            build_google_od_origin_range(document, static_cast<uint32_t>(start),
                                         static_cast<uint32_t>(end)),
            s_key);
        if (!check_google_matrix_status(reply.s_text, document, reply.answer)) {
            return false;  // "OVER_QUERY_LIMIT" no longer shrinks the block here
        }
        v_answers.push_back(std::move(reply.s_text));
        Geoservices::pause(k_block_pause);
    }
    return parse_google_matrix_chunks(document, v_answers);
}

bool google_matrix_by_rows(rapidjson::Document& document, std::string s_key)
{
    if (!require_input_data(document)) {
        return false;
    }
    auto& allocator = document.GetAllocator();
    rapidjson::Value mtij(rapidjson::kArrayType);
    rapidjson::Value mdij(rapidjson::kArrayType);
    const int64_t n = client_count(document);
    for (int64_t origin = 0; origin < n; ++origin) {
        rapidjson::Value t(rapidjson::kArrayType);
        rapidjson::Value d(rapidjson::kArrayType);
        if (!request_origin_row(document, s_key, origin, t, d)) {
            return false;
        }
        mtij.PushBack(t, allocator);
        mdij.PushBack(d, allocator);
        Geoservices::pause(k_origin_pause);
    }
    append_matrices(document, mtij, mdij);
    return true;
}

void parse_google_matrix(rapidjson::Document& document, const rapidjson::Document& answer)
{
    auto& allocator = document.GetAllocator();
    rapidjson::Value mtij(rapidjson::kArrayType);
    rapidjson::Value mdij(rapidjson::kArrayType);
    append_google_rows(answer, mtij, mdij, allocator);
    append_matrices(document, mtij, mdij);
}

bool parse_google_matrix_chunks(rapidjson::Document& document,
                                const std::vector<std::string>& v_answers)
{
    append_matrices_from_answers(document, v_answers, append_google_rows);
    return true;
}
