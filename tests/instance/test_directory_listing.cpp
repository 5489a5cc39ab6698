#include "directory_listing.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>

TEST(ListDirectory, SortsByByteValueAndDropsOnlyTheDotEntries)
{
    std::string s_template = testing::TempDir() + "tovalo_listing_XXXXXX";
    ASSERT_NE(mkdtemp(s_template.data()), nullptr);
    const std::string s_directory = s_template + "/";
    EXPECT_TRUE(list_directory(s_directory).empty());

    // Names that sort before "." must survive: dropping the first two would lose them.
    for (const char* name : {"b", "a", "-first", "+plus", ".hidden", "B"}) {
        std::ofstream(s_directory + name) << "x";
    }
    mkdir((s_directory + "sub").c_str(), 0700);
    EXPECT_EQ(list_directory(s_directory),
              (std::vector<std::string>{"+plus", "-first", ".hidden", "B", "a", "b", "sub"}));
}

TEST(ListDirectory, AMissingDirectoryPrintsTheReasonAndGivesNoNames)
{
    testing::internal::CaptureStderr();
    EXPECT_TRUE(list_directory(testing::TempDir() + "tovalo_no_such_dir").empty());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("No such file"), std::string::npos);
}
