#include "document_jobs.h"

#include "instance_check.h"
#include "job_context.h"
#include "json_access.h"
#include "json_document.h"
#include "output_writer.h"
#include "request_abort.h"
#include "solver_entry.h"
#include "thread_jobs.h"

namespace {

// The solved document, or the parsed one with an error record when it lacks the parts
// the solver entries need. A stop request ends the search early.
rapidjson::Document solved(rapidjson::Document document, const std::atomic<bool>* stop_request)
{
    const rapidjson::Value* input = find_member(document, "input");
    const rapidjson::Value* meta_info = input ? find_member(*input, "meta_info") : nullptr;
    if (meta_info == nullptr || !meta_info->IsObject()) {
        add_error_record(document, "missing_json_field",
                         input ? "missing 'meta_info' field" : "missing 'input' field");
        return document;
    }
    return solves_with_plain_search(*meta_info) ? run_vrp_ils(document, stop_request)
                                                : run_vrp_ils_variant(document, stop_request);
}

// The document as text. One holding a number no text can carry (a number beyond the
// double range in the text the job was given) is reported as a failed run whose record
// names that member: the receiver never gets a text cut short.
std::string result_text(const rapidjson::Document& document, bool& written)
{
    std::string s_text = json_to_string(document);
    written = !s_text.empty();
    if (written) {
        return s_text;
    }
    rapidjson::Document failed(rapidjson::kObjectType);
    add_error_record(failed, "missing_json_field",
                     "missing or invalid '" + non_finite_number_path(document) + "' field");
    return json_to_string(failed);
}

}  // namespace

bool solves_with_plain_search(const rapidjson::Value& meta_info)
{
    const rapidjson::Value* method = find_member(meta_info, "solution_method");
    return method == nullptr ||
           (method->IsString() && std::string(method->GetString()) == "normal");
}

void run_check_json_job(std::shared_ptr<JobContext> context, std::string input_json,
                        std::string distance_matrix_api, std::string google_api_key)
{
    if (!context->wanted()) {
        return;  // its window is gone or closing: nobody would read the result
    }
    // A stop ends the matrix requests at once; the job then reports nothing.
    const Geoservices::AbortScope abort_scope(context->stop_request());
    rapidjson::Document document = string_to_json(input_json);
    const bool checked = check_instance_json(document, distance_matrix_api, google_api_key);
    bool written = false;
    const std::string s_output_json = result_text(document, written);
    const bool json_ok = checked && written;
    context->report(nullptr, [&](ThreadJobs& jobs) {
        emit jobs.on_end_check_json(s_output_json, json_ok);
    });
}

void run_optimize_job(std::shared_ptr<JobContext> context, std::string input_json)
{
    if (!context->wanted()) {
        return;
    }
    bool written = false;
    const std::string s_output_json =
        result_text(solved(string_to_json(input_json), context->stop_request()), written);
    context->report(nullptr, [&](ThreadJobs& jobs) { emit jobs.on_end_optimize(s_output_json); });
}
