#pragma once
// Checks a default value typed by the planner that must be a whole number of 0 or more.

#include <string>

enum class WholeNumberCheck { valid, not_integer, negative };

// Valid: blanks, an optional sign, decimal digits within the 32-bit signed range, blanks.
// Anything else in the text (a decimal point, a unit) is not a whole number; below 0 is negative.
WholeNumberCheck check_whole_number(const std::string& s_text);
