#pragma once
// One bar chart of the analysis window (a chart with one bar set over text
// categories): how it is built and how a list of bars replaces the drawn one.

#include <QColor>
#include <QString>
#include <QStringList>
#include <QtCharts/QChartGlobal>

#include <optional>
#include <tuple>
#include <vector>

QT_CHARTS_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QValueAxis;
QT_CHARTS_END_NAMESPACE

// What differs between the bar charts.
struct BarChartLook {
    QString s_set_label;
    QString s_title;
    QString s_category_title;  // empty: no title
    QString s_value_title;
    QColor fill;
    QColor border;
    std::optional<int> labels_angle;     // unset: the axis default
    std::optional<int> tick_count;       // unset: the axis default
    std::optional<bool> values_visible;  // unset: hidden
};

// The objects of one bar chart; the view owns the chart, the chart the rest.
struct BarChart {
    QtCharts::QChart* chart = nullptr;
    QtCharts::QBarSeries* series = nullptr;
    QtCharts::QBarSet* set = nullptr;
    QtCharts::QBarCategoryAxis* axis = nullptr;
    QtCharts::QValueAxis* value_axis = nullptr;

    // For std::tie into separate pointers.
    std::tuple<QtCharts::QChart*, QtCharts::QBarSeries*, QtCharts::QBarSet*,
               QtCharts::QBarCategoryAxis*, QtCharts::QValueAxis*>
    parts() const
    {
        return {chart, series, set, axis, value_axis};
    }
};

// Builds the chart and sets it on the view last.
BarChart create_bar_chart(const BarChartLook& look, QtCharts::QChartView* view);

// Replaces the bars and categories by the given ones (one category per bar) and
// fits the value axis to them; an empty list keeps the axis range.
void set_bars(const BarChart& bars, const QStringList& v_categories,
              const std::vector<double>& v_values);
