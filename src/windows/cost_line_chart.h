#pragma once
// The cost line of the analysis window: a line over a date axis whose values are
// milliseconds since the epoch and whose category labels are the formatted dates.

#include "analysis_data.h"

#include <QString>
#include <QtCharts/QChartGlobal>

#include <vector>

QT_CHARTS_BEGIN_NAMESPACE
class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
QT_CHARTS_END_NAMESPACE

struct CostLineChart {
    QtCharts::QChart* chart = nullptr;
    QtCharts::QLineSeries* series = nullptr;
    QtCharts::QCategoryAxis* date_axis = nullptr;
    QtCharts::QValueAxis* value_axis = nullptr;
};

// Builds the chart on the view with its title and the value axis title.
CostLineChart create_cost_line(QtCharts::QChartView* view, const QString& s_title,
                               const QString& s_value_title);

// Replaces the drawn points by the given ones, labelled with the date format; a point
// without a valid date has no place on the date axis and is left out. An empty list
// keeps both axis ranges.
void set_cost_line(const CostLineChart& line, const std::vector<DatedValue>& v_points,
                   const QString& s_label_format);
