#pragma once
// Fills an Instance from the input part of an instance document.

#include "instance.h"

#include <rapidjson/document.h>

#include <deque>
#include <string>

// A matrix entry off the diagonal that the reader takes: a number from 0 to 2147483647.
// The checks before optimisation apply the same rule, so a checked document is read.
bool is_leg(const rapidjson::Value& entry);

// Every read checks the JSON form it needs: a document of the wrong shape makes
// the reader fail with a message naming the first offending member, and never
// reads out of range. Values the solver cannot count with fail the same way:
// a negative demand, capacity or vehicle count, or a matrix leg outside
// 0..2147483647. Each step replaces what it fills, so reading twice gives
// the same Instance. The held instance must not be null when a step runs.
class InstanceReader {
public:
    Instance* instance;

    // Reads the whole input part when no_read is 0.
    InstanceReader(Instance* instance, int no_read, const rapidjson::Value& document);

    // Reads the whole input part again when no_read is 0.
    void read(int no_read, const rapidjson::Value& document);
    // Matrices, clients, containers, open-route adjustment and time limit; false on failure.
    bool read_input(const rapidjson::Value& document);

    bool read_distance_matrix(const rapidjson::Value& document);
    bool read_time_matrix(const rapidjson::Value& document);
    bool read_clients(const rapidjson::Value& document);
    bool read_containers(const rapidjson::Value& document);
    // Makes the return leg to the depot free when prob_type is "OVRPTW".
    bool adjust_open_routes(const rapidjson::Value& document);

    // Diagnostic: prints a line for every triple that breaks the triangle inequality.
    void is_triangular_json(const rapidjson::Value& document) const;

    bool failed() const { return has_failed; }
    // "missing or invalid '<member>' field" for the first failure.
    const std::string& error_message() const { return s_error_message; }

private:
    using Matrix = std::deque<std::deque<double>>;

    bool has_failed = false;
    std::string s_error_message;

    bool fail(const std::string& s_path);
    using TypeTest = bool (rapidjson::Value::*)() const;

    // The named member when present with the tested type; else records the failure.
    const rapidjson::Value* member(const rapidjson::Value& object, const char* s_name,
                                   const std::string& s_path, TypeTest is_type);
    const rapidjson::Value* input_object(const rapidjson::Value& document, const char* s_name);
    const rapidjson::Value* data_array(const rapidjson::Value& document, const char* s_name);
    bool read_int(const rapidjson::Value& object, const char* s_name, const std::string& s_path,
                  int& value);
    // A demand, capacity or vehicle count: an integer of at least 0.
    bool read_count(const rapidjson::Value& object, const char* s_name, const std::string& s_path,
                    int& value);
    bool read_string(const rapidjson::Value& object, const char* s_name,
                     const std::string& s_path, std::string& s_value);
    bool read_matrix(const rapidjson::Value& document, const char* s_name, Matrix& matrix);
    bool check_matrix(const rapidjson::Value& rows, const std::string& s_path);
    template <typename Record>
    using RecordReader = bool (InstanceReader::*)(const rapidjson::Value&, const std::string&,
                                                  Record&);
    // One record per element of input.data.<name>, read in order.
    template <typename Record>
    bool read_records(const rapidjson::Value& document, const char* s_name,
                      std::deque<Record>& v_records, RecordReader<Record> read_record);
    bool read_client(const rapidjson::Value& object, const std::string& s_path, Client& client);
    bool read_container(const rapidjson::Value& object, const std::string& s_path,
                        Container& container);
    bool matrices_cover_clients();
    bool read_max_time(const rapidjson::Value& document);
};
