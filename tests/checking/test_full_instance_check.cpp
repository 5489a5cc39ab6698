#include "full_check_documents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(FullInstanceCheck, AValidInstanceWithMatricesPassesUnchanged)
{
    rapidjson::Document document = instance_with({});
    const std::string s_before = json_to_string(document);
    EXPECT_TRUE(check_json_file(document));
    EXPECT_EQ(json_to_string(document), s_before);  // commas kept, nothing added
}

TEST(FullInstanceCheck, EachFaultOfTheDocumentShapeIsNamed)
{
    rapidjson::Document unparsed = string_to_json("not json");
    EXPECT_FALSE(check_json_file(unparsed));
    EXPECT_EQ(record_of(unparsed), one_record("invalid_file", "file is not in json format"));

    const char* k_missing = "missing_json_field";
    const char* k_invalid = "invalid_field";
    const char* k_not_array = "'containers' is not in array format";
    expect_faults({
        {{{"/input"}}, k_missing, "missing 'input' field"},
        {{{"/input/meta_info"}}, k_missing, "missing 'meta_info' field"},
        {{{"/input/meta_info/prob_type"}}, k_missing, "missing 'prob_type' field"},
        {{{"/input/meta_info/prob_type", R"("vrptw")"}}, k_invalid, "invalid 'prob_type'"},
        {{{"/input/data"}}, k_missing, "missing 'data' field"},
        {{{"/input/data/containers"}, {"/input/data/clients"}}, k_missing,
         "missing 'containers' field"},
        {{{"/input/data/containers", "{}"}}, k_invalid, k_not_array},
    });
}

TEST(FullInstanceCheck, EachContainerAndClientFieldIsTested)
{
    const char* k_bad_container = "invalid container field";
    const char* k_bad_client = "invalid clients field";
    expect_faults({
        {{{"/input/data/containers/0/container_qt", "2.5"}}, "invalid_field", k_bad_container},
        {{{"/input/data/containers/0/container_dim", "-1"}}, "invalid_field", k_bad_container},
        {{{"/input/data/containers/0/container_var_cost", "3000000000"}}, "invalid_field",
         k_bad_container},
        {{{"/input/data/containers/0/container_id", "5"}}, "invalid_field", k_bad_container},
        // Presence is tested before values.
        {{{"/input/data/containers/0/container_var_cost"},
          {"/input/data/containers/0/container_qt", "2.5"}},
         "missing_field", "missing some 'container' field"},
        {{{"/input/data/containers/0", "7"}}, "missing_field", "missing some 'container' field"},
        {{{"/input/data/clients"}}, "missing_field", "missing 'clients' field"},
        {{{"/input/data/clients", R"("x")"}}, "invalid_field", "'clients' is not in array format"},
        {{{"/input/data/clients/1/id"}}, "missing_field", "missing some 'client' field"},
        {{{"/input/data/clients/1/demand", "-1"}}, "invalid_field", k_bad_client},
        {{{"/input/data/clients/1/service_time", "60.0"}}, "invalid_field", k_bad_client},
        {{{"/input/data/clients/0/id", "3"}}, "invalid_field", k_bad_client},
    });
    rapidjson::Document no_containers = instance_with({{"/input/data/containers", "[]"}});
    EXPECT_TRUE(check_json_file(no_containers));  // an empty fleet is no field fault
}

TEST(FullInstanceCheck, MatricesAreTestedWhenTheDocumentCarriesThem)
{
    const char* k_values = "missing_matrix_values";
    expect_faults({
        {{{"/input/data/Mdij"}}, "missing_matrix",
         "if passed, both matrices are required, you may pass none instead"},
        {{{"/input/data/Mdij", "[[0,10]]"}}, k_values,
         "matrix row number differs from clients number"},
        {{{"/input/data/Mtij/1", "[20]"}}, k_values,
         "matrix Mtij column number differs from clients number"},
        {{{"/input/data/Mdij/0", "[0]"}}, k_values,
         "matrix Mdij column number differs from clients number"},
        {{{"/input/data/Mtij/1/0", "null"}}, "csv_client_database",
         "distance/time between clients c1 and depot is empty, check addresses and lat/long"},
        // With both matrices the coordinates are not looked at.
    });
    rapidjson::Document unlocated = instance_with({{"/input/data/clients/1/lat", "95"}});
    EXPECT_TRUE(check_json_file(unlocated));
}

TEST(FullInstanceCheck, CoordinatesAndMatrixSettingsAreTestedWithoutMatrices)
{
    expect_faults({
        {without_matrices({{"/input/data/clients/1/long"}}), "missing_json_field",
         "for each client, both lat and long should be setted, or none"},
        {without_matrices({{"/input/data/clients/0/lat", R"("90.000001")"}}), "invalid_field",
         "invalid lat/long values"},
        {without_matrices({{"/input/data/clients/1/long", R"("")"}}), "invalid_field",
         "invalid lat/long values"},
        // Every client located: the lookup settings are never needed.
        {without_matrices({{"/input/meta_info/lat_long_api"}, {"/input/meta_info/distance_matrix_api"}}),
         "missing_json_field", "missing 'distance_matrix_api' field'"},
        {without_matrices({{"/input/meta_info/distance_matrix_api", R"("here")"}}),
         "missing_field", "invalid 'distance_matrix_api' field'"},
        {without_matrices({{"/input/meta_info/distance_matrix_api", R"("google")"}}),
         "missing_json_field", "missing 'google_api_key' field'"},
        {without_matrices({{"/input/meta_info/distance_matrix_api", R"("osrm_google")"}}),
         "missing_json_field", "missing 'google_api_key' field'"},
    });
}

TEST(FullInstanceCheck, TriangleInequalityOverTheDistances)
{
    struct Case {
        const char* s_distances;
        bool triangular;
    };
    const Case cases[] = {
        {"[[0,1,5],[1,0,1],[5,1,0]]", false},
        {"[[0,1.5,2],[1.5,0,0.5],[2,0.5,0]]", true},  // integers and doubles mixed
        {"[[0,1,2],[1,0],[2,1,0]]", false},  // ragged
        {"{}", false},
    };
    for (const Case& c : cases) {
        rapidjson::Document document = instance_with({{"/input/data/Mdij", c.s_distances}});
        EXPECT_EQ(is_triangular_check(document), c.triangular) << c.s_distances;
        EXPECT_FALSE(document.HasMember("output")) << c.s_distances;
    }
    rapidjson::Document without = instance_with({{"/input/data/Mdij"}});
    EXPECT_FALSE(is_triangular_check(without));
}
