#pragma once
// Google Maps direction links of the solved routes: one or more links a route, each
// of at most 22 stops, every further link beginning with the stop that ended the one
// before, so that the parts join into the whole route.

#include "text_table.h"

#include <rapidjson/document.h>

extern const char k_directions_base[];

// Rows of two cells: the label "R-<route>-<part>" (both from 0) and the link. Empty
// for a document without output.data.routes.
TextTable route_direction_links(const rapidjson::Value& document);
