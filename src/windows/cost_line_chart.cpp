#include "cost_line_chart.h"

#include "chart_ranges.h"

#include <QFont>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

QT_CHARTS_USE_NAMESPACE

namespace {
constexpr int k_date_label_pixels = 10;
constexpr int k_vertical_angle = 90;
}  // namespace

CostLineChart create_cost_line(QChartView* view, const QString& s_title,
                               const QString& s_value_title)
{
    CostLineChart line;
    line.chart = new QChart();
    line.series = new QLineSeries();
    line.date_axis = new QCategoryAxis();
    line.value_axis = new QValueAxis();

    line.chart->setAnimationOptions(QChart::AllAnimations);
    view->setChart(line.chart);

    line.date_axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    line.chart->addAxis(line.date_axis, Qt::AlignBottom);
    line.date_axis->setLabelsAngle(k_vertical_angle);
    QFont font;
    font.setPixelSize(k_date_label_pixels);
    line.date_axis->setLabelsFont(font);

    line.series->setColor(Qt::darkBlue);
    line.series->setPointsVisible(true);
    line.series->setPointLabelsFormat(QStringLiteral("@yPoint"));

    line.chart->legend()->hide();
    line.chart->addSeries(line.series);
    line.chart->setTitle(s_title);
    line.series->attachAxis(line.date_axis);

    line.value_axis->setLabelFormat(QStringLiteral("%i"));
    line.value_axis->setTitleText(s_value_title);
    line.chart->addAxis(line.value_axis, Qt::AlignLeft);
    line.series->attachAxis(line.value_axis);

    view->setRenderHint(QPainter::Antialiasing);
    return line;
}

void set_cost_line(const CostLineChart& line, const std::vector<DatedValue>& v_points,
                   const QString& s_label_format)
{
    line.series->clear();
    for (const QString& s_label : line.date_axis->categoriesLabels()) {
        line.date_axis->remove(s_label);
    }
    std::vector<double> v_values;
    for (const DatedValue& point : v_points) {
        if (!point.date.isValid()) {
            continue;
        }
        const double x = static_cast<double>(point.date.toMSecsSinceEpoch());
        line.series->append(x, point.value);
        line.date_axis->append(point.date.toString(s_label_format), x);
        v_values.push_back(point.value);
    }
    if (const std::optional<AxisRange> dates = date_axis_range(v_points)) {
        line.date_axis->setRange(dates->min, dates->max);
    }
    if (const std::optional<AxisRange> values = cost_value_range(v_values)) {
        line.value_axis->setRange(values->min, values->max);
    }
}
