#include "timer.h"

#include <chrono>
#include <iostream>

namespace {

std::int64_t clock_reading()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

Timer::Timer(const std::string& s_name)
{
    records[s_name] = TimerRecord();
}

void Timer::add(const std::vector<std::string>& v_names)
{
    for (const std::string& s_name : v_names) {
        records[s_name] = TimerRecord();
    }
}

void Timer::start(const std::string& s_name)
{
    TimerRecord& record = records[s_name];
    record.start = clock_reading();
    record.stop = clock_reading();
}

void Timer::stop(const std::string& s_name)
{
    TimerRecord& record = records[s_name];
    record.stop = clock_reading();
    record.seconds += static_cast<double>(record.stop - record.start) / 1000000 / 1000;
}

void Timer::restart(const std::string& s_name)
{
    start(s_name);
    records[s_name].seconds = 0.0;
}

void Timer::reset(const std::string& s_name)
{
    records[s_name] = TimerRecord();
}

double Timer::get(const std::string& s_name)
{
    return records[s_name].seconds;
}

void Timer::print() const
{
    std::cout << '\n';
    for (const auto& [s_name, record] : records) {
        std::cout << s_name << ' ' << record.seconds << '\n';
    }
}
