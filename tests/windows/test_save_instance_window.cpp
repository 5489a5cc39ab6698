// The save-instance dialog: what it proposes, what it stores, replacing a stored name,
// and the stored text coming back through the database window's load button.

#include "database_records.h"
#include "databasewindow.h"
#include "json_document.h"
#include "saveinstancewindow.h"
#include "window_test_support.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const k_solved =
    R"({"input":{"data":{"clients":[]}},"output":{"summary":{"total_distance":500,)"
    R"("total_travel":600.0}}})";

rapidjson::Document solved_document(const std::string& s_text = k_solved)
{
    return string_to_json(s_text);
}

}  // namespace

class TestSaveInstanceWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { store = std::make_unique<TestDatabase>(); }
    void cleanup() { store.reset(); }

    void proposes_today_and_the_summary_totals()
    {
        const rapidjson::Document document = solved_document();
        SaveInstanceWindow dialog(store->database.get(), document);
        QCOMPARE(child<QLineEdit>(&dialog, "lnName")->text(), coded_date(QDate::currentDate()));
        QCOMPARE(child<QDateEdit>(&dialog, "dateEdit")->date(), QDate::currentDate());
        QCOMPARE(child<QDoubleSpinBox>(&dialog, "spTotalDistance")->value(), 0.5);
        QCOMPARE(child<QDoubleSpinBox>(&dialog, "spTotalTime")->value(), 10.0);
        QCOMPARE(child<QDoubleSpinBox>(&dialog, "spCost")->value(), 0.0);
    }

    void saves_the_copy_taken_when_opened()
    {
        BoxRecorder boxes;
        rapidjson::Document document = solved_document();
        SaveInstanceWindow dialog(store->database.get(), document);
        dialog.show();
        document["output"]["summary"]["total_distance"].SetDouble(7);  // changed afterwards
        child<QLineEdit>(&dialog, "lnName")->setText("Monday's run");
        child<QDateEdit>(&dialog, "dateEdit")->setDate(QDate(2023, 12, 1));
        child<QDoubleSpinBox>(&dialog, "spCost")->setValue(123.45);
        child<QPushButton>(&dialog, "btnSave")->click();

        QCOMPARE(boxes.texts(), QStringList({"Instance added sucessfully!"}));
        QVERIFY(!dialog.isVisible());
        const Rows vv_rows = store->database->select_instance_by_id("Monday's run");
        QCOMPARE(vv_rows.size(), size_t(1));
        QCOMPARE(QString::fromStdString(vv_rows[0][1]), QString("2023-12-01"));
        QCOMPARE(QString::fromStdString(vv_rows[0][2]), QString("20231201"));
        QCOMPARE(QString::fromStdString(vv_rows[0][3]).toDouble(), 0.5);
        QCOMPARE(QString::fromStdString(vv_rows[0][4]).toDouble(), 10.0);
        QCOMPARE(vv_rows[0][5], json_to_string(solved_document()));
        QCOMPARE(QString::fromStdString(vv_rows[0][6]).toDouble(), 123.45);
    }

    void a_stored_name_is_replaced_only_after_yes()
    {
        QVERIFY(!store->database->insert_instance("run", "2024-01-01", "20240101", 1, 2, "{}", 3));
        const rapidjson::Document document = solved_document();
        SaveInstanceWindow dialog(store->database.get(), document);
        dialog.show();
        child<QLineEdit>(&dialog, "lnName")->setText("run");

        BoxRecorder boxes;
        boxes.answer({false});
        child<QPushButton>(&dialog, "btnSave")->click();
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(boxes.boxes[0].s_title, QString("Duplicate name"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(store->database->select_instance_by_id("run")[0][5], std::string("{}"));

        boxes.answer({true});
        child<QPushButton>(&dialog, "btnSave")->click();
        QCOMPARE(boxes.texts().last(), QString("Instance sucessfully updated!"));
        QVERIFY(!dialog.isVisible());
        const Rows vv_rows = store->database->select_instance_by_id("run");
        QCOMPARE(vv_rows.size(), size_t(1));
        QCOMPARE(vv_rows[0][5], json_to_string(document));
    }

    void a_failed_replacement_keeps_the_stored_instance()
    {
        QVERIFY(!store->database->insert_instance("run", "2024-01-01", "20240101", 1, 2, "{}", 3));
        refuse_inserts_with_cost(99);
        const rapidjson::Document document = solved_document();
        SaveInstanceWindow dialog(store->database.get(), document);
        dialog.show();
        child<QLineEdit>(&dialog, "lnName")->setText("run");
        child<QDoubleSpinBox>(&dialog, "spCost")->setValue(99);

        BoxRecorder boxes;
        boxes.answer({true});
        child<QPushButton>(&dialog, "btnSave")->click();
        QCOMPARE(boxes.boxes.size(), size_t(2));
        QCOMPARE(boxes.boxes[1].s_title, QString("Database info"));
        QVERIFY(dialog.isVisible());
        const Rows vv_rows = store->database->select_instance_by_id("run");
        QCOMPARE(vv_rows.size(), size_t(1));
        QCOMPARE(vv_rows[0][5], std::string("{}"));
    }

    void a_document_without_summary_shows_zero()
    {
        const rapidjson::Document document = solved_document(R"({"output":{"summary":[]}})");
        SaveInstanceWindow dialog(store->database.get(), document);
        QCOMPARE(child<QDoubleSpinBox>(&dialog, "spTotalDistance")->value(), 0.0);
        QCOMPARE(child<QDoubleSpinBox>(&dialog, "spTotalTime")->value(), 0.0);
    }

    void cancel_saves_nothing()
    {
        const rapidjson::Document document = solved_document();
        SaveInstanceWindow dialog(store->database.get(), document);
        dialog.show();
        child<QPushButton>(&dialog, "btnCancel")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(store->database->select_all_instances().empty());
    }

    void saved_instance_loads_back_unchanged()
    {
        BoxRecorder boxes;
        const rapidjson::Document document = solved_document();
        SaveInstanceWindow dialog(store->database.get(), document);
        child<QLineEdit>(&dialog, "lnName")->setText("week 12");
        child<QPushButton>(&dialog, "btnSave")->click();

        DatabaseWindow window(store->database.get());
        std::vector<std::string> v_loaded;
        connect(&window, &DatabaseWindow::add_json_from_db_to_main_form,
                [&](std::string s_json) { v_loaded.push_back(s_json); });
        child<QLineEdit>(&window, "lnInstanceId")->setText("week");
        child<QPushButton>(&window, "btnLoadInstance")->click();  // names no instance
        QVERIFY(v_loaded.empty());
        child<QLineEdit>(&window, "lnInstanceId")->setText("week 12");
        child<QPushButton>(&window, "btnLoadInstance")->click();
        QCOMPARE(v_loaded.size(), size_t(1));
        QCOMPARE(v_loaded[0], json_to_string(document));
    }

private:
    // A trigger refuses those rows, as a full disk would.
    void refuse_inserts_with_cost(int cost)
    {
        store->run_sql("CREATE TRIGGER refuse BEFORE INSERT ON instances WHEN NEW.cost = " +
                       std::to_string(cost) + " BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    }

    std::unique_ptr<TestDatabase> store;
};

QTEST_MAIN(TestSaveInstanceWindow)
#include "test_save_instance_window.moc"
