#pragma once
// Names in a directory, for developer tools.

#include <string>
#include <vector>

// Every entry's name but "." and "..", sorted by byte value; a directory that cannot
// be opened prints the system's reason on the error stream and gives no names.
std::vector<std::string> list_directory(const std::string& s_path);
