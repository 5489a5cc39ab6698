#pragma once
// The analysis window's data: one dated cost and one dated distance per saved
// instance of a period, and the texts read out of every stored document (every client
// visit of each route and the depot's neighbourhood once per route).

#include <QDateTime>

#include <string>
#include <vector>

// One dated value (a stored date is midnight, local time).
struct DatedValue {
    QDateTime date;
    double value = 0.0;
};

// One text with a count; the loaders append every text they read with count 1.
struct KeyCount {
    std::string key;
    int count = 0;
};

// The two lists read out of the stored documents.
struct RouteLists {
    std::vector<KeyCount> v_clients;
    std::vector<KeyCount> v_neighborhoods;
};

// Reads a decimal text as the C library does (leading blanks skipped, the longest
// number prefix taken) but with a point whatever the process locale; false when no
// number begins the text.
bool read_decimal(const std::string& s_text, double& value);

// Midnight (local time) of a "yyyy-MM-dd" text; invalid when the text does not match.
QDateTime stored_date(const std::string& s_date);

// Appends the texts of one stored instance text: for every route the id of each of its
// visits except the depot's (client record 0), and the neighbourhood of client record 0.
// What a document lacks (it does not parse, a member is missing or of another type, an
// array is empty) is left out.
void append_route_lists(const std::string& s_json, RouteLists& lists);

// Appends one cost and one distance record per row of the instances table (columns
// in table order), then, when lists is given, the texts of the row's document. A row
// that is too short or whose cost or distance is not a number is skipped whole.
void append_instance_rows(const std::vector<std::vector<std::string>>& vv_rows,
                          std::vector<DatedValue>& v_cost, std::vector<DatedValue>& v_distance,
                          RouteLists* lists);
