#include "directory_listing.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>

std::vector<std::string> list_directory(const std::string& s_path)
{
    std::vector<std::string> v_names;
    DIR* directory = opendir(s_path.c_str());
    if (directory == nullptr) {
        std::perror("");
        return v_names;
    }
    while (const dirent* entry = readdir(directory)) {
        const std::string s_name = entry->d_name;
        if (s_name != "." && s_name != "..") {
            v_names.push_back(s_name);
        }
    }
    closedir(directory);
    std::sort(v_names.begin(), v_names.end());
    return v_names;
}
