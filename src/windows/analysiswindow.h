#pragma once
// Charts of the solved instances saved over a period: the total route cost as a line
// and the total distance as bars, summed per month, week or day; and how often each
// client id is visited and each depot neighbourhood begins a route.

#include "analysis_data.h"

#include <QMainWindow>
#include <QtCharts/QChartGlobal>

#include <string>
#include <vector>

QT_CHARTS_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QLineSeries;
class QValueAxis;
QT_CHARTS_END_NAMESPACE

class Database;
struct BarChartLook;

namespace Ui {
class AnalysisWindow;
}

class AnalysisWindow : public QMainWindow {
    Q_OBJECT

public:
    AnalysisWindow(Database* database, QWidget* parent = nullptr);
    ~AnalysisWindow() override;
    AnalysisWindow(const AnalysisWindow&) = delete;
    AnalysisWindow& operator=(const AnalysisWindow&) = delete;

    // Appends the cost and distance of every instance saved in the period of the date
    // edits, and the client and neighbourhood texts of their documents.
    void load_analysis_data(std::vector<DatedValue>& v_cost, std::vector<DatedValue>& v_distance,
                            std::vector<KeyCount>& v_clients,
                            std::vector<KeyCount>& v_neighborhoods);
    // The same without opening the stored documents.
    void load_cost_distance_data(std::vector<DatedValue>& v_cost,
                                 std::vector<DatedValue>& v_distance);

private slots:
    void on_sdCostLinePrecision_actionTriggered(int action);
    void on_cbCostLinePlotPeriodAgregate_activated(const QString& arg1);
    void on_rdbCostLineShowDatesYes_clicked();
    void on_rdbCostLineShowDatesNo_clicked();
    void on_rdbCostLineShowValuesYes_clicked();
    void on_rdbCostLineShowValuesNo_clicked();
    void on_rdbClientNeighborhoodShowValuesYes_clicked();
    void on_rdbClientNeighborhoodShowValuesNo_clicked();
    void on_sdClientPrecision_actionTriggered(int action);
    void on_dtBeginPeriod_editingFinished();
    void on_dtEndPeriod_editingFinished();
    void on_rdbLabelDispositionHorizontal_clicked();
    void on_rdbLabelDispositionVertical_clicked();

private:
    void initialize_controls();
    void create_cost_line_chart();
    void create_distance_chart();
    void create_client_frequency_chart();
    void create_neighborhood_frequency_chart();
    BarChartLook frequency_look(const QString& s_set_label, const QString& s_title,
                                const QString& s_category_title) const;

    void set_cost_line_points(const std::vector<DatedValue>& v_points, const QString& s_title,
                              int tick_count, bool show_dates, bool show_values,
                              const QString& s_label_format);
    void set_distance_bars(const std::vector<DatedValue>& v_points, const QString& s_title,
                           int tick_count, bool show_dates, bool show_values,
                           const QString& s_label_format);
    void set_client_frequency_bars(const std::vector<KeyCount>& v_counts);
    void set_neighborhood_frequency_bars(const std::vector<KeyCount>& v_counts);

    void plot_cost_line(const std::vector<DatedValue>& v_cost);
    void plot_distance(const std::vector<DatedValue>& v_distance);
    void plot_client_frequency(const std::vector<KeyCount>& v_clients);
    void plot_neighborhood_frequency(const std::vector<KeyCount>& v_neighborhoods);

    // Both draw the period's aggregate of the records with the cost-line controls.
    using DatedValueSetter = void (AnalysisWindow::*)(const std::vector<DatedValue>&,
                                                      const QString&, int, bool, bool,
                                                      const QString&);
    void plot_dated_values(const std::vector<DatedValue>& v_records, DatedValueSetter setter);

    // The four lists of one load; they live only for the refresh that asked for them.
    struct PeriodData {
        std::vector<DatedValue> v_cost;
        std::vector<DatedValue> v_distance;
        std::vector<KeyCount> v_clients;
        std::vector<KeyCount> v_neighborhoods;
    };
    PeriodData load_period();

    void refresh_all_charts();
    // The rows of the instances table saved in the period of the date edits.
    std::vector<std::vector<std::string>> period_rows();
    // Both date edits reload everything and redraw the four charts.
    void reload_period();
    void update_routes_display();
    void update_routes_value_labels();
    void update_frequency_display();
    void update_label_angle();
    int cost_line_precision() const;
    int client_precision() const;
    // Horizontal (0) or vertical (90) frequency labels, as the radio buttons say.
    int frequency_labels_angle() const;

    Ui::AnalysisWindow* ui = nullptr;
    Database* database = nullptr;

    QtCharts::QChart* cost_chart = nullptr;
    QtCharts::QLineSeries* cost_series = nullptr;
    QtCharts::QCategoryAxis* cost_date_axis = nullptr;
    QtCharts::QValueAxis* cost_value_axis = nullptr;

    QtCharts::QChart* distance_chart = nullptr;
    QtCharts::QBarSeries* distance_series = nullptr;
    QtCharts::QBarSet* distance_set = nullptr;
    QtCharts::QBarCategoryAxis* distance_axis = nullptr;
    QtCharts::QValueAxis* distance_value_axis = nullptr;

    QtCharts::QChart* client_chart = nullptr;
    QtCharts::QBarSeries* client_series = nullptr;
    QtCharts::QBarSet* client_set = nullptr;
    QtCharts::QBarCategoryAxis* client_axis = nullptr;
    QtCharts::QValueAxis* client_value_axis = nullptr;

    QtCharts::QChart* neighborhood_chart = nullptr;
    QtCharts::QBarSeries* neighborhood_series = nullptr;
    QtCharts::QBarSet* neighborhood_set = nullptr;
    QtCharts::QBarCategoryAxis* neighborhood_axis = nullptr;
    QtCharts::QValueAxis* neighborhood_value_axis = nullptr;
};
