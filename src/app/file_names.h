#pragma once
// The names under which the main window writes its files.

#include <string>

// The chosen path with every occurrence of the extension removed from its file name
// and the extension appended once ("plan", "plan.tvl" -> "plan.tvl"); the folder part
// is kept as chosen, so a folder named "x.tvl" stays where it is.
std::string normalised_file_name(const std::string& s_chosen, const std::string& s_extension);
