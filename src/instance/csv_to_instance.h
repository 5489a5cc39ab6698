#pragma once
// Builds the input part of an instance document from a client table and a vehicle
// table read from CSV files, or a document holding only the error record of the
// first problem found. Time windows come out in whole minutes from the depot's start.

#include "text_table.h"

#include <rapidjson/document.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// Instance-document key -> column index. A key the map lacks stands for column 0
// and is added with it; only "obs" is optional and never added.
using ColumnMap = std::map<std::string, int32_t>;

// Row 0 of each table is a header; row 1 of the client table is the depot.
rapidjson::Document csv_databases_to_instance_json(const TextTable& vv_clients,
                                                   ColumnMap& client_columns,
                                                   const TextTable& vv_vehicles,
                                                   ColumnMap& vehicle_columns, bool open_routes);

// Each step adds to its object and returns true, or fills error with "error" and
// "message" and returns false.
bool csv_clients_to_json(const TextTable& vv_clients, ColumnMap& columns, rapidjson::Value& data,
                         rapidjson::Value& error, rapidjson::Document& document);
bool csv_vehicles_to_json(const TextTable& vv_vehicles, ColumnMap& columns,
                          rapidjson::Value& data, rapidjson::Value& error,
                          rapidjson::Document& document);
bool csv_time_windows_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                              rapidjson::Value& client, rapidjson::Value& error,
                              rapidjson::Document& document);
bool csv_lat_long_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                          rapidjson::Value& client, rapidjson::Value& error,
                          rapidjson::Document& document);
bool csv_demand_service_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                                rapidjson::Value& client, rapidjson::Value& error,
                                rapidjson::Document& document);
// Never fails.
bool csv_address_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                         rapidjson::Value& client, rapidjson::Document& document);
