// Developer program: solves one instance file and reports what the run did.
//   solve_file IN.json [--method N] [--max-time S]
// The solved document goes to standard output, one line of figures to standard error.
// A result that cannot be written (a number no JSON text carries, a full output) ends the
// program with a message and exit code 1, never with a line that looks like a result.

#include "json_document.h"
#include "solver_entry.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
struct Options {
    std::string s_path;
    int method = 3;
    bool has_max_time = false;
    double max_time = 0.0;
};

bool parse_options(int argc, char** argv, Options& options)
{
    for (int a = 1; a < argc; ++a) {
        const std::string s_arg = argv[a];
        if ((s_arg == "--method" || s_arg == "--max-time") && a + 1 < argc) {
            char* end = nullptr;
            const char* s_value = argv[++a];
            if (s_arg == "--method") {
                options.method = static_cast<int>(std::strtol(s_value, &end, 10));
            } else {
                options.max_time = std::strtod(s_value, &end);
                options.has_max_time = true;
            }
            if (end == s_value || *end != '\0') {
                return false;
            }
        } else if (options.s_path.empty() && s_arg.rfind("--", 0) != 0) {
            options.s_path = s_arg;
        } else {
            return false;
        }
    }
    return !options.s_path.empty();
}

// Overrides input.meta_info.max_time, adding the member when it is absent.
bool set_max_time(rapidjson::Document& document, double max_time)
{
    if (!document.IsObject() || !document.HasMember("input") || !document["input"].IsObject() ||
        !document["input"].HasMember("meta_info") ||
        !document["input"]["meta_info"].IsObject()) {
        return false;
    }
    rapidjson::Value& meta_info = document["input"]["meta_info"];
    if (meta_info.HasMember("max_time")) {
        meta_info["max_time"].SetDouble(max_time);
    } else {
        meta_info.AddMember("max_time", max_time, document.GetAllocator());
    }
    return true;
}

std::size_t output_array_size(const rapidjson::Document& document, const char* s_name)
{
    if (!document.HasMember("output") || !document["output"].HasMember("data")) {
        return 0;
    }
    const rapidjson::Value& data = document["output"]["data"];
    return data.HasMember(s_name) && data[s_name].IsArray() ? data[s_name].Size() : 0;
}
}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse_options(argc, argv, options)) {
        std::fprintf(stderr, "usage: solve_file IN.json [--method N] [--max-time S]\n");
        return 2;
    }
    rapidjson::Document input = load_json_file(options.s_path);
    if (!input.IsObject()) {
        std::fprintf(stderr, "cannot read %s\n", options.s_path.c_str());
        return 1;
    }
    if (options.has_max_time && !set_max_time(input, options.max_time)) {
        std::fprintf(stderr, "no input.meta_info to hold max_time\n");
        return 1;
    }
    SolveStats stats;
    const auto start = std::chrono::steady_clock::now();
    const rapidjson::Document result = run_vrp_method(input, options.method, &stats);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const std::string s_result = json_to_string(result);
    if (s_result.empty()) {
        std::fprintf(stderr,
                     "the result cannot be written: '%s' holds a number no JSON text carries\n",
                     non_finite_number_path(result).c_str());
        return 1;
    }
    if (std::printf("%s\n", s_result.c_str()) < 0 || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "the result cannot be written to standard output\n");
        return 1;
    }
    std::fprintf(stderr, "elapsed_s=%.3f restarts=%d routes=%zu unrouted=%zu total_cost=%.2f\n",
                 elapsed.count(), stats.restarts, output_array_size(result, "routes"),
                 output_array_size(result, "unrouted_clients"), stats.total_cost);
    return 0;
}
