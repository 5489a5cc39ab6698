#pragma once
// The input part of an instance document, written from the checked grid tables,
// the operation start, two window controls and four settings.

#include "text_table.h"

#include <QDateTime>
#include <QString>
#include <rapidjson/document.h>

#include <string>

// What the document takes from the window and the settings besides the tables.
struct InstanceOptions {
    int max_time = 1;
    bool open_routes = false;
    std::string s_distance_matrix_api;
    std::string s_lat_long_api;
    std::string s_google_api_key;
    std::string s_email;
};

// The document {"input": {"data": {...}, "meta_info": {...}}}; the time windows of
// the client table are counted in seconds from operation_start.
rapidjson::Document build_instance_document(const TextTable& vv_client, const TextTable& vv_vehicle,
                                            const QDateTime& operation_start,
                                            const InstanceOptions& options);

// One client object per table row (cells as the client grid check leaves them); the
// start is given in the time-window text form.
void append_clients_json(const TextTable& vv_client, rapidjson::Value& clients,
                         rapidjson::Document& document, const QString& s_operation_start);
void append_containers_json(const TextTable& vv_vehicle, rapidjson::Value& containers,
                            rapidjson::Document& document);
void add_meta_info_json(rapidjson::Value& meta_info, rapidjson::Document& document,
                        const InstanceOptions& options);
