#pragma once
// Whole numbers typed into the grids or stored in the database: read the way the C
// library reads them (blanks, a sign, digits up to the first other character), but
// without ever throwing.

#include <string>

// The leading whole number of the text. False, with value 0, when the text does not
// begin with one; a number beyond the int range is held at the nearest int.
bool leading_whole_number(const std::string& s_text, int& value);
// The same, giving fallback when the text does not begin with a whole number.
int leading_whole_number_or(const std::string& s_text, int fallback);
