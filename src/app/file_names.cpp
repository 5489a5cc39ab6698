#include "file_names.h"

#include "text_table.h"

std::string normalised_file_name(const std::string& s_chosen, const std::string& s_extension)
{
    const size_t name_start = s_chosen.find_last_of('/') + 1;  // npos + 1 == 0
    std::string s_name = s_chosen.substr(name_start);
    replace_all(s_name, s_extension, "");
    return s_chosen.substr(0, name_start) + s_name + s_extension;
}
