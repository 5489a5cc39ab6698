#pragma once
// What ends a multi-start search: its time limit, a stop request, or the fixed budgets of
// a developer run; read between restarts and iterations, and by the local search between
// moves, so that no search goes on past the limit.

#include "vrp.h"

#include <chrono>

// Wall-clock seconds since the search began, kept in single precision as reported.
class SearchClock {
public:
    SearchClock() : start(std::chrono::steady_clock::now()) {}
    double elapsed() const
    {
        const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::steady_clock::now() - start)
                                     .count();
        return static_cast<double>(static_cast<float>(static_cast<double>(nanoseconds) / 1e9));
    }

private:
    std::chrono::steady_clock::time_point start;
};

class SearchLimit {
public:
    SearchLimit(const VRP& solver, double max_time_s)
        : vrp(solver), max_time(max_time_s), restarts(solver.restart_budget),
          iterations(solver.iteration_budget)
    {
        measure();
    }
    bool budgeted() const { return restarts >= 0; }
    void measure() { elapsed = budgeted() ? 0.0 : clock.elapsed(); }
    double last_elapsed() const { return elapsed; }
    bool restart_allowed(int restarts_done) const
    {
        return !vrp.stop_requested() &&
               (budgeted() ? restarts_done < restarts : max_time > elapsed);
    }
    int iteration_count(int rounds) const
    {
        return iterations >= 0 && iterations < rounds ? iterations : rounds;
    }
    bool iterations_allowed() const
    {
        return !vrp.stop_requested() && (budgeted() || max_time > elapsed);
    }
    bool time_is_up() const { return vrp.stop_requested() || (!budgeted() && elapsed >= max_time); }
    // Reads the clock afresh (keeping the last measurement): a stop was requested, or
    // the time limit has passed. Budgeted runs have no time limit.
    bool passed() const
    {
        return vrp.stop_requested() || (!budgeted() && clock.elapsed() >= max_time);
    }

private:
    const VRP& vrp;
    SearchClock clock;
    double max_time;
    int restarts;
    int iterations;
    double elapsed = 0.0;
};

// Makes the limit the one the solver's local searches ask between moves, while it lives.
class ActiveSearchLimit {
public:
    ActiveSearchLimit(VRP& solver, const SearchLimit& limit) : vrp(solver)
    {
        vrp.search_limit = &limit;
    }
    ~ActiveSearchLimit() { vrp.search_limit = nullptr; }
    ActiveSearchLimit(const ActiveSearchLimit&) = delete;
    ActiveSearchLimit& operator=(const ActiveSearchLimit&) = delete;

private:
    VRP& vrp;
};
