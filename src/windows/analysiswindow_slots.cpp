// The window's slots: the display controls change ticks and labels of what is drawn;
// the period controls load again and redraw.

#include "analysiswindow.h"

#include "ui_analysiswindow.h"

#include <QDebug>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <initializer_list>

QT_CHARTS_USE_NAMESPACE

namespace {

constexpr int k_vertical_angle = 90;

void set_tick_count(int ticks, std::initializer_list<QValueAxis*> v_axes)
{
    for (QValueAxis* axis : v_axes) {
        axis->setTickCount(ticks);
    }
}

}  // namespace

// The slider's value follows its position only after actionTriggered has been
// delivered: the position is what the user just chose.
int AnalysisWindow::cost_line_precision() const
{
    return ui->sdCostLinePrecision->sliderPosition();
}

int AnalysisWindow::client_precision() const
{
    return ui->sdClientPrecision->sliderPosition();
}

int AnalysisWindow::frequency_labels_angle() const
{
    return ui->rdbLabelDispositionHorizontal->isChecked() ? 0 : k_vertical_angle;
}

void AnalysisWindow::update_routes_display()
{
    set_tick_count(cost_line_precision(), {cost_value_axis, distance_value_axis});
    const bool show_dates = ui->rdbCostLineShowDatesYes->isChecked();
    cost_date_axis->setLabelsVisible(show_dates);
    distance_axis->setLabelsVisible(show_dates);
}

void AnalysisWindow::update_routes_value_labels()
{
    set_tick_count(cost_line_precision(), {cost_value_axis, distance_value_axis});
    const bool show_values = ui->rdbCostLineShowValuesYes->isChecked();
    cost_series->setPointLabelsVisible(show_values);
    distance_series->setLabelsVisible(show_values);
}

void AnalysisWindow::update_frequency_display()
{
    set_tick_count(client_precision(), {client_value_axis, neighborhood_value_axis});
    const bool show_values = ui->rdbClientNeighborhoodShowValuesYes->isChecked();
    client_series->setLabelsVisible(show_values);
    neighborhood_series->setLabelsVisible(show_values);
}

void AnalysisWindow::update_label_angle()
{
    const int angle = frequency_labels_angle();
    neighborhood_axis->setLabelsAngle(angle);
    client_axis->setLabelsAngle(angle);
}

void AnalysisWindow::on_sdCostLinePrecision_actionTriggered(int)
{
    update_routes_display();
}

void AnalysisWindow::on_cbCostLinePlotPeriodAgregate_activated(const QString&)
{
    std::vector<DatedValue> v_cost;
    std::vector<DatedValue> v_distance;
    load_cost_distance_data(v_cost, v_distance);
    for (const DatedValue& point : v_cost) {
        qDebug() << point.date.toString(QStringLiteral("dd/MM/yyyy"));
    }
    plot_cost_line(v_cost);
    plot_distance(v_distance);
}

void AnalysisWindow::on_rdbCostLineShowDatesYes_clicked()
{
    update_routes_display();
}

void AnalysisWindow::on_rdbCostLineShowDatesNo_clicked()
{
    update_routes_display();
}

void AnalysisWindow::on_rdbCostLineShowValuesYes_clicked()
{
    update_routes_value_labels();
}

void AnalysisWindow::on_rdbCostLineShowValuesNo_clicked()
{
    update_routes_value_labels();
}

void AnalysisWindow::on_rdbClientNeighborhoodShowValuesYes_clicked()
{
    update_frequency_display();
}

void AnalysisWindow::on_rdbClientNeighborhoodShowValuesNo_clicked()
{
    update_frequency_display();
}

void AnalysisWindow::on_sdClientPrecision_actionTriggered(int)
{
    update_frequency_display();
}

void AnalysisWindow::on_dtBeginPeriod_editingFinished()
{
    reload_period();
}

void AnalysisWindow::on_dtEndPeriod_editingFinished()
{
    reload_period();
}

void AnalysisWindow::on_rdbLabelDispositionHorizontal_clicked()
{
    update_label_angle();
}

void AnalysisWindow::on_rdbLabelDispositionVertical_clicked()
{
    update_label_angle();
}
