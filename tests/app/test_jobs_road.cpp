// The main window's roads to the background jobs, an optimisation and a coordinate search,
// against the loopback stand-in of the web services, with their refusals, failures and stop.
#include "app_test_support.h"

#include "geostub_process.h"
#include "service_config.h"

class JobsRoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(start_stand_in(stub)); }
    void cleanupTestCase() { stop_stand_in(stub); }
    void init()
    {
        f = window_beside(stub);
        QVERIFY(f);
    }
    void cleanup() { f.reset(); }

    // Refused when a demand exceeds the smallest capacity, taken when it equals it: the whole road.
    // (The empty grid's refusal and a failed check are the grid checks' and the daily-use tests'.)
    void optimisation_road()
    {
        MainWindowProbe& probe = f->probe;
        probe.widget<QSpinBox>("spOptTime").setValue(1);
        probe.widget<QRadioButton>("btnClosedRoutes").setChecked(true);
        set_row(probe.clients(), 0,
                client_row("Depot", "-25.40", "-49.20", at(5, 8), at(5, 18), 0, 0));
        set_row(probe.clients(), 1,
                client_row("A", "-25.41", "-49.21", at(5, 8), at(5, 18), 5, 11));
        set_row(probe.clients(), 2, client_row("B", "-25.42", "-49.22", at(5, 8), at(5, 18), 5, 0));
        set_row(probe.clients(), 3, client_row("C", "-25.43", "-49.23", at(5, 8), at(5, 18), 5, 0));
        set_row(probe.vehicles(), 0, {"V1", 10, 2, 10, 1});
        f->trigger("actionOptimize");
        QCOMPARE(f->texts(),
                 QStringList("The biggest client demand is bigger than the smallest vehicle "
                             "capacity, please correct that before continue"));
        QCOMPARE(probe.status_label().text(), QString("Checking input data..."));

        stub.set_script(R"({"routes":{"/table/v1/driving/":[{"generate":"osrm_table"}]}})");
        probe.clients().setData(probe.clients().index(1, 12), 10);
        f->trigger("actionOptimize");
        QTRY_COMPARE_WITH_TIMEOUT(probe.widget<QLabel>("lblUsedVehicles").text(), QString("1"),
                                  30000);
        QCOMPARE(f->texts().last(), QString("Optimization ended!"));
        QVERIFY(!probe.optimization_running() &&
                probe.instance_document()["input"]["data"].HasMember("Mdij"));
        QVERIFY(QString::fromStdString(stub.requests().at(0))
                    .contains("/table/v1/driving/-49.20,-25.40;"));
        // A closed route: depot, the three clients, depot.
        QStringList v_names = cell_texts(probe.routes(), {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}});
        QCOMPARE(v_names[0] + v_names[4] + probe.widget<QLabel>("lblTotalLoad").text(),
                 QString("DepotDepot10"));
        QCOMPARE(QSet<QString>(v_names.begin() + 1, v_names.end() - 1),
                 (QSet<QString>{"A", "B", "C"}));
    }

    // Found rows get coordinates, rows with them are not searched; a row lacking an address
    // part is named and starts no search; a stop or a job fault ends the search.
    void coordinate_search_road()
    {
        stub.set_script(
            R"({"routes":{"/search":[{"json":[{"lat":"48.85","lon":"2.35"}]},{"json":[]}]}})");
        set_row(f->probe.clients(), 0, client_row("Depot", "", "", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 1,
                client_row("Known", "-25.4", "-49.2", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 2, client_row("Lost", "", "", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 4,
                client_row("Below a gap", "", "", at(5, 8), at(5, 18), 0, 0));
        search_button().click();
        QVERIFY(f->probe.lat_long_search_running() && f->probe.stop_button().isEnabled());
        QVERIFY(!search_button().isEnabled());
        QCOMPARE(f->probe.progress_bar().maximum(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(!f->probe.lat_long_search_running(), 20000);
        QCOMPARE(cell_texts(f->probe.clients(), {{0, 7}, {0, 8}, {1, 7}, {2, 7}, {4, 7}}),
                 QStringList({"48.85", "2.35", "-25.4", "", ""}));
        QCOMPARE(stub.requests().size(), size_t(2));
        verify_search_ended();
        QVERIFY(f->messages.v_boxes.empty());

        f->probe.clients().setData(f->probe.clients().index(2, 4), QString(), Qt::EditRole);
        search_button().click();
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));
        QCOMPARE(f->messages.v_boxes[0].s_title + '|' + f->messages.v_boxes[0].s_text,
                 QString("Input data error|Missing 'City' value on row2"));
        QVERIFY(!f->probe.lat_long_search_running());
        f->messages.v_boxes.clear();

        // A report still on its way after the stop button or a job fault changes nothing.
        pretend_search_started();
        f->probe.stop_button().click();
        verify_search_ended();
        report(Geoservices::LAT_LONG_OK, 3);
        QCOMPARE(grid_cell_text(f->probe.clients(), 3, 7), QString());
        QCOMPARE(f->probe.progress_bar().value(), -1);

        pretend_search_started();
        report(Geoservices::LAT_LONG_INVALID_EMAIL, 0);
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));
        QCOMPARE(f->messages.v_boxes[0].s_title + '|' + f->messages.v_boxes[0].s_status,
                 QString("API error|Missing or invalid email"));
        QVERIFY(f->messages.v_boxes[0].s_text.startsWith(
            "<p>Missing or invalid email, to change:</p>"));
        verify_search_ended();
        report(Geoservices::LAT_LONG_OK, 2);
        QCOMPARE(grid_cell_text(f->probe.clients(), 2, 7), QString());
    }

private:
    QPushButton& search_button() { return f->probe.widget<QPushButton>("btnSearchLatLong"); }
    void report(Geoservices::LAT_LONG_STATUS status, int row)
    {
        f->window.get_add_client_from_grid_status(status, row, "-25.4", "-49.2");
    }

    // The window as a started search over three rows leaves it, without a job behind it.
    void pretend_search_started()
    {
        f->probe.lat_long_search_running() = true;
        f->probe.progress_bar().setMaximum(3);
        f->probe.stop_button().setEnabled(true);
        search_button().setEnabled(false);
    }

    void verify_search_ended()
    {
        QVERIFY(!f->probe.lat_long_search_running() && f->probe.status_label().text().isEmpty());
        QVERIFY(search_button().isEnabled() && !f->probe.stop_button().isEnabled());
    }

    GeoStub stub;
    std::unique_ptr<WindowFixture> f;
};

QTEST_MAIN(JobsRoadTest)
#include "test_jobs_road.moc"
