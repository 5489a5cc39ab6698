// Malformed input (tests/data/malformed, edits of its base instance and seeded mutants of
// both) through every reader, both checks and the five solve methods: a sound result or one
// error record.

#include "instance/instance_test_support.h"

#include "csv_files.h"
#include "csv_to_instance.h"
#include "directory_listing.h"
#include "document_checks.h"
#include "full_instance_check.h"
#include "instance_check.h"
#include "output_writer.h"
#include "service_config.h"
#include "solver_entry.h"

#include <rapidjson/pointer.h>

#include <algorithm>
#include <optional>
#include <random>

namespace {

using rapidjson::Document;
using rapidjson::Value;
// A named input and the instance reader's exact refusal ("" when it reads), if given.
struct Source {
    std::string s_name;
    Document document;
    std::optional<std::string> s_reader;
};
using Sources = std::vector<Source>;

// A scratch file of this process holding the text.
std::string scratch(const std::string& s_name, const std::string& s_text)
{
    write_bytes(temp_path(s_name), s_text);
    return temp_path(s_name);
}

Document copy_of(const Value& value)
{
    Document document;
    document.CopyFrom(value, document.GetAllocator());
    return document;
}

int draw(std::mt19937& rng, size_t n)
{
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng);
}

void collect(Value& value, std::vector<Value*>& v_nodes)
{
    v_nodes.push_back(&value);
    if (value.IsArray()) for (Value& item : value.GetArray()) collect(item, v_nodes);
    if (value.IsObject()) for (auto& member : value.GetObject()) collect(member.value, v_nodes);
}

// One change at a random node: a number retyped or resized, a row cut short, a member
// removed, or a value of another kind or beyond the reader's limits.
void mutate_structure(Document& document, std::mt19937& rng)
{
    const char* const k_values[] = {
        "null", "true", "0", "-1", "7.0", "0.5", "-0.0", "2147483647", "2147483648", "-2147483649",
        "18446744073709551615", "1e308", "-1e308", R"("7")", R"("")", R"("NaN")", R"("\u0000")",
        "[]", "[[0]]", "{}", R"({"a":1})"};
    std::vector<Value*> v_nodes;
    collect(document, v_nodes);
    Value& value = *v_nodes[static_cast<size_t>(draw(rng, v_nodes.size()))];
    const int choice = draw(rng, 6);
    const int k_counts[] = {0, 1, 7, 90, 1000, 2147483647};
    if (choice == 0 && value.IsNumber()) {
        value.SetDouble(value.GetDouble());
    } else if (choice == 3 && value.IsNumber()) {
        value.SetInt(k_counts[draw(rng, std::size(k_counts))]);
    } else if (choice == 1 && value.IsArray() && !value.Empty()) {
        value.PopBack();
    } else if (choice == 2 && value.IsObject() && !value.ObjectEmpty()) {
        value.EraseMember(value.MemberBegin() + draw(rng, value.MemberCount()));
    } else {
        Document parsed(&document.GetAllocator());
        parsed.Parse(k_values[draw(rng, std::size(k_values))]);
        value = Value(parsed, document.GetAllocator());
    }
}

// A damaged text (JSON or CSV): cut, bytes dropped, changed or put in, a mark, deep nesting.
std::string mutate_text(std::string s_text, std::mt19937& rng)
{
    const char* const k_inserts[] = {"{", "]", ",", ":", "\"", "\\", ";", "\r\n", "\n", "\r", "-",
                                     "e", "\xFF", "\xC3", "\xED\xA0\x80", "NaN", "-Infinity"};
    const auto at = static_cast<size_t>(draw(rng, s_text.size() + 1));
    switch (draw(rng, 6)) {
    case 0: return s_text.substr(0, at);
    case 1: return s_text.erase(at, static_cast<size_t>(1 + draw(rng, 40)));
    case 2: return s_text.replace(at, 1, 1, static_cast<char>(draw(rng, 256)));
    case 3: return "\xEF\xBB\xBF" + s_text + (draw(rng, 2) == 0 ? "x" : std::string(1, '\0'));
    case 4: return std::string(1000, '[') + s_text + std::string(1000 * draw(rng, 2), ']');
    default: return s_text.insert(at, k_inserts[draw(rng, std::size(k_inserts))]);
    }
}

std::string text_at(const Value& document, const char* s_pointer)
{
    const Value* value = rapidjson::Pointer(s_pointer).Get(document);
    return value != nullptr && value->IsString() ? value->GetString() : "";
}

// One output member, last; an error record with a code unless it is a result.
void expect_one_output(const Value& document, bool record, const std::string& s_case)
{
    ASSERT_TRUE(document.IsObject() && document.MemberCount() > 0) << s_case;
    const auto is_output = [](const auto& member) { return member.name == "output"; };
    EXPECT_EQ(1, std::count_if(document.MemberBegin(), document.MemberEnd(), is_output)) << s_case;
    EXPECT_TRUE((document.MemberEnd() - 1)->name == "output") << s_case;
    EXPECT_EQ(record, !text_at(document, "/output/meta_info/error").empty()) << s_case;
}

// Read: square matrices, legs the solver can add, a closed diagonal, no negative demand.
// Refused: the member is named.
void expect_read_or_refused(const Value& document, const std::string& s_case)
{
    Instance instance;
    const InstanceReader reader(&instance, 0, document);
    if (reader.failed()) {
        EXPECT_EQ(0u, reader.error_message().find("missing or invalid '")) << s_case;
        return;
    }
    for (const auto* matrix : {&instance.Mdij, &instance.Mtij}) {
        ASSERT_GE(matrix->size(), instance.clients.size()) << s_case;
        for (size_t i = 0; i < matrix->size(); ++i) {
            ASSERT_EQ(matrix->size(), (*matrix)[i].size()) << s_case;
            for (const double leg : (*matrix)[i])
                EXPECT_TRUE(leg >= 0 && leg <= 2147483647.) << s_case;
            EXPECT_EQ(2147483647.0, (*matrix)[i][i]) << s_case;
        }
    }
    for (const Client& client : instance.clients) EXPECT_GE(client.demand, 0) << s_case;
    expect_one_output(write_output_json(reader, document), false, s_case);
}

// Passed: no record, both matrices n x n numbers, a known type. Failed: one error record.
void expect_checked(bool passed, const Document& document, const std::string& s_case)
{
    if (!passed) return expect_one_output(document, true, s_case);
    EXPECT_EQ("", text_at(document, "/output/meta_info/error")) << s_case;
    const Value& data = document["input"]["data"];
    for (const char* s_name : {"Mdij", "Mtij"}) {
        ASSERT_EQ(data["clients"].Size(), data[s_name].Size()) << s_case;
        for (const Value& row : data[s_name].GetArray()) {
            ASSERT_TRUE(row.IsArray() && row.Size() == data["clients"].Size()) << s_case;
            for (const Value& leg : row.GetArray()) EXPECT_TRUE(leg.IsNumber()) << s_case;
        }
    }
    const std::string s_type = text_at(document, "/input/meta_info/prob_type");
    EXPECT_TRUE(s_type == "VRPTW" || s_type == "OVRPTW") << s_case;
}

// A sound result or an error record; past both checks the insertion and search methods
// refuse only a leg beyond what the solver can add up.
void expect_solved_or_refused(const Value& document, int method, bool checked,
                              const std::string& s_case)
{
    Document input = copy_of(document);
    const Value* meta_info = rapidjson::Pointer("/input/meta_info").Get(input);
    if (meta_info != nullptr && meta_info->IsObject()) {
        rapidjson::Pointer("/input/meta_info/max_time").Set(input, 0.01);
    }
    const Document result = run_vrp_method(input, method, nullptr);
    const std::string s_method = s_case + ", method " + std::to_string(method);
    const std::string s_message = text_at(result, "/output/meta_info/message");
    expect_one_output(result, result["output"].HasMember("meta_info"), s_method);
    if (!result["output"].HasMember("meta_info")) {
        test_support::expect_complete_and_within_capacity(result, method <= 1, s_method);
    } else if (checked && method >= 2) {
        EXPECT_EQ(0u, s_message.find("missing or invalid 'input.data.M")) << s_method << s_message;
    }
}

// One document through the reader, writer, both checks and every method (or the one given).
void run_document(const Value& document, const std::string& s_case, int method = -1)
{
    expect_read_or_refused(document, s_case);
    Document recorded = copy_of(document);
    add_error_record(recorded, "code", "");
    expect_one_output(recorded, true, s_case);
    const char* const k_apis[] = {"osrm", "google", "osrm_google", "no_service"};
    Document before = copy_of(document);
    Document full = copy_of(document);
    testing::internal::CaptureStdout();  // the Google fallback announces itself
    const bool before_ok = check_instance_json(before, k_apis[s_case.size() % 4], "key");
    testing::internal::GetCapturedStdout();
    const bool full_ok = check_json_file(full);
    expect_checked(before_ok, before, s_case);
    expect_checked(full_ok, full, s_case);
    is_triangular_check(full);  // reads any shape
    for (int m = std::max(method, 0); m <= (method < 0 ? 4 : method); ++m) {
        expect_solved_or_refused(document, m, before_ok && full_ok, s_case);
    }
}

// A text read from a file parses as from a string; what does not gives the invalid_file record.
void run_text(const std::string& s_text, const std::string& s_case, int method = -1)
{
    const Document parsed = string_to_json(s_text);
    const Document read = read_json_file(scratch("input.tvl", s_text));
    EXPECT_EQ(parsed.IsNull() ? "invalid_file" : json_to_string(parsed),
              parsed.IsNull() ? text_at(read, "/output/meta_info/error") : json_to_string(read))
        << s_case;
    run_document(parsed, s_case, method);
}

// Every row after the header at least as wide as the header; the header's cells as keys.
ColumnMap padded_header(const TextTable& vv_table, const std::string& s_case)
{
    ColumnMap columns;
    for (size_t row = 1; row < vv_table.size(); ++row) {
        EXPECT_GE(vv_table[row].size(), vv_table[0].size()) << s_case;
    }
    for (size_t i = 0; !vv_table.empty() && i < vv_table[0].size(); ++i) {
        columns[vv_table[0][i]] = static_cast<int32_t>(i);
    }
    return columns;
}

// Two CSV texts through both readers and the converter: a client and a vehicle per row, or
// an error record alone naming its table.
void run_csv(const std::string& s_clients, const std::string& s_vehicles,
             const std::string& s_case, int method = -1)
{
    const QString s_clients_path = QString::fromStdString(scratch("clients.csv", s_clients));
    padded_header(read_csv(s_clients_path.toStdString()), s_case);
    const TextTable vv_clients = read_csv_file(s_clients_path);
    const TextTable vv_vehicles =
        read_csv_file(QString::fromStdString(scratch("vehicles.csv", s_vehicles)));
    ColumnMap client_columns = padded_header(vv_clients, s_case);
    ColumnMap vehicle_columns = padded_header(vv_vehicles, s_case);
    const Document document = csv_databases_to_instance_json(
        vv_clients, client_columns, vv_vehicles, vehicle_columns, s_case.size() % 3 == 0);
    if (document.HasMember("output")) {
        expect_one_output(document, true, s_case);
        EXPECT_FALSE(document.HasMember("input")) << s_case;
        EXPECT_NE("", text_at(document, "/output/meta_info/message")) << s_case;
        EXPECT_EQ(0u, text_at(document, "/output/meta_info/error").find("csv_")) << s_case;
        return;
    }
    const Value& data = document["input"]["data"];
    ASSERT_EQ(vv_clients.size() - 1, data["clients"].Size()) << s_case;
    ASSERT_EQ(vv_vehicles.size() - 1, data["containers"].Size()) << s_case;
    for (const Value& client : data["clients"].GetArray()) {
        EXPECT_TRUE(client["id"].IsString() && client["demand"].GetInt() >= 0 &&
                    client["service_time"].GetInt() >= 0) << s_case;
    }
    run_document(document, s_case, method);
}

std::string corpus(const std::string& s_name) { return test_data_dir() + "/malformed/" + s_name; }

// The base instance, then each edit of it: members set and erased.
Sources edited_instances()
{
    Sources v_sources;
    v_sources.push_back({"base", load_json_file(corpus("base.json")), ""});
    const Document edits = load_json_file(corpus("edits.json"));
    for (const Value& edit : edits.GetArray()) {
        Document document = copy_of(v_sources[0].document);
        auto& allocator = document.GetAllocator();
        const Value k_none(rapidjson::kObjectType);
        for (const auto& set : (edit.HasMember("set") ? edit["set"] : k_none).GetObject()) {
            rapidjson::Pointer(set.name.GetString()).Set(document, Value(set.value, allocator));
        }
        for (const auto& erased : (edit.HasMember("erase") ? edit["erase"] : k_none).GetObject()) {
            rapidjson::Pointer(erased.name.GetString()).Erase(document);
        }
        const auto reader = edit.FindMember("reader");
        v_sources.push_back({edit["name"].GetString(), std::move(document),
                             reader != edit.MemberEnd()
                                 ? std::optional<std::string>(reader->value.GetString())
                                 : std::nullopt});
    }
    return v_sources;
}

// Port 1 on loopback: nobody listens, so every lookup and matrix request fails at once.
class MalformedInput : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Geoservices::set_endpoints({"127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1"});
        Geoservices::set_pause_function([](std::chrono::milliseconds) {});
    }
    static void TearDownTestSuite()
    {
        Geoservices::set_endpoints(Geoservices::default_endpoints());
        Geoservices::set_pause_function(nullptr);
    }
    const std::string s_clients = read_bytes(test_data_dir() + "/csv_clients.csv");
    const std::string s_vehicles = read_bytes(test_data_dir() + "/csv_vehicles.csv");
    const Sources v_edited = edited_instances();
};

}  // namespace

TEST_F(MalformedInput, CorpusFilesAndEditsEndInASoundResultOrOneRecord)
{
    for (const std::string& s_name : list_directory(test_data_dir() + "/malformed")) {
        const std::string s_text = read_bytes(corpus(s_name));
        if (s_name.rfind("clients_", 0) == 0 || s_name.rfind("vehicles_", 0) == 0) {
            const bool clients = s_name[0] == 'c';
            run_csv(clients ? s_text : s_clients, clients ? s_vehicles : s_text, s_name);
        } else {
            run_text(s_text, s_name);
        }
    }
    ASSERT_GT(v_edited.size(), 30u);
    // The base instance passes both checks and is solved by every method.
    Document before = copy_of(v_edited[0].document);
    Document full = copy_of(v_edited[0].document);
    EXPECT_TRUE(check_instance_json(before, "no_service", "") && check_json_file(full));
    for (int method = 0; method <= 4; ++method) {
        EXPECT_TRUE(
            run_vrp_method(v_edited[0].document, method, nullptr)["output"].HasMember("data"));
    }
    for (const Source& source : v_edited) {
        Instance instance;
        const InstanceReader reader(&instance, 0, source.document);
        if (source.s_reader) {
            EXPECT_EQ(reader.error_message(), *source.s_reader) << source.s_name;
        }
        run_document(source.document, source.s_name);
    }
}

TEST_F(MalformedInput, SeededMutantsEndInASoundResultOrOneRecord)
{
    std::mt19937 rng(2026);
    for (int round = 0; round < 600; ++round) {
        // Every other round from the base instance, so that mutants also reach the search.
        const Source& source =
            v_edited[static_cast<size_t>(round % 2 * draw(rng, v_edited.size()))];
        const std::string s_case = "round " + std::to_string(round) + " from " + source.s_name;
        Document document = copy_of(source.document);
        std::string s_text = json_to_string(source.document);
        std::string s_client_text = s_clients;
        std::string s_vehicle_text = s_vehicles;
        for (int k = draw(rng, 3); k >= 0; --k) {
            mutate_structure(document, rng);
            s_text = mutate_text(s_text, rng);
            std::string& s_table = draw(rng, 3) == 0 ? s_vehicle_text : s_client_text;
            s_table = mutate_text(s_table, rng);
        }
        if (round % 3 == 0) run_document(document, s_case, round % 5);
        if (round % 3 == 1) run_text(s_text, s_case, round % 5);
        if (round % 3 == 2) run_csv(s_client_text, s_vehicle_text, s_case, round % 5);
    }
}
