#pragma once

#include <string>

// Numbers are stored from their text so that the column affinity turns them into
// SQLite numbers; the text never depends on the process locale (a comma under
// pt_BR would make a real a text).
std::string sql_int_text(int value);
std::string sql_double_text(double value);  // six decimals, as "%f" in the C locale
