#pragma once
// Axis ranges of the analysis charts, worked out from the values drawn. An empty
// optional means "keep the range the axis has".

#include "analysis_data.h"

#include <optional>
#include <vector>

struct AxisRange {
    double min = 0.0;
    double max = 0.0;
};

// Cost axis: from 0 when smallest − 0.3 × spread is below 0, else from smallest −
// 0.1 × spread, up to largest + 0.3 × spread, both truncated toward zero. Equal values
// (no spread) would give no width: the axis then runs from 0 (or the value when
// negative) to 1.3 × the value, at least one unit wide.
std::optional<AxisRange> cost_value_range(const std::vector<double>& v_values);

// Bar axis: 0 to largest + 0.3 × (largest − smallest); bars of no positive height
// give 0 to 1.
std::optional<AxisRange> bar_value_range(const std::vector<double>& v_values);

// Date axis of the cost line in milliseconds since the epoch: five days before the
// earliest date to five days after the latest (time of day kept). Invalid dates
// have no place on the axis and are not read.
std::optional<AxisRange> date_axis_range(const std::vector<DatedValue>& v_points);
