#include "analysiswindow.h"

#include "bar_chart.h"
#include "cost_line_chart.h"
#include "database.h"
#include "period_aggregation.h"
#include "ui_analysiswindow.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

QT_CHARTS_USE_NAMESPACE

namespace {

constexpr int k_precision_minimum = 2;
constexpr int k_precision_maximum = 20;
constexpr int k_cost_precision = 6;
constexpr int k_client_precision = 5;
constexpr int k_default_period_days = 30;

const QColor k_distance_fill(94, 120, 196, 230);
const QColor k_distance_border(10, 31, 94, 255);
const QColor k_frequency_fill(3, 130, 128, 230);
const QColor k_frequency_border(8, 92, 90, 255);

std::string period_bound(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

// One bar per counted text, named by the text.
void set_frequency_bars(const BarChart& bars, const std::vector<KeyCount>& v_counts)
{
    QStringList v_categories;
    std::vector<double> v_values;
    for (const KeyCount& count : v_counts) {
        // A null text is no category to the axis; an empty one is.
        v_categories.append(count.key.empty() ? QStringLiteral("")
                                              : QString::fromStdString(count.key));
        v_values.push_back(count.count);
    }
    set_bars(bars, v_categories, v_values);
}

}  // namespace

AnalysisWindow::AnalysisWindow(Database* db, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::AnalysisWindow), database(db)
{
    ui->setupUi(this);
    initialize_controls();
    create_cost_line_chart();
    create_distance_chart();
    create_client_frequency_chart();
    create_neighborhood_frequency_chart();
    refresh_all_charts();
}

AnalysisWindow::~AnalysisWindow()
{
    delete ui;
}

void AnalysisWindow::initialize_controls()
{
    ui->rdbCostLineShowDatesYes->setChecked(true);
    ui->rdbCostLineShowValuesNo->setChecked(true);
    // Words the period choice compares against: never translated.
    ui->cbCostLinePlotPeriodAgregate->addItems(
        {QStringLiteral("month"), QStringLiteral("week"), QStringLiteral("day")});
    ui->cbCostLinePlotPeriodAgregate->setCurrentIndex(0);
    ui->sdCostLinePrecision->setRange(k_precision_minimum, k_precision_maximum);
    ui->sdCostLinePrecision->setValue(k_cost_precision);
    ui->rdbClientNeighborhoodShowValuesYes->setChecked(true);
    ui->sdClientPrecision->setRange(k_precision_minimum, k_precision_maximum);
    ui->sdClientPrecision->setValue(k_client_precision);
    ui->rdbLabelDispositionHorizontal->setChecked(true);
    const QDate today = QDate::currentDate();
    ui->dtEndPeriod->setDate(today);
    ui->dtBeginPeriod->setDate(today.addDays(-k_default_period_days));
}

void AnalysisWindow::create_cost_line_chart()
{
    const CostLineChart line = create_cost_line(ui->graphicsView, tr("Total route cost"), tr("Cost"));
    cost_chart = line.chart;
    cost_series = line.series;
    cost_date_axis = line.date_axis;
    cost_value_axis = line.value_axis;
}

void AnalysisWindow::create_distance_chart()
{
    std::tie(distance_chart, distance_series, distance_set, distance_axis, distance_value_axis) =
        create_bar_chart({tr("Distance"), tr("Total distance plot"), QString(),
                          tr("Distance (Km)"), k_distance_fill, k_distance_border, std::nullopt,
                          std::nullopt, std::nullopt},
                         ui->ChartRouteDistance)
            .parts();
}

void AnalysisWindow::create_client_frequency_chart()
{
    std::tie(client_chart, client_series, client_set, client_axis, client_value_axis) =
        create_bar_chart(
            frequency_look(tr("Client freq."), tr("Client frequency"), tr("Clients")),
            ui->ChartClientFrequency)
            .parts();
}

void AnalysisWindow::create_neighborhood_frequency_chart()
{
    std::tie(neighborhood_chart, neighborhood_series, neighborhood_set, neighborhood_axis,
             neighborhood_value_axis) =
        create_bar_chart(frequency_look(tr("Neighborhood freq."),
                                        tr("Depot neighborhood frequency"), tr("Neighborhood")),
                         ui->ChartNeighFrequency)
            .parts();
}

// The frequency charts follow the frequency controls from the start.
BarChartLook AnalysisWindow::frequency_look(const QString& s_set_label, const QString& s_title,
                                            const QString& s_category_title) const
{
    return {s_set_label,
            s_title,
            s_category_title,
            tr("Frequency"),
            k_frequency_fill,
            k_frequency_border,
            frequency_labels_angle(),
            client_precision(),
            ui->rdbClientNeighborhoodShowValuesYes->isChecked()};
}

void AnalysisWindow::set_cost_line_points(const std::vector<DatedValue>& v_points,
                                          const QString& s_title, int tick_count,
                                          bool show_dates, bool show_values,
                                          const QString& s_label_format)
{
    set_cost_line({cost_chart, cost_series, cost_date_axis, cost_value_axis}, v_points,
                  s_label_format);
    cost_date_axis->setTitleText(s_title);
    cost_date_axis->setLabelsVisible(show_dates);
    cost_series->setPointLabelsVisible(show_values);
    cost_value_axis->setTickCount(tick_count);
}

// The labels follow the Show dates buttons and the value labels the display slots,
// whatever the two flags say.
void AnalysisWindow::set_distance_bars(const std::vector<DatedValue>& v_points,
                                       const QString& s_title, int tick_count, bool show_dates,
                                       bool show_values, const QString& s_label_format)
{
    QStringList v_categories;
    std::vector<double> v_values;
    for (const DatedValue& point : v_points) {
        // The bucket of unreadable dates keeps an empty (not null) label.
        v_categories.append(point.date.isValid() ? point.date.toString(s_label_format)
                                                 : QStringLiteral(""));
        v_values.push_back(point.value);
    }
    set_bars({distance_chart, distance_series, distance_set, distance_axis, distance_value_axis},
             v_categories, v_values);
    distance_value_axis->setTickCount(tick_count);
    distance_axis->setTitleText(s_title);
    distance_axis->setLabelsVisible(ui->rdbCostLineShowDatesYes->isChecked());
}

void AnalysisWindow::set_client_frequency_bars(const std::vector<KeyCount>& v_counts)
{
    set_frequency_bars({client_chart, client_series, client_set, client_axis, client_value_axis},
                       v_counts);
}

void AnalysisWindow::set_neighborhood_frequency_bars(const std::vector<KeyCount>& v_counts)
{
    set_frequency_bars({neighborhood_chart, neighborhood_series, neighborhood_set,
                        neighborhood_axis, neighborhood_value_axis},
                       v_counts);
}

void AnalysisWindow::plot_cost_line(const std::vector<DatedValue>& v_cost)
{
    plot_dated_values(v_cost, &AnalysisWindow::set_cost_line_points);
}

void AnalysisWindow::plot_distance(const std::vector<DatedValue>& v_distance)
{
    plot_dated_values(v_distance, &AnalysisWindow::set_distance_bars);
}

void AnalysisWindow::plot_dated_values(const std::vector<DatedValue>& v_records,
                                       DatedValueSetter setter)
{
    const QString s_period = ui->cbCostLinePlotPeriodAgregate->currentText();
    const Period period = period_from_text(s_period);
    (this->*setter)(aggregate_by_period(v_records, period), s_period, cost_line_precision(),
                    ui->rdbCostLineShowDatesYes->isChecked(),
                    ui->rdbCostLineShowValuesYes->isChecked(), period_label_format(period));
}

void AnalysisWindow::plot_client_frequency(const std::vector<KeyCount>& v_clients)
{
    set_client_frequency_bars(count_frequencies(v_clients));
}

void AnalysisWindow::plot_neighborhood_frequency(const std::vector<KeyCount>& v_neighborhoods)
{
    set_neighborhood_frequency_bars(count_frequencies(v_neighborhoods));
}

std::vector<std::vector<std::string>> AnalysisWindow::period_rows()
{
    if (database == nullptr) {
        return {};
    }
    return database->search_instances(period_bound(ui->dtBeginPeriod->date()),
                                      period_bound(ui->dtEndPeriod->date()), std::string());
}

void AnalysisWindow::load_analysis_data(std::vector<DatedValue>& v_cost,
                                        std::vector<DatedValue>& v_distance,
                                        std::vector<KeyCount>& v_clients,
                                        std::vector<KeyCount>& v_neighborhoods)
{
    RouteLists lists;
    append_instance_rows(period_rows(), v_cost, v_distance, &lists);
    v_clients.insert(v_clients.end(), lists.v_clients.begin(), lists.v_clients.end());
    v_neighborhoods.insert(v_neighborhoods.end(), lists.v_neighborhoods.begin(),
                           lists.v_neighborhoods.end());
}

void AnalysisWindow::load_cost_distance_data(std::vector<DatedValue>& v_cost,
                                             std::vector<DatedValue>& v_distance)
{
    append_instance_rows(period_rows(), v_cost, v_distance, nullptr);
}

AnalysisWindow::PeriodData AnalysisWindow::load_period()
{
    PeriodData loaded;
    load_analysis_data(loaded.v_cost, loaded.v_distance, loaded.v_clients, loaded.v_neighborhoods);
    return loaded;
}

void AnalysisWindow::refresh_all_charts()
{
    const PeriodData loaded = load_period();
    plot_distance(loaded.v_distance);
    plot_cost_line(loaded.v_cost);
    plot_client_frequency(loaded.v_clients);
    plot_neighborhood_frequency(loaded.v_neighborhoods);
}

void AnalysisWindow::reload_period()
{
    const PeriodData loaded = load_period();
    plot_cost_line(loaded.v_cost);
    plot_distance(loaded.v_distance);
    plot_neighborhood_frequency(loaded.v_neighborhoods);
    plot_client_frequency(loaded.v_clients);
}
