#include "text_table.h"

#include <gtest/gtest.h>

#include <string>

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanningInsertedText)
{
    struct Case {
        std::string s_subject, s_pattern, s_replacement, s_expected;
    };
    const Case cases[] = {
        {"1.234.5", ".", ",", "1,234,5"},
        {"a.b", ".", "..", "a..b"},
        {"aaa", "aa", "b", "ba"},
        {"ab", "a", "aa", "aab"},
        {"-25,43", ",", ".", "-25.43"},
        {"x", "y", "z", "x"},
        {"", "a", "b", ""},
        {"abc", "", "X", "abc"},  // an empty pattern ends at once and changes nothing
        {"a b  c", " ", "+", "a+b++c"},
    };
    for (const Case& c : cases) {
        std::string s_subject = c.s_subject;
        EXPECT_EQ(replace_all(s_subject, c.s_pattern, c.s_replacement), c.s_expected)
            << c.s_subject;
        EXPECT_EQ(s_subject, c.s_expected) << "the subject changes in place";
    }
}

TEST(ReplaceInColumns, TreatsListedColumnsFromTheFirstRowAndSkipsMissingCells)
{
    const TextTable vv_original = {{"lat.h", "long.h", "x.y"}, {"1.5", "2.5", "3.5"}, {"4.5"}};

    TextTable vv_table = vv_original;
    replace_in_columns(vv_table, {0, 1}, ".", ",", 1);
    EXPECT_EQ(vv_table, (TextTable{{"lat.h", "long.h", "x.y"}, {"1,5", "2,5", "3.5"}, {"4,5"}}));

    vv_table = vv_original;
    replace_in_columns(vv_table, {2, 2, -1, 7}, ".", "..", 0);
    EXPECT_EQ(vv_table[0][2], "x....y") << "a column listed twice is treated twice";
    EXPECT_EQ(vv_table[2], (std::vector<std::string>{"4.5"})) << "short rows are not grown";

    vv_table = vv_original;
    replace_in_columns(vv_table, {0}, ".", ",", 3);
    replace_in_columns(vv_table, {}, ".", ",", 0);
    EXPECT_EQ(vv_table, vv_original);
}

TEST(TabSeparatedText, WritesEveryRowWithALineFeedAndNoQuoting)
{
    EXPECT_EQ(table_to_tsv({}), "");
    EXPECT_EQ(table_to_tsv({{"a", "b"}, {}, {"c"}}), "a\tb\nc\n");
    EXPECT_EQ(table_to_tsv({{""}, {"", ""}, {"x;\"y\""}}), "\n\t\nx;\"y\"\n");
}

TEST(TabSeparatedText, ReadsLinesAndCellsByTheSplitRule)
{
    struct Case {
        std::string s_text;
        TextTable vv_expected;
    };
    const Case cases[] = {
        {"", {}},
        {"a\tb\nc\n", {{"a", "b"}, {"c"}}},
        {"a\tb\nc", {{"a", "b"}, {"c"}}},
        {"a\t\tb", {{"a", "", "b"}}},
        {"a\tb\t", {{"a", "b"}}},
        {"a\n\nb\n", {{"a"}, {}, {"b"}}},
        {"\t\n", {{""}}},
        {"a\tb\r\nc\r\n", {{"a", "b\r"}, {"c\r"}}},
        {"\"a\tb\"\n", {{"\"a", "b\""}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tsv_to_table(c.s_text), c.vv_expected) << testing::PrintToString(c.s_text);
    }
}

TEST(TextTable, PaddingAndCellAccessNeverReachBeyondARow)
{
    TextTable vv_table = {{"h1", "h2", "h3"}, {"a"}, {"1", "2", "3", "4"}, {}};
    pad_rows_to_first_row(vv_table);
    EXPECT_EQ(vv_table, (TextTable{{"h1", "h2", "h3"}, {"a", "", ""}, {"1", "2", "3", "4"},
                                   {"", "", ""}}));

    EXPECT_EQ(cell_at(vv_table, 2, 3), "4");
    EXPECT_EQ(cell_at(vv_table, 1, 3), "");
    EXPECT_EQ(cell_at(vv_table, 1, -1), "");
    EXPECT_EQ(cell_at(vv_table, 9, 0), "");
}
