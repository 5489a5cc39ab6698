#pragma once
// The routes CSV file of a solved instance: a header row in the user's language, a
// row per shown visit of every route, a row per unrouted client, an empty line, then
// the direction links of the routes under a header of their own.

#include "text_table.h"

#include <rapidjson/document.h>

#include <string>

// The header rows are left out for a language other than "POR", "ENG" and "GER".
TextTable routes_csv_table(const rapidjson::Value& document, const std::string& s_language);
