// Values from a document or a routing service that no number can carry, and coordinates
// written with a decimal comma, on their way through both checks.

#include "full_check_documents.h"
#include "geostub_suite.h"
#include "instance_check.h"
#include "matrix_documents.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ServiceValues : public GeoStubSuite {
protected:
    static void script_osrm(const std::string& s_answer)
    {
        stub_->set_script(R"({"routes":{"/table/v1/driving/":[)" + s_answer + "]}}");
    }
};

}  // namespace

TEST_F(ServiceValues, AnOsrmAnswerBeyondTheDoubleRangeIsAFailedAnswer)
{
    PauseRecorder pauses;
    // The whole table at once, and the second block of a table fetched in blocks.
    for (const std::string& s_answer :
         {std::string(R"({"generate":"osrm_table","huge_pairs":[[1,2]]})"),
          std::string(R"({"generate":"osrm_table","max_sources":7,"huge_pairs":[[9,0]]})")}) {
        script_osrm(s_answer);
        auto document = instance_document(12);
        EXPECT_FALSE(check_instance_json(document, "osrm", "")) << s_answer;
        EXPECT_EQ(error_record(document), record("osrm_api_error", "OSRM server not working"))
            << s_answer;
        EXPECT_EQ(member_json(document, "Mtij"), "absent");
    }
}

TEST_F(ServiceValues, GivenMatricesHoldingAnOverflowedNumberAreRefused)
{
    const std::string s_huge = "[[0,1,2],[0,1,2],[17.7e308,1,2]]";
    const std::string s_empty =
        "distance/time between clients c2 and c0 is empty, check addresses and lat/long";
    for (const auto& [s_mtij, s_mdij] : {std::pair{s_huge, table_json(3, 1, false)},
                                         std::pair{table_json(3, 1, false), s_huge}}) {
        auto document = instance_document(3, R"(,"Mtij":)" + s_mtij + R"(,"Mdij":)" + s_mdij);
        EXPECT_FALSE(check_instance_json(document, "osrm", ""));
        EXPECT_EQ(error_record(document), record("csv_client_database", s_empty));
    }
}

TEST_F(ServiceValues, FullCheckSendsADecimalCommaCoordinateWithAPoint)
{
    script_osrm(R"({"generate":"osrm_table"})");
    rapidjson::Document document = instance_with(k_no_matrices);
    EXPECT_TRUE(check_json_file(document)) << record_of(document);
    ASSERT_EQ(stub_->requests().size(), 1u);
    EXPECT_EQ(stub_->requests()[0],
              "http GET /table/v1/driving/-46.6,-23.5;-46.63,-23.55"
              "?annotations=distance,duration HTTP/1.1");
    EXPECT_EQ(text_at(document, "/input/data/clients/1/lat"), "-23,55") << "kept as written";
}
