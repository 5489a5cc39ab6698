#pragma once
// The field-by-field check of a whole instance file: the problem type, every container
// and client, the clients' coordinates (looking up the addresses of clients without
// any), the matrix settings, then the matrices. Each function returns true when its
// test passed; false after appending one error record to the document.

#include <rapidjson/document.h>

// The entry point; a document whose text did not parse (null root) is "invalid_file".
bool check_json_file(rapidjson::Document& document);

// input.data: containers, clients, then coordinates and matrix settings when the
// document carries no matrix, else the matrices' sizes and empty entries.
bool check_data(rapidjson::Document& document);

// Every container: string container_id; container_qt, container_dim, container_fixed_cost
// and container_var_cost whole numbers of 32 bits, at least 0.
bool check_containers(rapidjson::Document& document);

// Every client: early_tw, late_tw, service_time and demand whole numbers of 32 bits,
// at least 0, and a string id.
bool check_clients(rapidjson::Document& document);

// Both coordinates or none per client; usable when present. Clients without coordinates
// are looked up by address through the service lat_long_api names, with a pause after
// each lookup, and gain "lat" and "long" when found. Only the first fault is recorded;
// the scan still looks up the remaining clients.
bool check_clients_lat_long(rapidjson::Document& document);

// distance_matrix_api (and google_api_key where it is needed), then the matrices,
// fetched from that service.
bool check_distance_matrix_api(rapidjson::Document& document);

// Whether no distance of input.data.Mdij is longer than a detour over a third client.
// Writes nothing; a matrix that is missing, ragged or holds no number is not shown
// triangular.
bool is_triangular_check(const rapidjson::Document& document);
