#pragma once
// The routing solver: one VRP per optimisation run, over the Instance the run reads.

#include "instance.h"
#include "route.h"
#include "savings_heap.h"
#include "segment.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace moves {
class SearchMemory;
}
class SearchLimit;

// Owns the search memory (search/search_memory.h); a copy starts empty.
class SearchMemoryHolder {
public:
    SearchMemoryHolder();
    ~SearchMemoryHolder();
    SearchMemoryHolder(const SearchMemoryHolder& other);
    SearchMemoryHolder& operator=(const SearchMemoryHolder& other);
    moves::SearchMemory& get() const;

private:
    mutable std::unique_ptr<moves::SearchMemory> p_memory;
};

// Figures a developer program reports about one solve.
struct SolveStats {
    int restarts = 0;         // randomized insertions run
    double total_cost = 0.0;  // cost of the solution handed to result extraction
};

class VRP {
public:
    struct Solution {
        double total_distance = 0.0;
        double total_time = 0.0;
        bool fleet_respected = false;
        bool fleet_unlimited = false;
        bool spare_flag = false;
        double total_cost = 0.0;
        std::vector<Route> routes;
        int n_routes = 2147483647;
        // Vehicles left per real vehicle type; the DUMMY record has no entry.
        std::vector<int> remaining_vehicles;

        // Per route: load data and the five segment tables; entry (i, j) of a table is
        // visits i..j, driven backwards when i > j.
        std::vector<int> route_load;
        std::vector<int> route_min_demand;
        std::vector<int> route_max_demand;
        std::vector<std::vector<int>> cumulative_load;
        std::vector<SquareTable> seg_duration;
        std::vector<SquareTable> seg_earliest;
        std::vector<SquareTable> seg_latest;
        std::vector<SquareTable> seg_time_warp;
        std::vector<SquareTable> seg_distance;
        // The clients the tables describe, so that a refresh sees what a change reached.
        std::vector<std::vector<int>> table_clients;
        // New whenever the tables are rebuilt, unique in the process, so that a scan can
        // tell which routes changed since it last looked. 0: unknown.
        std::vector<std::uint64_t> route_stamp;

        Segment segment(unsigned r, unsigned i, unsigned j) const
        {
            return Segment{seg_duration[r](i, j), seg_earliest[r](i, j), seg_latest[r](i, j),
                           seg_time_warp[r](i, j), seg_distance[r](i, j)};
        }
        void set_segment(unsigned r, unsigned i, unsigned j, const Segment& value);
        void resize_route_data(std::size_t count);
        // Drops entry r of the per-route data (where it has one), as when route r goes.
        void erase_route_data(std::size_t r);
    };

    using InsertionCriterion =
        std::function<double(unsigned, unsigned, unsigned, unsigned, double)>;
    using IntraRouteMove = std::function<bool(Solution&, unsigned&)>;
    using InterRouteMove = std::function<bool(Solution&, std::vector<int>&)>;
    using SolutionRoutine = std::function<void(Solution&)>;

    Instance* instance = nullptr;
    double time_warp_penalty = 1000.0;
    double aux_weight = 0.05;
    bool fleet_unlimited = false;
    bool triangular = false;
    // Index of the DUMMY record this solver appended, -1 while there is none. The
    // record is known by its index, never by its name: a user may name a type "DUMMY".
    int dummy_container = -1;
    SolveStats stats;
    // Developer programs and tests: a fixed amount of search in place of the clock, so a
    // run repeats itself on any machine; -1: the clock. The reported time is then 0.
    int restart_budget = -1;
    int iteration_budget = -1;  // disturbance iterations per restart, at most
    // Set by the owner to end the search early, as at its time limit.
    const std::atomic<bool>* stop_request = nullptr;
    bool stop_requested() const
    {
        return stop_request != nullptr && stop_request->load(std::memory_order_relaxed);
    }
    // The limit of the multi-start search under way (search_limit.h), null outside it.
    const SearchLimit* search_limit = nullptr;
    // A stop was requested or the time limit passed: the local searches end at once.
    bool search_interrupted() const;

    VRP();
    moves::SearchMemory& search_memory() const { return memory_holder.get(); }
    // Reseeds rand() with 10; copies the matrices and clients (depot demand 0 throughout).
    explicit VRP(Instance* instance);

    // --- Problem data -----------------------------------------------------------
    unsigned client_count() const { return n_clients; }
    // Leg a -> b for the joins; the distances are also kept alone for the bounds.
    struct Leg {
        double travel = 0.0;
        double distance = 0.0;
    };
    const Leg& leg(unsigned a, unsigned b) const { return v_legs[a * n_clients + b]; }
    double travel(unsigned a, unsigned b) const { return leg(a, b).travel; }
    double distance(unsigned a, unsigned b) const { return v_distance[a * n_clients + b]; }
    const double* distance_row(unsigned a) const { return &v_distance[a * n_clients]; }
    const Client& client(unsigned c) const { return v_clients[c]; }
    int demand(unsigned c) const { return v_clients[c].demand; }
    const Container& container(int k) const
    {
        return instance->containers[static_cast<std::size_t>(k)];
    }
    int container_count() const;
    bool is_dummy(int container) const { return container == dummy_container && container >= 0; }
    // One vehicle of a real type taken or given back (DUMMY and unknown types: no count).
    void take_vehicle(Solution& solution, int container) const;
    void return_vehicle(Solution& solution, int container) const;

    // --- Model ------------------------------------------------------------------
    void check_instance();
    bool check_triangular_inequality() const;
    bool check_fleet_unlimited() const;
    int disturbance_rounds() const;
    Route init_route(int container) const;
    Route make_client_route(int client, int container) const;
    int smallest_container() const;
    int can_merge_load(int route1, int route2, const Solution& solution) const;
    // Sums of the records' costs; 64-bit so that the DUMMY costs (x 10000) cannot overflow.
    void sum_container_costs(long long& fixed_sum, long long& var_sum) const;

    // --- Segment tables and costs -----------------------------------------------
    // [i1..j1] of r1 then [i2..j2] of r2; the depot joined to itself is the empty route.
    Segment join_stored_segments(const Solution& solution, unsigned r1, unsigned i1, unsigned j1,
                                 unsigned r2, unsigned i2, unsigned j2) const;
    // A segment ending at client u followed by [i..j] of route r (no depot special case).
    Segment join_with_stored_segment(const Segment& first, unsigned u, const Solution& solution,
                                     unsigned r, unsigned i, unsigned j) const;
    // The same two joins with the five values as separate doubles.
    void concatenate_segments(unsigned i1, unsigned j1, unsigned i2, unsigned j2,
                              const Solution& solution, unsigned r1, unsigned r2, double& D,
                              double& E, double& L, double& TW, double& C) const;
    void concatenate_with_segment(double D1, double E1, double L1, double TW1, double C1,
                                  unsigned u, const Solution& solution, unsigned r, unsigned i,
                                  unsigned j, double& D, double& E, double& L, double& TW,
                                  double& C) const;
    void init_route_segments(Solution& solution, unsigned r) const;
    void update_route_segments(Solution& solution, unsigned r) const;
    // After a rearrangement within route r that moved only the visits at positions lo..hi.
    void update_route_window(Solution& solution, unsigned r, unsigned lo, unsigned hi) const;
    // After any change of route r: refolds only the entries the change reached.
    void refresh_route_segments(Solution& solution, unsigned r) const;
    void rebuild_route_data(Solution& solution) const;
    void update_route_costs(Solution& solution) const;
    double route_cost(const Solution& solution, unsigned r) const;
    // Cost of a route whose whole visit sequence is s; also from the two figures it reads.
    double segment_cost(int container, const Segment& s, bool serves_clients) const;
    double segment_cost(const Container& record, const Segment& s, bool serves_clients) const;
    double cost_of(const Container& record, double distance, double time_warp,
                   bool serves_clients) const;
    void compute_visit_times(Solution& solution) const;
    void print_route_check(const Solution& solution) const;

    // --- Randomized insertion ----------------------------------------------------
    Solution randomized_insertion();
    std::vector<InsertionCriterion> initialize_insertion_criteria_routines() const;
    void insert_client(int position, int route, int after, std::vector<int>& v_unrouted,
                       Solution& solution) const;
    void init_solution(Solution& solution) const;
    void initial_routes_unlimited(Solution& solution, std::vector<int>& v_unrouted) const;
    void initial_routes_limited(Solution& solution, std::vector<int>& v_unrouted) const;
    void open_random_route(Solution& solution) const;
    void add_dummy_route(Solution& solution);
    // Tables, costs, distances and loads of every route, and the total distance.
    void finish_construction(Solution& solution) const;
    int total_demand() const;

    // --- Intra-route neighbourhoods ----------------------------------------------
    std::vector<IntraRouteMove> initialize_intra_route_neighborhoods();
    bool relocate_intra(Solution& solution, unsigned& route);
    bool two_opt_intra(Solution& solution, unsigned& route);
    bool swap_intra(Solution& solution, unsigned& route);
    bool or_opt_intra(Solution& solution, unsigned& route);
    // Evaluators price and touch nothing; appliers rearrange and refresh.
    double relocate_intra_backward_delta(const Solution& solution, unsigned r, unsigned i,
                                         unsigned j) const;
    double relocate_intra_forward_delta(const Solution& solution, unsigned r, unsigned i,
                                        unsigned j) const;
    double two_opt_intra_delta(const Solution& solution, unsigned r, unsigned a, unsigned b,
                               unsigned c, unsigned d) const;
    double swap_intra_delta(const Solution& solution, unsigned r, unsigned i, unsigned j) const;
    double or_opt_intra_forward_delta(const Solution& solution, unsigned r, unsigned a,
                                      unsigned b, unsigned c) const;
    double or_opt_intra_backward_delta(const Solution& solution, unsigned r, unsigned a,
                                       unsigned b, unsigned c) const;
    void apply_relocate_intra(Solution& solution, unsigned r, unsigned i, unsigned j) const;
    void apply_two_opt_intra(Solution& solution, unsigned r, unsigned a, unsigned b, unsigned c,
                             unsigned d) const;
    void apply_swap_intra(Solution& solution, unsigned r, unsigned i, unsigned j) const;
    void apply_or_opt_intra(Solution& solution, unsigned r, unsigned a, unsigned b,
                            unsigned c) const;
    // A randomized insertion followed by one 2-opt pass over each route; a developer aid.
    Solution insertion_then_two_opt();

    // --- Inter-route neighbourhoods ----------------------------------------------
    std::vector<InterRouteMove> initialize_inter_route_neighborhoods();
    bool relocate_inter(Solution& solution, std::vector<int>& v_changed);
    bool relocate_pair_inter(Solution& solution, std::vector<int>& v_changed);
    bool swap_inter(Solution& solution, std::vector<int>& v_changed);
    bool swap_pairs_inter(Solution& solution, std::vector<int>& v_changed);
    bool swap_pair_single_inter(Solution& solution, std::vector<int>& v_changed);
    bool two_opt_star_inter(Solution& solution, std::vector<int>& v_changed);
    void add_empty_routes(Solution& solution);
    // Evaluators: the two routes' cost change plus the DUMMY penalty term.
    double relocate_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                unsigned j) const;
    double relocate_pair_inter_delta(const Solution& solution, unsigned r1, unsigned r2,
                                     unsigned i, unsigned i_next, unsigned j) const;
    double swap_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                            unsigned j) const;
    double swap_pairs_inter_delta(const Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                  unsigned i_next, unsigned j, unsigned j_next) const;
    double swap_pair_single_inter_delta(const Solution& solution, unsigned r1, unsigned r2,
                                        unsigned i, unsigned i_next, unsigned j) const;
    double two_opt_star_inter_delta(const Solution& solution, unsigned r1, unsigned r2,
                                    unsigned i, unsigned j, int container_a,
                                    int container_b) const;
    void apply_relocate_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                              unsigned j) const;
    void apply_relocate_pair_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                   unsigned i_next, unsigned j) const;
    void apply_swap_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                          unsigned j) const;
    void apply_swap_pairs_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                unsigned i_next, unsigned j, unsigned j_next) const;
    void apply_swap_pair_single_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                      unsigned i_next, unsigned j) const;
    void apply_two_opt_star_inter(Solution& solution, unsigned r1, unsigned r2, unsigned i,
                                  unsigned j, int container_a, int container_b) const;

    // --- Local search and disturbance ---------------------------------------------
    std::vector<SolutionRoutine> initialize_local_search_routines();
    std::vector<SolutionRoutine> initialize_solution_disturbance_routines();
    void local_search_rvnd(Solution& solution);
    void local_search_pass(Solution& solution);
    void intra_route_search(Solution& solution, unsigned route);
    void disturb_swap(Solution& solution);
    void disturb_exchange(Solution& solution);
    // Drops every (depot, depot) route with its per-route data and gives its vehicle back.
    void remove_empty_routes(Solution& solution) const;
    // The candidate replaces the best when it leaves fewer clients unrouted, then uses
    // fewer real routes, then costs less; best_routes: the best's real routes (or INT_MAX).
    void keep_best(Solution& best, const Solution& candidate, int& best_routes) const;
    int unrouted_count(const Solution& solution) const;
    // Routes on real vehicle types that serve at least one client.
    int real_route_count(const Solution& solution) const;

    // --- Savings construction ------------------------------------------------------
    Solution savings_heuristic(double lambda) const;
    // Savings for 400 lambdas: fewest routes, then shortest distance, then earliest wins.
    Solution savings_lambda_sweep() const;
    std::vector<HeapElement> build_savings_list(int count, double lambda) const;
    void one_route_per_client(Solution& solution, int chosen_container) const;
    // Routes whose last client is i and whose first client is j; -1 where there is none.
    std::pair<int, int> find_route_ends(int i, int j, const Solution& solution) const;
    bool can_merge_routes(const Route& first, const Route& second, Route& merged,
                          int container_index, const Solution& solution) const;
    void merge_routes(int route1, int route2, Route& merged, Solution& solution) const;
    void update_savings_heap(int route1, int route2, Heap& heap) const;
    Solution initial_routes_only() const;

    // --- Solve methods ---------------------------------------------------------------
    // Methods this build can run; the entry functions refuse the others.
    static bool solve_method_available(int method);
    void solve(int method);
    Solution multi_start_ils(double max_time);
    Solution multi_start_ils_variant(double max_time);
    // Restarts of construction and local search alone, without disturbance.
    Solution grasp_search(double max_time);
    void extract_result(Solution& solution);

    // --- Diagnostics (developer aids) ------------------------------------------------
    // The routes whose selection entry is non-zero, each on one vehicle of its type.
    Solution build_solution_from_pool(const RoutePool& pool,
                                      const std::vector<int>& v_selection) const;
    // Nine rows per route (clients, demands, windows, service, legs, waits, arrivals).
    static constexpr const char* solution_dump_path = "tovalo_solution_dump.csv";
    void dump_solution_csv(const Solution& solution) const;
    void check_route_loads(const Solution& solution) const;

private:
    unsigned n_clients = 0;
    std::vector<Leg> v_legs;          // n x n, row-major, diagonal as stored
    std::vector<double> v_distance;  // the legs' distances alone, same layout
    std::vector<Client> v_clients;

    void copy_problem_data();
    // A solution seeded by initial_routes_unlimited or _limited; v_unrouted: what they left.
    Solution seeded_solution(bool unlimited, std::vector<int>& v_unrouted) const;
    SearchMemoryHolder memory_holder;
};

// Developer aids on standard output and in files; no operation of the solver calls them.
void print_route_containers(const VRP::Solution& solution);
// One line per selected pool route: its ranks, then its cost; nothing when it cannot open.
void write_route_pool_csv(const RoutePool& pool, const std::vector<int>& v_selection,
                          const std::string& s_path);
