#pragma once
// The folders the tests read come from variables that ctest sets. A test program
// started by hand without them stops at once, naming what is missing, instead of
// reading files that are not there.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

inline std::string required_test_folder(const char* s_variable, const char* s_folder)
{
    const char* s_dir = std::getenv(s_variable);
    struct stat info {};
    if (s_dir == nullptr || *s_dir == '\0' || stat(s_dir, &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::fprintf(stderr,
                     "%s does not name a folder: set it to the source tree's %s folder, "
                     "or run the tests through ctest\n",
                     s_variable, s_folder);
        std::exit(2);
    }
    return s_dir;
}

// tests/data of the source tree.
inline std::string test_data_dir()
{
    return required_test_folder("TOVALO_TEST_DATA", "tests/data");
}

inline void write_bytes(const std::string& s_path, const std::string& s_bytes)
{
    std::ofstream(s_path, std::ios::binary | std::ios::trunc) << s_bytes;
}

inline std::string read_bytes(const std::string& s_path)
{
    std::ifstream file(s_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
