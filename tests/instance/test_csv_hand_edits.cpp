// Client files edited by hand: a quote left open, and a date that no calendar has.

#include "csv_files.h"
#include "instance_test_support.h"
#include "minutes_between.h"

#include <ctime>
#include <string>

namespace {

// The byte reader's table; the text reader must give the same.
TextTable read_both(const std::string& s_bytes)
{
    const std::string s_path = temp_path("edited.csv");
    write_bytes(s_path, s_bytes);
    const TextTable vv_table = read_csv(s_path);
    EXPECT_EQ(read_csv_file(QString::fromStdString(s_path)), vv_table) << s_bytes;
    return vv_table;
}

}  // namespace

TEST(HandEditedCsv, AQuoteLeftOpenStaysOnItsLine)
{
    const std::string s_header = "id;address;city\n";
    EXPECT_EQ(read_both(s_header + "C1;\"Oak Road;X\nC2;Elm;Y\nC3;Ash;Z\n"),
              (TextTable{{"id", "address", "city"}, {"C1", "\"Oak Road", "X"},
                         {"C2", "Elm", "Y"}, {"C3", "Ash", "Z"}}));
    // A later quoted cell does not close it either.
    EXPECT_EQ(read_both(s_header + "C1;\"Oak\nC2;\"Elm;1\";Y\nC3;x\";Z\r\n"),
              (TextTable{{"id", "address", "city"}, {"C1", "\"Oak", ""},
                         {"C2", "Elm;1", "Y"}, {"C3", "x\"", "Z"}}));
    EXPECT_EQ(read_both("\"ab\"cd;e\n"), (TextTable{{"\"ab\"cd", "e"}}));
}

TEST(HandEditedCsv, WhatTheWriterQuotesStillReadsBackExactly)
{
    const TextTable vv_table = {{"id", "obs", "city"},
                                {"\"", "ends in a quote\"", "\"starts;\nand breaks\r\n"},
                                {"a\nb\";c", "\"\"", "x;"},
                                {"", "\n", "\"q\"\n"}};
    const std::string s_path = temp_path("written.csv");
    ASSERT_TRUE(try_write_csv(vv_table, s_path));
    EXPECT_EQ(read_both(read_bytes(s_path)), vv_table);
}

TEST(HandEditedCsv, ADateNoCalendarHasIsUnreadable)
{
    setenv("TZ", "UTC", 1);
    tzset();
    const char* k_format = "%d/%m/%Y %H:%M:%S";
    const char* s_start = "01/02/2021 00:00:00";
    const std::pair<const char*, int> v_valid[] = {{"28/02/2021 00:00:00", 38880},
                                                   {"29/02/2024 00:00:00", 1617120},
                                                   {"31/12/2021 00:00:00", 479520}};
    for (const auto& [s_date, minutes] : v_valid) {
        bool ok = false;
        EXPECT_EQ(minutes_between(s_start, s_date, ok, k_format), minutes) << s_date;
        EXPECT_TRUE(ok) << s_date;
    }
    for (const char* s_date : {"31/02/2021 08:00:00", "29/02/2023 08:00:00", "31/04/2021 08:00:00"}) {
        bool ok = true;
        EXPECT_EQ(minutes_between(s_start, s_date, ok, k_format), -1) << s_date;
        EXPECT_FALSE(ok) << s_date;
    }
}
