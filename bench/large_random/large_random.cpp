// Developer program: how long the constructions take to give a first complete
// solution on a large random instance, and how much memory they need.
//   large_random [--clients N] [--seed S] [--vehicles K] [--only NAME]
//                [--method M] [--max-time S]
// NAME is insertion, savings, sweep or entry (the whole entry function with method
// M, default 3, and max_time S, default 0.001: one restart). Each run goes in its
// own process so that its peak resident memory is its own.

#include "instance_reader.h"
#include "random_document.h"
#include "solver_entry.h"
#include "vrp.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Options {
    RandomDocumentShape shape;
    std::string s_only;
    int method = 3;
    double max_time = 0.001;
};

double peak_rss_mb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double total_time_warp(const VRP::Solution& solution)
{
    double sum = 0.0;
    for (std::size_t r = 0; r < solution.routes.size(); ++r) {
        const unsigned n = static_cast<unsigned>(solution.routes[r].visits.size());
        sum += solution.seg_time_warp[r](0, n - 1);
    }
    return sum;
}

// Every client once, on a real route or on the route of the clients left unrouted.
bool complete(const VRP& vrp, const VRP::Solution& solution)
{
    std::vector<int> v_seen(vrp.client_count(), 0);
    for (const Route& route : solution.routes) {
        for (std::size_t p = 1; p + 1 < route.visits.size(); ++p) {
            ++v_seen[static_cast<std::size_t>(route.visits[p].client)];
        }
    }
    for (std::size_t c = 1; c < v_seen.size(); ++c) {
        if (v_seen[c] != 1) {
            return false;
        }
    }
    return true;
}

void run_construction(const std::string& s_name, const rapidjson::Document& document)
{
    Instance instance;
    InstanceReader reader(&instance, 0, document);
    if (reader.failed()) {
        std::printf("%s: %s\n", s_name.c_str(), reader.error_message().c_str());
        return;
    }
    VRP vrp(&instance);
    vrp.check_instance();
    const double base_mb = peak_rss_mb();
    const auto start = std::chrono::steady_clock::now();
    VRP::Solution solution;
    if (s_name == "insertion") {
        solution = vrp.randomized_insertion();
    } else if (s_name == "savings") {
        solution = vrp.savings_heuristic(1.0);
    } else {
        solution = vrp.savings_lambda_sweep();
    }
    const double elapsed = seconds_since(start);
    std::printf("%-9s elapsed_s=%.3f routes=%zu complete=%s total_cost=%.2f "
                "time_warp=%.2f peak_rss_mb=%.1f before_mb=%.1f\n",
                s_name.c_str(), elapsed, solution.routes.size(),
                complete(vrp, solution) ? "yes" : "no", solution.total_cost,
                total_time_warp(solution), peak_rss_mb(),
                base_mb);
}

void run_entry(const Options& options, const rapidjson::Document& document)
{
    if (!VRP::solve_method_available(options.method)) {
        std::printf("entry     method %d is not available in this build\n", options.method);
        return;
    }
    rapidjson::Document input;
    input.CopyFrom(document, input.GetAllocator());
    input["input"]["meta_info"]["max_time"].SetDouble(options.max_time);
    const double base_mb = peak_rss_mb();
    SolveStats stats;
    const auto start = std::chrono::steady_clock::now();
    const rapidjson::Document result = run_vrp_method(input, options.method, &stats);
    const double elapsed = seconds_since(start);
    const bool solved = result.HasMember("output") && result["output"].HasMember("data");
    std::printf("entry     method=%d elapsed_s=%.3f restarts=%d solved=%s total_cost=%.2f "
                "peak_rss_mb=%.1f before_mb=%.1f\n",
                options.method, elapsed, stats.restarts, solved ? "yes" : "no", stats.total_cost,
                peak_rss_mb(), base_mb);
}

void run_in_child(const std::string& s_name, const Options& options)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const rapidjson::Document document = make_random_document(options.shape);
        if (s_name == "entry") {
            run_entry(options, document);
        } else {
            run_construction(s_name, document);
        }
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    if (child > 0) {
        waitpid(child, &status, 0);
    }
}

bool parse_options(int argc, char** argv, Options& options)
{
    for (int a = 1; a + 1 < argc; a += 2) {
        const std::string s_arg = argv[a];
        const char* s_value = argv[a + 1];
        if (s_arg == "--clients") {
            options.shape.clients = std::atoi(s_value);
        } else if (s_arg == "--seed") {
            options.shape.seed = static_cast<unsigned>(std::strtoul(s_value, nullptr, 10));
        } else if (s_arg == "--vehicles") {
            options.shape.vehicles = std::atoi(s_value);
        } else if (s_arg == "--only") {
            options.s_only = s_value;
        } else if (s_arg == "--method") {
            options.method = std::atoi(s_value);
        } else if (s_arg == "--max-time") {
            options.max_time = std::strtod(s_value, nullptr);
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.shape.clients >= 0;
}
}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse_options(argc, argv, options)) {
        std::fprintf(stderr, "usage: large_random [--clients N] [--seed S] [--vehicles K] "
                             "[--only insertion|savings|sweep|entry] [--method M] "
                             "[--max-time S]\n");
        return 2;
    }
    std::printf("clients=%d seed=%u vehicles=%d\n", options.shape.clients, options.shape.seed,
                options.shape.vehicles > 0 ? options.shape.vehicles : options.shape.clients);
    for (const char* s_name : {"insertion", "savings", "sweep", "entry"}) {
        if (options.s_only.empty() || options.s_only == s_name) {
            run_in_child(s_name, options);
        }
    }
    return 0;
}
