// The main window's roads to the background jobs: an optimisation and a coordinate search
// end to end against the loopback stand-in of the web services, and the window's side of
// a coordinate search when the job fails or is stopped.
#include "app_test_support.h"

#include "geostub_process.h"
#include "service_config.h"

class JobsRoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(stub.start());
        point_services_at(stub);
        Geoservices::set_pause_function([](std::chrono::milliseconds) {});
    }
    void cleanupTestCase()
    {
        Geoservices::set_pause_function(nullptr);
        Geoservices::set_endpoints(Geoservices::default_endpoints());
        stub.stop();
    }
    void init()
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(QFile::copy(QString::fromStdString(stub.folder()) + "/cacert.pem", "cacert.pem"));  // for HTTPS
    }
    void cleanup() { f.reset(); }

    void optimisation_fills_the_results()
    {
        stub.set_script(R"({"routes":{"/table/v1/driving/":[{"generate":"osrm_table"}]}})");
        f->probe.widget<QSpinBox>("spOptTime").setValue(1);
        f->probe.widget<QRadioButton>("btnClosedRoutes").setChecked(true);
        set_row(f->probe.clients(), 0, client_row("Depot", "-25.40", "-49.20", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 1, client_row("A", "-25.41", "-49.21", at(5, 8), at(5, 18), 5, 3));
        set_row(f->probe.clients(), 2, client_row("B", "-25.42", "-49.22", at(5, 8), at(5, 18), 5, 4));
        set_row(f->probe.clients(), 3, client_row("C", "-25.43", "-49.23", at(5, 8), at(5, 18), 5, 2));
        set_row(f->probe.vehicles(), 0, {"V1", 10, 2, 10, 1});

        f->probe.widget<QAction>("actionOptimize").trigger();
        QCOMPARE(f->probe.status_label().text(), QString("Collecting distance matrices..."));
        QTRY_COMPARE_WITH_TIMEOUT(f->probe.widget<QLabel>("lblUsedVehicles").text(), QString("1"), 30000);
        QCOMPARE(f->texts(), QStringList({"Optimization ended!"}));
        QVERIFY(!f->probe.optimization_running());
        QVERIFY(QString::fromStdString(stub.requests().at(0)).contains("/table/v1/driving/-49.20,-25.40;"));
        // A closed route: depot, the three clients, depot.
        QStringList v_names = cell_texts(f->probe.routes(), {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}});
        QCOMPARE(v_names[0] + v_names[4] + f->probe.widget<QLabel>("lblTotalLoad").text(), QString("DepotDepot9"));
        QCOMPARE(QSet<QString>(v_names.begin() + 1, v_names.end() - 1), (QSet<QString>{"A", "B", "C"}));
        QVERIFY(f->probe.instance_document()["input"]["data"].HasMember("Mdij"));
    }

    void optimise_compares_biggest_demand_with_smallest_capacity()
    {
        f->probe.widget<QAction>("actionOptimize").trigger();  // no client data yet
        QCOMPARE(f->messages.v_boxes[0].s_title + '|' + f->messages.v_boxes[0].s_text,
                 QString("Input data error|There are no client data"));
        QCOMPARE(f->probe.status_label().text(), QString());

        set_row(f->probe.clients(), 0, client_row("Depot", "1", "1", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 1, client_row("C", "1", "1", at(5, 8), at(5, 18), 0, 31));
        set_row(f->probe.vehicles(), 0, {"V1", 30, 1, 0, 0});
        f->probe.widget<QAction>("actionOptimize").trigger();
        QCOMPARE(f->texts().last(), QString("The biggest client demand is bigger than the smallest vehicle capacity, "
                                            "please correct that before continue"));
        QCOMPARE(f->probe.status_label().text(), QString("Checking input data..."));

        // Equal figures go on to the check job, which finds no matrix service: a closed port answers nothing.
        Geoservices::Endpoints endpoints;
        endpoints.osrm_host = endpoints.nominatim_host = endpoints.google_host = "127.0.0.1:1";
        Geoservices::set_endpoints(endpoints);
        set_row(f->probe.clients(), 1, client_row("C", "1", "1", at(5, 8), at(5, 18), 0, 30));
        f->probe.widget<QAction>("actionOptimize").trigger();
        QCOMPARE(f->probe.status_label().text(), QString("Collecting distance matrices..."));
        QTRY_COMPARE_WITH_TIMEOUT(f->messages.v_boxes.size(), size_t(3), 20000);
        point_services_at(stub);
        QCOMPARE(f->texts().last(), QString("No internet connection"));
        QCOMPARE(f->messages.v_boxes.back().s_status, QString("Problem generating input file..."));
        QVERIFY(f->probe.status_label().text().isEmpty() && !f->probe.optimization_running());
    }

    void coordinate_search_writes_found_rows()
    {
        stub.set_script(R"({"routes":{"/search":[{"json":[{"lat":"48.85","lon":"2.35"}]},{"json":[]}]}})");
        set_row(f->probe.clients(), 0, client_row("Depot", "", "", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 1, client_row("Known", "-25.4", "-49.2", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 2, client_row("Lost", "", "", at(5, 8), at(5, 18), 0, 0));
        set_row(f->probe.clients(), 4, client_row("Below a gap", "", "", at(5, 8), at(5, 18), 0, 0));
        search_button().click();
        QVERIFY(f->probe.lat_long_search_running() && !search_button().isEnabled() && f->probe.stop_button().isEnabled());
        QCOMPARE(f->probe.progress_bar().maximum(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(!f->probe.lat_long_search_running(), 20000);
        QCOMPARE(cell_texts(f->probe.clients(), {{0, 7}, {0, 8}, {1, 7}, {2, 7}, {4, 7}}),
                 QStringList({"48.85", "2.35", "-25.4", "", ""}));
        QCOMPARE(stub.requests().size(), size_t(2));
        verify_search_ended();
        QVERIFY(f->messages.v_boxes.empty());
    }

    void a_row_without_an_address_part_is_named_and_starts_no_search()
    {
        set_row(f->probe.clients(), 0, client_row("Depot", "", "", at(1, 8), at(1, 18), 0, 0));
        set_row(f->probe.clients(), 1, client_row("Shop", "", "", at(1, 8), at(1, 18), 0, 1));
        f->probe.clients().setData(f->probe.clients().index(1, 4), QString(), Qt::EditRole);
        search_button().click();
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));
        QCOMPARE(f->messages.v_boxes[0].s_title + '|' + f->messages.v_boxes[0].s_text,
                 QString("Input data error|Missing 'City' value on row1"));
        QVERIFY(!f->probe.lat_long_search_running());
    }

    // A report still on its way after a job fault or the stop button changes nothing.
    void a_job_fault_or_the_stop_button_ends_the_search()
    {
        pretend_search_started();
        f->probe.stop_button().click();
        verify_search_ended();
        report(Geoservices::LAT_LONG_OK, 0);
        QCOMPARE(cell(0, 7), QString());
        QCOMPARE(f->probe.progress_bar().value(), -1);

        pretend_search_started();
        report(Geoservices::LAT_LONG_INVALID_EMAIL, 0);
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));
        QCOMPARE(f->messages.v_boxes[0].s_title + '|' + f->messages.v_boxes[0].s_status,
                 QString("API error|Missing or invalid email"));
        QVERIFY(f->messages.v_boxes[0].s_text.startsWith("<p>Missing or invalid email, to change:</p>"));
        verify_search_ended();
        report(Geoservices::LAT_LONG_OK, 1);
        QCOMPARE(cell(1, 7), QString());
    }

private:
    QPushButton& search_button() { return f->probe.widget<QPushButton>("btnSearchLatLong"); }
    QString cell(int row, int column) { return grid_cell_text(f->probe.clients(), row, column); }
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
