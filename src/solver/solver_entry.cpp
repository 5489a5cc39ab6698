#include "solver_entry.h"

#include "instance_reader.h"
#include "output_writer.h"

#include <string>

namespace {
rapidjson::Document refused(const rapidjson::Value& input_document, const std::string& s_code,
                            const std::string& s_message)
{
    rapidjson::Document document;
    document.CopyFrom(input_document, document.GetAllocator());
    add_error_record(document, s_code, s_message);
    return document;
}
}  // namespace

rapidjson::Document run_vrp_method(const rapidjson::Value& input_document, int method,
                                   SolveStats* stats, const std::atomic<bool>* stop_request)
{
    Instance instance;
    InstanceReader reader(&instance, 0, input_document);
    if (reader.failed()) {
        return refused(input_document, "missing_json_field", reader.error_message());
    }
    if (instance.clients.empty()) {
        return refused(input_document, "missing_json_field",
                       "missing or invalid 'clients' field");
    }
    // The savings constructions start from one route per client on a vehicle type;
    // without any they would build nothing and drop every client from the result.
    const bool savings_method = method == 0 || method == 1;
    if (savings_method && instance.containers.empty() && instance.clients.size() > 1) {
        return refused(input_document, "missing_json_field",
                       "missing or invalid 'input.data.containers' field");
    }
    if (!VRP::solve_method_available(method)) {
        return refused(input_document, "solve_method_unavailable",
                       "solve method " + std::to_string(method) +
                           " is not available in this build");
    }
    VRP vrp(&instance);
    vrp.stop_request = stop_request;
    vrp.solve(method);
    if (stats != nullptr) {
        *stats = vrp.stats;
    }
    return make_output_document(reader, 0, input_document);
}

rapidjson::Document run_vrp_ils(const rapidjson::Value& input_document,
                                const std::atomic<bool>* stop_request)
{
    return run_vrp_method(input_document, 3, nullptr, stop_request);
}

rapidjson::Document run_vrp_ils_variant(const rapidjson::Value& input_document,
                                        const std::atomic<bool>* stop_request)
{
    return run_vrp_method(input_document, 4, nullptr, stop_request);
}

rapidjson::Document run_vrp_savings(const rapidjson::Value& input_document)
{
    return run_vrp_method(input_document, 0, nullptr);
}

rapidjson::Document run_vrp_insertion(const rapidjson::Value& input_document)
{
    return run_vrp_method(input_document, 2, nullptr);
}

rapidjson::Document run_vrp_savings_sweep(const rapidjson::Value& input_document)
{
    return run_vrp_method(input_document, 1, nullptr);
}
