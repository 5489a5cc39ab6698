// The save-instance dialog with a document that cannot be written as text (a number
// beyond the double range in a loaded instance file): nothing half-written is stored.

#include "json_document.h"
#include "saveinstancewindow.h"
#include "window_test_support.h"

#include <QLineEdit>
#include <QPushButton>

class TestSaveInstanceNumbers : public QObject {
    Q_OBJECT

private slots:
    void a_document_with_an_infinite_number_is_not_stored()
    {
        TestDatabase store;
        const rapidjson::Document document =
            string_to_json(R"({"input":{"meta_info":{"max_time":17.7e308}},"output":{}})");
        SaveInstanceWindow dialog(store.database.get(), document);
        dialog.show();
        child<QLineEdit>(&dialog, "lnName")->setText("run");
        BoxRecorder boxes;
        child<QPushButton>(&dialog, "btnSave")->click();
        QCOMPARE(boxes.texts(), QStringList({"The instance could not be saved on the database."}));
        QVERIFY(store.database->select_instance_by_id("run").empty());
    }
};

QTEST_MAIN(TestSaveInstanceNumbers)
#include "test_save_instance_numbers.moc"
