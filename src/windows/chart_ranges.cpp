#include "chart_ranges.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double k_headroom = 0.3;
constexpr double k_footroom = 0.1;
constexpr int k_date_margin_days = 5;

}  // namespace

std::optional<AxisRange> cost_value_range(const std::vector<double>& v_values)
{
    if (v_values.empty()) {
        return std::nullopt;
    }
    const auto [smallest, largest] = std::minmax_element(v_values.begin(), v_values.end());
    const double spread = *largest - *smallest;
    const double lower = *smallest - k_headroom * spread < 0.0 ? 0.0
                                                               : *smallest - k_footroom * spread;
    AxisRange range{std::trunc(lower), std::trunc(*largest + k_headroom * spread)};
    if (range.max <= range.min) {
        range.min = std::min(0.0, std::trunc(*smallest));
        range.max = std::max(std::trunc(*largest * (1.0 + k_headroom)), range.min + 1.0);
    }
    return range;
}

std::optional<AxisRange> bar_value_range(const std::vector<double>& v_values)
{
    if (v_values.empty()) {
        return std::nullopt;
    }
    const auto [smallest, largest] = std::minmax_element(v_values.begin(), v_values.end());
    const double upper = *largest + k_headroom * (*largest - *smallest);
    return AxisRange{0.0, upper > 0.0 ? upper : 1.0};
}

std::optional<AxisRange> date_axis_range(const std::vector<DatedValue>& v_points)
{
    QDateTime earliest;
    QDateTime latest;
    for (const DatedValue& point : v_points) {
        if (!point.date.isValid()) {
            continue;
        }
        if (!earliest.isValid() || point.date < earliest) {
            earliest = point.date;
        }
        if (!latest.isValid() || point.date > latest) {
            latest = point.date;
        }
    }
    if (!earliest.isValid()) {
        return std::nullopt;
    }
    return AxisRange{
        static_cast<double>(earliest.addDays(-k_date_margin_days).toMSecsSinceEpoch()),
        static_cast<double>(latest.addDays(k_date_margin_days).toMSecsSinceEpoch())};
}
