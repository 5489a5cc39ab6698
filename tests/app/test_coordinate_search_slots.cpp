// The main window's side of a coordinate search over the client grid: each row's
// report, the end of the pass and the stop button.
#include "app_test_support.h"
#include "grid_operations.h"

#include <QPushButton>
#include <QtTest>

namespace {

// A window whose coordinate search has been started over three rows.
struct SearchFixture : WindowFixture {
    SearchFixture()
    {
        TextTable vv_search;
        for (int row = 0; row < 3; ++row) {
            const QString s_name = QString("C%1").arg(row);
            set_row(probe.clients(), row, client_row(s_name, "", "", at(1, 8), at(1, 18), 0, 0));
            vv_search.push_back({s_name.toStdString(), "Rua A", "10", "Centro", "Curitiba", "PR",
                                 "Brasil", "", ""});
        }
        probe.searched_rows().start(probe.clients(), vv_search);
        probe.lat_long_search_running() = true;
        probe.progress_bar().setMaximum(3);
        probe.stop_button().setEnabled(true);
        probe.widget<QPushButton>("btnSearchLatLong").setEnabled(false);
    }

    void report(Geoservices::LAT_LONG_STATUS status, int row)
    {
        window.get_add_client_from_grid_status(status, row, "-25.4", "-49.2");
    }

    void verify_ended()
    {
        QVERIFY(!probe.lat_long_search_running());
        QCOMPARE(probe.status_label().text(), QString());
        QVERIFY(probe.widget<QPushButton>("btnSearchLatLong").isEnabled());
        QVERIFY(!probe.stop_button().isEnabled());
    }
};

}  // namespace

class CoordinateSearchSlotsTest : public QObject {
    Q_OBJECT

private slots:
    void rows_advance_the_progress_and_only_found_rows_get_coordinates()
    {
        SearchFixture f;
        f.report(Geoservices::LAT_LONG_OK, 0);
        QCOMPARE(f.probe.status_label().text(), QString("OK"));
        f.report(Geoservices::LAT_LONG_ALREADY_EXISTS, 1);
        QCOMPARE(f.probe.progress_bar().value(), 2);
        f.report(Geoservices::LAT_LONG_NOT_FOUND, 2);
        QCOMPARE(f.probe.progress_bar().value(), 3);
        QCOMPARE(f.probe.status_label().text(), QString("Value not found"));
        QCOMPARE(grid_cell_text(f.probe.clients(), 0, 7), QString("-25.4"));
        QCOMPARE(grid_cell_text(f.probe.clients(), 0, 8), QString("-49.2"));
        QCOMPARE(grid_cell_text(f.probe.clients(), 1, 7), QString());
        std::vector<std::vector<std::string>> vv_table;
        f.window.get_end_add_client_from_grid(vv_table, true);
        f.verify_ended();
        QVERIFY(f.messages.v_boxes.empty());
    }

    void a_job_fault_is_shown_once_and_ends_the_search()
    {
        SearchFixture f;
        f.report(Geoservices::LAT_LONG_INVALID_EMAIL, 0);
        QCOMPARE(f.messages.v_boxes.size(), size_t(1));
        QCOMPARE(f.messages.v_boxes[0].s_title, QString("API error"));
        QCOMPARE(f.messages.v_boxes[0].s_status, QString("Missing or invalid email"));
        QVERIFY(f.messages.v_boxes[0].s_text.startsWith("<p>Missing or invalid email, to change:</p>"));
        f.verify_ended();
        f.report(Geoservices::LAT_LONG_OK, 1);  // a report already queued changes nothing
        QCOMPARE(grid_cell_text(f.probe.clients(), 1, 7), QString());
    }

    void reports_after_the_stop_button_are_ignored()
    {
        SearchFixture f;
        f.probe.stop_button().click();
        f.verify_ended();
        f.report(Geoservices::LAT_LONG_OK, 0);
        QCOMPARE(grid_cell_text(f.probe.clients(), 0, 7), QString());
        QCOMPARE(f.probe.progress_bar().value(), -1);
    }

    void a_row_without_an_address_part_is_named_and_starts_no_search()
    {
        WindowFixture f;
        set_row(f.probe.clients(), 0, client_row("Depot", "", "", at(1, 8), at(1, 18), 0, 0));
        set_row(f.probe.clients(), 1, client_row("Shop", "", "", at(1, 8), at(1, 18), 0, 1));
        f.probe.clients().setData(f.probe.clients().index(1, 4), QString(), Qt::EditRole);
        f.probe.widget<QPushButton>("btnSearchLatLong").click();
        QCOMPARE(f.messages.v_boxes.size(), size_t(1));
        QCOMPARE(f.messages.v_boxes[0].s_title, QString("Input data error"));
        QCOMPARE(f.messages.v_boxes[0].s_text, QString("Missing 'City' value on row1"));
        QVERIFY(!f.probe.lat_long_search_running());
    }
};

QTEST_MAIN(CoordinateSearchSlotsTest)
#include "test_coordinate_search_slots.moc"
