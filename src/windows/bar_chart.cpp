#include "bar_chart.h"

#include "chart_ranges.h"

#include <QPen>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

QT_CHARTS_USE_NAMESPACE

BarChart create_bar_chart(const BarChartLook& look, QChartView* view)
{
    BarChart bars;
    bars.chart = new QChart();
    bars.set = new QBarSet(look.s_set_label);
    bars.series = new QBarSeries();
    bars.axis = new QBarCategoryAxis();
    bars.value_axis = new QValueAxis();

    bars.chart->setAnimationOptions(QChart::SeriesAnimations);
    bars.chart->setTitle(look.s_title);
    bars.chart->legend()->setVisible(true);
    bars.chart->legend()->setAlignment(Qt::AlignBottom);

    QPen pen;
    pen.setWidth(1);
    pen.setColor(look.border);
    bars.set->setPen(pen);
    bars.set->setColor(look.fill);
    bars.series->setLabelsVisible(look.values_visible.value_or(false));

    bars.chart->addSeries(bars.series);
    if (!look.s_category_title.isEmpty()) {
        bars.axis->setTitleText(look.s_category_title);
    }
    if (look.labels_angle) {
        bars.axis->setLabelsAngle(*look.labels_angle);
    }
    bars.chart->addAxis(bars.axis, Qt::AlignBottom);
    bars.series->attachAxis(bars.axis);
    bars.series->append(bars.set);

    bars.value_axis->setTitleText(look.s_value_title);
    if (look.tick_count) {
        bars.value_axis->setTickCount(*look.tick_count);
    }
    bars.chart->addAxis(bars.value_axis, Qt::AlignLeft);
    bars.series->attachAxis(bars.value_axis);

    view->setChart(bars.chart);
    return bars;
}

void set_bars(const BarChart& bars, const QStringList& v_categories,
              const std::vector<double>& v_values)
{
    bars.axis->clear();
    for (int bar = bars.set->count() - 1; bar >= 0; --bar) {
        bars.set->remove(bar);
    }
    for (double value : v_values) {
        bars.set->append(value);
    }
    bars.axis->append(v_categories);
    if (const std::optional<AxisRange> range = bar_value_range(v_values)) {
        bars.value_axis->setRange(range->min, range->max);
    }
}
