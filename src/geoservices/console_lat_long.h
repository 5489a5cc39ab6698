#pragma once
// Console routines that fill in the missing coordinates of a table of client addresses,
// one row at a time, printing their progress on standard output. Row 0 is the header;
// "lat" and "long" are written with "," as the decimal separator.

#include "text_table.h"

#include <cstdint>
#include <map>
#include <string>

// Column name -> position within a row. The routines need "lat", "long", "address",
// "number", "neighborhood", "city" and "country".
using ColumnMap = std::map<std::string, int32_t>;

// Each returns false, with a console line and the table untouched, when the table has
// client rows and the column map lacks one of the names above or gives it a negative
// position; true once every client row has had its attempt.

// Nominatim alone: the first match is taken.
bool collect_lat_long_database_osm(TextTable& vv_table, const ColumnMap& columns,
                                   const std::string& s_email);
// Nominatim alone: a single match is not trusted; the first of several is taken.
bool collect_lat_long_database_osm_exact(TextTable& vv_table, const ColumnMap& columns,
                                         const std::string& s_email);
// Nominatim's first of several matches, else Google.
bool collect_lat_long_database_osm_google(TextTable& vv_table, const ColumnMap& columns,
                                          const std::string& s_email, const std::string& s_key);
