// The widget-free rules of the database window: CSV header and row checks, file names,
// number and date conversions, and the client form check.

#include "client_csv.h"
#include "database_records.h"

#include <QtTest>

Q_DECLARE_METATYPE(TextTable)
Q_DECLARE_METATYPE(std::vector<std::string>)

class TestDatabaseRecords : public QObject {
    Q_OBJECT

private slots:
    void csv_header_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<TextTable>("table");
        QTest::addColumn<bool>("ok");
        const std::vector<std::string> v_english{
            "Name", "Address", "Number", "Neighborhood", "City", "State", "Country", "lat", "long"};
        std::vector<std::string> v_lon = v_english;
        v_lon[8] = "lon";
        std::vector<std::string> v_tenth = v_english;
        v_tenth.push_back("Note");
        QTest::newRow("english words") << "ENG" << TextTable{v_english} << true;
        QTest::newRow("tenth column") << "ENG" << TextTable{v_tenth} << true;
        QTest::newRow("lon for long") << "ENG" << TextTable{v_lon} << false;
        QTest::newRow("lower-case word") << "POR"
                                         << TextTable{{"nome", "Endereco", "Numero", "Bairro",
                                                       "Cidade", "Estado", "Pais", "lat", "long"}}
                                         << false;
        QTest::newRow("portuguese") << "POR" << TextTable{client_csv_header_words("POR")} << true;
        QTest::newRow("short header") << "ENG" << TextTable{{"Name", "Address"}} << false;
        QTest::newRow("empty file") << "ENG" << TextTable{} << false;
        QTest::newRow("unknown language") << "FRA" << TextTable{v_english} << false;
    }

    void csv_header()
    {
        QFETCH(QString, language);
        QFETCH(TextTable, table);
        QFETCH(bool, ok);
        QCOMPARE(client_csv_header_ok(table, language.toStdString()), ok);
    }

    void csv_problem_rows()
    {
        const std::vector<std::string> v_full{"A", "Rua", "1", "B", "C", "S", "P", "", ""};
        std::vector<std::string> v_no_city = v_full;
        v_no_city[4].clear();
        const TextTable vv_table{
            client_csv_header_words("ENG"), v_full, v_no_city, v_full, {}, {"A", "Rua"}, v_no_city};
        QCOMPARE(client_csv_problem_rows(vv_table), std::vector<std::string>({"2", "4", "5", "6"}));
        QVERIFY(client_csv_problem_rows({client_csv_header_words("ENG")}).empty());
    }

    void csv_template()
    {
        for (const char* s_language : {"POR", "ENG", "GER"}) {
            const TextTable vv_template = client_csv_template(s_language);
            QCOMPARE(vv_template.size(), size_t(4));
            QVERIFY(client_csv_header_ok(vv_template, s_language));
            QVERIFY(client_csv_problem_rows(vv_template).empty());
            QCOMPARE(vv_template[1][0], std::string("Depot"));
        }
        QVERIFY(client_csv_template("FRA").empty());
    }

    void csv_names()
    {
        QCOMPARE(csv_file_name("clients"), std::string("clients.csv"));
        QCOMPARE(csv_file_name("clients.csv"), std::string("clients.csv"));
        QCOMPARE(csv_file_name("a.csv.b"), std::string("a.b.csv"));
    }

    void whole_numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("whole") << "35" << 35;
        QTest::newRow("fraction") << "12.75" << 12;
        QTest::newRow("blanks and sign") << "  -7x" << -7;
        QTest::newRow("no digits") << "abc" << 0;
        QTest::newRow("too big") << "99999999999999999999" << INT_MAX;
    }

    void whole_numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(leading_whole_number(text.toStdString()), value);
    }

    void numbers_and_dates()
    {
        QCOMPARE(decimal_number("10.5"), 10.5);
        QCOMPARE(decimal_number("ten"), 0.0);
        QCOMPARE(coded_date(QDate(2024, 3, 5)), QString("20240305"));
        QCOMPARE(display_date("2024-03-07"), QString("07/03/2024"));
        QVERIFY(display_date("07/03/2024").isEmpty());
        QCOMPARE(instance_grid_row({"run", "2024-03-07", "20240307", "1.5", "2", "{}", "3"}),
                 std::vector<std::string>({"run", "1.5", "2", "3", "07/03/2024"}));
        QCOMPARE(instance_grid_row({"short"}), std::vector<std::string>({"short", "", "", "", ""}));
    }

    void client_form_without_coordinates()
    {
        QStringList v_fields{"A", "Rua", "1", "B", "C", "S", "P", "", ""};
        QVERIFY(client_form_fault(v_fields, false) == nullptr);
        QCOMPARE(QString(client_form_fault(v_fields, true)), QString("Missing client lat."));
        v_fields[7] = "-25,43";
        v_fields[8] = " ";
        QCOMPARE(QString(client_form_fault(v_fields, true)), QString("Invalid lat/long values."));
        v_fields[8] = "-49.2";
        QVERIFY(client_form_fault(v_fields, true) == nullptr);
    }
};

QTEST_MAIN(TestDatabaseRecords)
#include "test_database_records.moc"
