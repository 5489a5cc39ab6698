#pragma once
// Named stopwatches that accumulate seconds over start/stop pairs.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct TimerRecord {
    std::int64_t start = 0;  // steady clock reading, nanoseconds
    std::int64_t stop = 0;   // steady clock reading, nanoseconds
    double seconds = 0.0;    // accumulated measured time
};

// Every operation that names a stopwatch creates it (all zero) when absent.
class Timer {
public:
    Timer() = default;
    explicit Timer(const std::string& s_name);

    // Sets each named record to zero, in order.
    void add(const std::vector<std::string>& v_names);
    void start(const std::string& s_name);
    // Adds the time since the last start; a second stop adds the whole span again.
    void stop(const std::string& s_name);
    // Starts afresh with zero seconds.
    void restart(const std::string& s_name);
    void reset(const std::string& s_name);
    double get(const std::string& s_name);
    // A line feed, then "name seconds" per record in name order.
    void print() const;

private:
    std::map<std::string, TimerRecord> records;
};
