#pragma once
// The jobs on whole instance documents. The document crosses threads only as text.

#include <rapidjson/document.h>

#include <memory>
#include <string>

class JobContext;

// Checks the instance text (and completes it with its matrices when it has none), then
// reports the document as text with whether it passed. Either job reports a document it
// cannot write as text as an error record naming the member that stops it.
void run_check_json_job(std::shared_ptr<JobContext> context, std::string input_json,
                        std::string distance_matrix_api, std::string google_api_key);
// Solves the instance text by the method input.meta_info.solution_method names and
// reports the solved document as text.
void run_optimize_job(std::shared_ptr<JobContext> context, std::string input_json);

// input.meta_info.solution_method absent or exactly "normal": the plain search; any other
// value, of any JSON type, asks for its variant.
bool solves_with_plain_search(const rapidjson::Value& meta_info);
