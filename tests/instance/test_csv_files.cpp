#include "csv_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string temp_path(const std::string& s_name)
{
    // The process id keeps parallel runs of this binary out of each other's files.
    return testing::TempDir() + "tovalo_csv_" + std::to_string(getpid()) + "_" + s_name;
}

void write_bytes(const std::string& s_path, const std::string& s_bytes)
{
    std::ofstream(s_path, std::ios::binary) << s_bytes;
}

std::string read_bytes(const std::string& s_path)
{
    std::ifstream file(s_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TextTable read_both(const std::string& s_bytes, TextTable& vv_text_reader)
{
    const std::string s_path = temp_path("read.csv");
    write_bytes(s_path, s_bytes);
    vv_text_reader = read_csv_file(QString::fromStdString(s_path));
    return read_csv(s_path);
}

}  // namespace

TEST(WriteCsv, WritesThePlainLayoutWhenNoCellNeedsQuotes)
{
    struct Case {
        TextTable vv_table;
        std::string s_bytes;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"a", "b"}, {}, {"c"}}, "a;b\nc\n"},
        {{{""}, {"", ""}}, "\n;\n"},
        {{{"São", "1.5", "a,b", "x'y"}}, "São;1.5;a,b;x'y\n"},
    };
    const std::string s_path = temp_path("write.csv");
    for (const Case& c : cases) {
        write_bytes(s_path, "old content that must go");
        write_csv(c.vv_table, s_path);
        EXPECT_EQ(read_bytes(s_path), c.s_bytes);
    }
}

TEST(WriteCsv, QuotesOnlyCellsThatWouldSplitAndBothReadersTakeThemBack)
{
    const TextTable vv_table = {{"id", "obs", "city"},
                                {"C1", "ring; then wait", "Curitiba"},
                                {"C2", "gate \"B\"\nback door\r\n", ""},
                                {"C3", "\"", "x"}};
    const std::string s_path = temp_path("quoted.csv");
    ASSERT_TRUE(try_write_csv(vv_table, s_path));
    EXPECT_EQ(read_bytes(s_path),
              "id;obs;city\nC1;\"ring; then wait\";Curitiba\n"
              "C2;\"gate \"\"B\"\"\nback door\r\n\";\nC3;\"\"\"\";x\n");

    EXPECT_EQ(read_csv(s_path), vv_table) << "the empty last cell comes back by padding";
    EXPECT_EQ(read_csv_file(QString::fromStdString(s_path)), vv_table);
}

TEST(WriteCsv, AFileThatCannotBeWrittenIsReportedByTheCheckedVariant)
{
    const std::string s_path = temp_path("no_such_dir/out.csv");
    EXPECT_FALSE(try_write_csv({{"a"}}, s_path));
    write_csv({{"a"}}, s_path);  // returns quietly
    EXPECT_TRUE(try_write_csv({{"a"}}, temp_path("ok.csv")));
}

TEST(ReadCsv, EachReaderSplitsLinesByItsOwnRule)
{
    struct Case {
        std::string s_bytes;
        TextTable vv_byte_reader;
        TextTable vv_text_reader;
    };
    const Case cases[] = {
        {"", {}, {}},
        {"x;y;\n", {{"x", "y"}}, {{"x", "y", ""}}},
        {"a;b\r\nc;d\r\n", {{"a", "b"}, {"c", "d"}}, {{"a", "b"}, {"c", "d"}}},
        {"a;b\nc;d", {{"a", "b"}, {"c", "d"}}, {{"a", "b"}, {"c", "d"}}},
        // An empty line: no cells for the byte reader (padded when it follows row 0).
        {"\na;b\n", {{}, {"a", "b"}}, {{""}, {"a", "b"}}},
        {"a\n\nb\n", {{"a"}, {""}, {"b"}}, {{"a"}, {""}, {"b"}}},
        {"\r\n\r\n", {{}, {}}, {{""}, {""}}},
        {"a\rb;c\n", {{"a\rb", "c"}}, {{"a\rb", "c"}}},
        {"a;;b\n", {{"a", "", "b"}}, {{"a", "", "b"}}},
        // A quote inside an unquoted cell is ordinary text.
        {"5\" tube;x\n", {{"5\" tube", "x"}}, {{"5\" tube", "x"}}},
        // An unclosed quote keeps the rest of the file in its cell.
        {"\"open;x\ny\n", {{"open;x\ny\n"}}, {{"open;x\ny\n"}}},
    };
    for (const Case& c : cases) {
        TextTable vv_text_reader;
        EXPECT_EQ(read_both(c.s_bytes, vv_text_reader), c.vv_byte_reader)
            << testing::PrintToString(c.s_bytes);
        EXPECT_EQ(vv_text_reader, c.vv_text_reader) << testing::PrintToString(c.s_bytes);
    }
}

TEST(ReadCsv, RowsAfterTheFirstArePaddedToItsWidthAndNeverCut)
{
    TextTable vv_text_reader;
    const TextTable vv_expected = {{"h1", "h2", "h3", "h4", "h5"},
                                   {"a", "b", "c", "", ""},
                                   {"1", "2", "3", "4", "5", "6", "7"},
                                   {"", "", "", "", ""}};
    EXPECT_EQ(read_both("h1;h2;h3;h4;h5\na;b;c\n1;2;3;4;5;6;7\n\n", vv_text_reader),
              vv_expected);
    EXPECT_EQ(vv_text_reader, vv_expected);

    EXPECT_EQ(read_both("a;b\n", vv_text_reader), (TextTable{{"a", "b"}}));
    EXPECT_EQ(read_both("a\nb;c;d\n", vv_text_reader), (TextTable{{"a"}, {"b", "c", "d"}}));
}

TEST(ReadCsvFile, DecodesUtf8AndStripsAccents)
{
    TextTable vv_text_reader;
    EXPECT_EQ(read_both("\xEF\xBB\xBFJoão;Conceição\n", vv_text_reader),
              (TextTable{{"\xEF\xBB\xBFJoão", "Conceição"}}));
    EXPECT_EQ(vv_text_reader, (TextTable{{"Joao", "Conceicao"}})) << "byte-order mark dropped";
}

TEST(ReadCsv, AMissingFileGivesAnEmptyTable)
{
    EXPECT_TRUE(read_csv(temp_path("missing.csv")).empty());
    EXPECT_TRUE(read_csv_file(QString::fromStdString(temp_path("missing.csv"))).empty());
}
