#include "accents.h"
#include "directory_listing.h"
#include "text_table.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanningInsertedText)
{
    const std::string cases[][4] = {
        {"1.234.5", ".", ",", "1,234,5"}, {"a.b", ".", "..", "a..b"}, {"aaa", "aa", "b", "ba"},
        {"ab", "a", "aa", "aab"}, {"x", "y", "z", "x"}, {"", "a", "b", ""},
        {"abc", "", "X", "abc"},  // an empty pattern ends at once and changes nothing
    };
    for (const auto& c : cases) {
        std::string s_subject = c[0];  // changed in place
        EXPECT_EQ(replace_all(s_subject, c[1], c[2]) + "|" + s_subject, c[3] + "|" + c[3]) << c[0];
    }
}

TEST(TabSeparatedText, WritesLinesUnquotedAndReadsByTheSplitRule)
{
    EXPECT_EQ(table_to_tsv({}), "");
    EXPECT_EQ(table_to_tsv({{"a", "b"}, {}, {"c"}}), "a\tb\nc\n");
    EXPECT_EQ(table_to_tsv({{""}, {"", ""}, {"x;\"y\""}}), "\n\t\nx;\"y\"\n");
    const std::pair<std::string, TextTable> cases[] = {
        {"", {}}, {"a\tb\nc", {{"a", "b"}, {"c"}}}, {"a\t\tb", {{"a", "", "b"}}},
        {"a\tb\t", {{"a", "b"}}}, {"a\n\nb\n", {{"a"}, {}, {"b"}}}, {"\t\n", {{""}}},
        {"a\tb\r\nc\r\n", {{"a", "b\r"}, {"c\r"}}}, {"\"a\tb\"\n", {{"\"a", "b\""}}}};
    for (const auto& [s_text, vv_expected] : cases) {
        EXPECT_EQ(tsv_to_table(s_text), vv_expected) << testing::PrintToString(s_text);
    }
}

// replace_in_columns treats a column listed twice twice and grows no short row; padding
// and cell access never reach beyond a row.
TEST(TextTable, ColumnsAndCellsNeverReachBeyondARow)
{
    TextTable vv_table = {{"lat.h", "long.h", "x.y"}, {"1.5", "2.5", "3.5"}, {"4.5"}};
    replace_in_columns(vv_table, {0, 1}, ".", ",", 1);
    replace_in_columns(vv_table, {2, 2, -1, 7}, ".", "..", 0);
    replace_in_columns(vv_table, {0}, ".", "!", 3);
    EXPECT_EQ(vv_table,
              (TextTable{{"lat.h", "long.h", "x....y"}, {"1,5", "2,5", "3....5"}, {"4,5"}}));
    vv_table = {{"h1", "h2", "h3"}, {"a"}, {"1", "2", "3", "4"}, {}};
    pad_rows_to_first_row(vv_table);
    EXPECT_EQ(vv_table,
              (TextTable{{"h1", "h2", "h3"}, {"a", "", ""}, {"1", "2", "3", "4"}, {"", "", ""}}));
    EXPECT_EQ(cell_at(vv_table, 2, 3) + cell_at(vv_table, 1, 3) + cell_at(vv_table, 1, -1) +
                  cell_at(vv_table, 9, 0), "4");
}

TEST(RemoveAccents, DropsDiacriticsAndKeepsEverythingElse)
{
    // Without a canonical decomposition a character stays; a spacing combining mark
    // (Devanagari vowel sign AA) is not dropped; decomposed input; Hangul comes back composed.
    const std::pair<const char*, const char*> cases[] = {
        {"São José", "Sao Jose"}, {"Müller", "Muller"}, {"Ñandú ÿ Å ő", "Nandu y A o"},
        {"Nº 12ª Straße Łódź Ø \"f\"\t;", "Nº 12ª Straße Łodz Ø \"f\"\t;"},
        {"\xE0\xA4\x95\xE0\xA4\xBE", "\xE0\xA4\x95\xE0\xA4\xBE"}, {"Jose\xCC\x81", "Jose"},
        {"\xEA\xB0\x80", "\xEA\xB0\x80"}};
    for (const auto& [s_text, s_expected] : cases) {
        EXPECT_EQ(remove_accents(QString::fromUtf8(s_text)).toStdString(), s_expected) << s_text;
    }
}

TEST(ListDirectory, SortsByByteValueAndDropsOnlyTheDotEntries)
{
    std::string s_directory = testing::TempDir() + "tovalo_listing_XXXXXX";
    ASSERT_NE(mkdtemp(s_directory.data()), nullptr);
    s_directory += "/";
    EXPECT_TRUE(list_directory(s_directory).empty());
    // Names that sort before "." must survive: dropping the first two would lose them.
    for (const char* name : {"b", "a", "-first", "+plus", ".hidden", "B"}) {
        std::ofstream(s_directory + name) << "x";
    }
    mkdir((s_directory + "sub").c_str(), 0700);
    EXPECT_EQ(list_directory(s_directory),
              (std::vector<std::string>{"+plus", "-first", ".hidden", "B", "a", "b", "sub"}));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(list_directory(s_directory + "no_such_dir").empty());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("No such file"), std::string::npos);
}
