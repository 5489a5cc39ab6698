// Developer program: solves one document with each named method under fixed budgets and
// writes each output document, so that two builds can be compared byte for byte.
//   equivalence OUT_DIR NAME DOCUMENT [--methods 0,1,2,3] [--restarts R] [--iterations I]
// DOCUMENT is a file, or random:CLIENTS:SEED:VEHICLES for a generated one (VEHICLES 0:
// one per client). Methods 3 and 4 run R restarts of at most I disturbance iterations
// each instead of the clock. Writes OUT_DIR/NAME.mM.json and one timing line per method.

#include "instance_reader.h"
#include "json_document.h"
#include "output_writer.h"
#include "random_document.h"
#include "vrp.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct Options {
    std::string s_out;
    std::string s_name;
    std::string s_document;
    std::vector<int> v_methods{0, 1, 2, 3};
    int restarts = 2;
    int iterations = 5;
};

std::vector<int> split_ints(const std::string& s_list, char separator)
{
    std::vector<int> v_values;
    std::stringstream stream(s_list);
    std::string s_item;
    while (std::getline(stream, s_item, separator)) {
        v_values.push_back(std::atoi(s_item.c_str()));
    }
    return v_values;
}

bool parse_options(int argc, char** argv, Options& options)
{
    if (argc < 4) {
        return false;
    }
    options.s_out = argv[1];
    options.s_name = argv[2];
    options.s_document = argv[3];
    for (int a = 4; a + 1 < argc; a += 2) {
        const std::string s_arg = argv[a];
        const std::string s_value = argv[a + 1];
        if (s_arg == "--methods") {
            options.v_methods = split_ints(s_value, ',');
        } else if (s_arg == "--restarts") {
            options.restarts = std::atoi(s_value.c_str());
        } else if (s_arg == "--iterations") {
            options.iterations = std::atoi(s_value.c_str());
        } else {
            return false;
        }
    }
    return (argc - 4) % 2 == 0;
}

rapidjson::Document load_document(const std::string& s_spec)
{
    const std::string s_prefix = "random:";
    if (s_spec.rfind(s_prefix, 0) != 0) {
        return load_json_file(s_spec);
    }
    const std::vector<int> v_shape = split_ints(s_spec.substr(s_prefix.size()), ':');
    RandomDocumentShape shape;
    shape.clients = v_shape.size() > 0 ? v_shape[0] : shape.clients;
    shape.seed = v_shape.size() > 1 ? static_cast<unsigned>(v_shape[1]) : shape.seed;
    shape.vehicles = v_shape.size() > 2 ? v_shape[2] : shape.vehicles;
    return make_random_document(shape);
}

// One solve under the budgets; false when the document cannot be read.
bool solve_once(const rapidjson::Document& input, int method, const Options& options,
                std::string& s_output)
{
    Instance instance;
    InstanceReader reader(&instance, 0, input);
    if (reader.failed() || instance.clients.empty()) {
        return false;
    }
    VRP vrp(&instance);
    vrp.restart_budget = options.restarts;
    vrp.iteration_budget = options.iterations;
    vrp.solve(method);
    s_output = json_to_string(make_output_document(reader, 0, input));
    return true;
}
}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse_options(argc, argv, options)) {
        std::fprintf(stderr, "usage: equivalence OUT_DIR NAME DOCUMENT [--methods 0,1,2,3] "
                             "[--restarts R] [--iterations I]\n");
        return 2;
    }
    const rapidjson::Document input = load_document(options.s_document);
    if (!input.IsObject()) {
        std::fprintf(stderr, "cannot read %s\n", options.s_document.c_str());
        return 1;
    }
    for (int method : options.v_methods) {
        const auto start = std::chrono::steady_clock::now();
        std::string s_output;
        if (!solve_once(input, method, options, s_output)) {
            std::fprintf(stderr, "%s: not a solvable instance\n", options.s_name.c_str());
            return 1;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        const std::string s_path =
            options.s_out + "/" + options.s_name + ".m" + std::to_string(method) + ".json";
        std::ofstream(s_path) << s_output << '\n';
        std::printf("%-24s method=%d elapsed_s=%.3f\n", options.s_name.c_str(), method,
                    elapsed.count());
    }
    return 0;
}
