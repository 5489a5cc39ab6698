#pragma once
// The grids' rows of an instance document: the inverse of the document that the
// grids build. A member that a document lacks, or holds with another type, leaves
// its cell empty (a text) so that the grid checks report it before any optimisation.

#include <QVariant>
#include <rapidjson/document.h>

#include <vector>

// Whether the document holds the input part the grids are loaded from: input.data with
// the operation start as text, and clients (the depot first) and containers as arrays of
// at least one object each. A document without it would only empty the grids.
bool has_grid_input(const rapidjson::Value& document);

// One 14-value client-grid row per element of input.data.clients: texts, the two
// time windows as the operation start plus their seconds, the service time in
// minutes (rounded to the nearest minute), the demand as a whole number.
std::vector<std::vector<QVariant>> instance_client_rows(const rapidjson::Value& document);

// One 5-value vehicle-grid row per element of input.data.containers.
std::vector<std::vector<QVariant>> instance_vehicle_rows(const rapidjson::Value& document);
