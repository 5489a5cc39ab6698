// Direction links, the map page and the routes CSV table of a solved instance.
#include "app_test_support.h"
#include "map_page.h"
#include "route_links.h"
#include "routes_csv.h"

#include <QtTest>

namespace {

// A solved document with one route through the depot and `stops` - 1 clients.
rapidjson::Document route_of(int stops, const char* s_problem_type)
{
    std::string s_clients;
    std::string s_visits;
    for (int i = 0; i < stops; ++i) {
        const std::string s_i = std::to_string(i);
        s_clients += std::string(i ? "," : "") + "{\"id\":\"C" + s_i + "\",\"lat\":\"1." + s_i +
                     "\",\"long\":\"2\",\"address\":{\"address\":\"Street " + s_i +
                     "\",\"number\":\"" + s_i + "\",\"city\":\"Town\",\"country\":\"Land\"}}";
        s_visits += std::string(i ? "," : "") + "{\"index\":" + s_i + "}";
    }
    return string_to_json("{\"input\":{\"data\":{\"clients\":[" + s_clients +
                          "]},\"meta_info\":{\"prob_type\":\"" + s_problem_type +
                          "\"}},\"output\":{\"data\":{\"routes\":[{\"visits\":[" + s_visits + "]}]}}}");
}

std::string stop(int i)
{
    const std::string s_i = std::to_string(i);
    return "Street+" + s_i + "+" + s_i + "+Town+Land/";
}

std::string stops(int first, int last)
{
    std::string s_stops;
    for (int i = first; i <= last; ++i) {
        s_stops += stop(i);
    }
    return s_stops;
}

}  // namespace

class RouteTextsTest : public QObject {
    Q_OBJECT

private slots:
    // Links of at most 22 stops, each starting at the last stop of the one before; an open
    // route leaves out the return to the depot.
    void links_split_every_22_stops_with_overlap()
    {
        const std::string s_base = k_directions_base;
        QCOMPARE(route_direction_links(route_of(30, "VRPTW")),
                 TextTable({{"R-0-0", s_base + stops(0, 21)}, {"R-0-1", s_base + stops(21, 29)}}));
        QCOMPARE(route_direction_links(route_of(22, "VRPTW")),
                 TextTable({{"R-0-0", s_base + stops(0, 21)}, {"R-0-1", s_base + stop(21)}}));
        QCOMPARE(route_direction_links(route_of(3, "OVRPTW")),
                 TextTable({{"R-0-0", s_base + stops(0, 1)}}));
    }

    void documents_without_routes_give_no_links()
    {
        for (const char* s_json : {"null", "{}", "{\"output\":{}}", "{\"output\":{\"data\":{}}}",
                                   "{\"output\":{\"data\":{\"routes\":{}}}}"}) {
            QVERIFY(route_direction_links(string_to_json(s_json)).empty());
        }
    }

    void links_of_the_solved_instance()
    {
        const rapidjson::Document document = string_to_json(solved_instance_text());
        compare_golden(table_to_tsv(route_direction_links(document)), "route_links.tsv");
    }

    void map_page_of_the_first_route()
    {
        const rapidjson::Document document = string_to_json(solved_instance_text());
        compare_golden(map_page_html(document, document["output"]["data"]["routes"][0], "KEY-1_a"),
                       "routes_page.html");
    }

    void map_page_keeps_document_texts_inside_the_script()
    {
        const rapidjson::Document document = string_to_json(
            "{\"input\":{\"data\":{\"clients\":[{\"id\":\"x\\\"</script><script>alert(1)//\\\\\\n\","
            "\"lat\":\"1,5\",\"long\":\"0}];alert(2);//\"}]}},"
            "\"output\":{\"data\":{\"routes\":[{\"visits\":[{\"index\":0}]}]}}}");
        const std::string s_page =
            map_page_html(document, document["output"]["data"]["routes"][0], "k\"><script>");
        QVERIFY(s_page.find("{lat: 1.5, lng: NaN, name: \"x\\\"\\u003c/script\\u003e\\u003cscript"
                            "\\u003ealert(1)//\\\\\\u000a\"},") != std::string::npos);
        QVERIFY(s_page.find("key=k%22%3E%3Cscript%3E&callback=initMap") != std::string::npos);
        QVERIFY(s_page.find("alert(2)") == std::string::npos);
    }

    void routes_csv_of_the_solved_instance_by_language()
    {
        const rapidjson::Document document = string_to_json(solved_instance_text());
        for (const char* s_language : {"ENG", "POR", "GER", "XYZ"}) {
            compare_golden(table_to_tsv(routes_csv_table(document, s_language)),
                           QString("routes_%1.tsv").arg(s_language));
        }
    }

    void routes_csv_of_open_routes_has_no_return_rows()
    {
        rapidjson::Document document = string_to_json(solved_instance_text());
        document["input"]["meta_info"]["prob_type"] = "OVRPTW";
        const TextTable vv_table = routes_csv_table(document, "ENG");
        // Header, 3 + 2 visits, one unrouted client, the empty line, links header, two links.
        QCOMPARE(vv_table.size(), size_t(1 + 5 + 1 + 1 + 1 + 2));
        QCOMPARE(vv_table[3][2], std::string("Bruno"));
        QCOMPARE(vv_table[4][2], std::string("Depot"));
        QCOMPARE(vv_table[5][2], std::string("Carla"));
    }
};

QTEST_GUILESS_MAIN(RouteTextsTest)
#include "test_route_texts.moc"
