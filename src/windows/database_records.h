#pragma once
// Checks and conversions of the database window's records that need no widgets.

#include <QDate>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The nine client fields of the form, in record order: id, address, number,
// neighborhood, city, state, country, lat, long.
constexpr int k_client_fields = 9;

// The first fault of the client fields as an untranslated text of the DatabaseWindow
// context, or nullptr when they pass. Without with_lat_long only the name and the
// six address parts are required; with it lat and long must form a usable pair
// ("," or "." as separator), tested on copies.
const char* client_form_fault(const QStringList& v_fields, bool with_lat_long);

// The whole-number part of a stored number: leading blanks and a sign allowed, digits
// up to the first other character; 0 without digits, bounded to the int range.
int leading_whole_number(const std::string& s_text);
// A decimal number with "." as separator; 0 when the text is not one.
double decimal_number(const std::string& s_text);

// Year, two-digit month and two-digit day run together: 5 March 2024 gives "20240305".
QString coded_date(const QDate& date);
// A stored "yyyy-MM-dd" date as "dd/MM/yyyy"; empty when it does not parse.
QString display_date(const std::string& s_stored_date);

// The five shown cells of an instance row (id, distance, time, cost, date as shown)
// taken from the row's seven stored cells; cells the row lacks are empty.
std::vector<std::string> instance_grid_row(const std::vector<std::string>& v_instance);
