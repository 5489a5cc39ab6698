#pragma once

#include <string>

// The key under which a stored client is found again by its address: the
// address followed by the number, ASCII letters upper-cased byte by byte so
// that the bytes of accented letters stay as they are whatever the locale.
std::string client_code(const std::string& s_address, const std::string& s_number);
