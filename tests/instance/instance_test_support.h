#pragma once
// What the instance tests share: test data and scratch files.

#include "test_environment.h"
#include "json_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

inline std::string data_path(const std::string& s_name) { return test_data_dir() + "/" + s_name; }

// The process id keeps parallel runs of the test programs out of each other's files.
inline std::string temp_path(const std::string& s_name)
{
    return testing::TempDir() + "tovalo_" + std::to_string(getpid()) + "_" + s_name;
}
