#include "csv_files.h"
#include "instance_test_support.h"

#include <string>

namespace {

// The byte reader's table; the text reader's in vv_text_reader.
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
    const std::pair<TextTable, std::string> cases[] = {
        {{}, ""},
        {{{"a", "b"}, {}, {"c"}}, "a;b\nc\n"},
        {{{""}, {"", ""}}, "\n;\n"},
        {{{"São", "1.5", "a,b", "x'y"}}, "São;1.5;a,b;x'y\n"},
    };
    const std::string s_path = temp_path("write.csv");
    for (const auto& [vv_table, s_bytes] : cases) {
        write_bytes(s_path, "old content that must go");
        write_csv(vv_table, s_path);
        EXPECT_EQ(read_bytes(s_path), s_bytes);
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
        {"a\rb;;c\n", {{"a\rb", "", "c"}}, {{"a\rb", "", "c"}}},
        // A quote inside an unquoted cell is ordinary text.
        {"5\" tube;x\n", {{"5\" tube", "x"}}, {{"5\" tube", "x"}}},
        // An unclosed quote is plain text on its own line.
        {"\"open;x\ny\n", {{"\"open", "x"}, {"y", ""}}, {{"\"open", "x"}, {"y", ""}}},
        // Rows after the first are padded to its width and never cut.
        {"h1;h2;h3\na\n1;2;3;4\n\n", {{"h1", "h2", "h3"}, {"a", "", ""}, {"1", "2", "3", "4"},
                                      {"", "", ""}}, {}},
        {"a\nb;c;d\n", {{"a"}, {"b", "c", "d"}}, {}},
    };
    for (const Case& c : cases) {
        TextTable vv_text_reader;
        const std::string s_case = testing::PrintToString(c.s_bytes);
        EXPECT_EQ(read_both(c.s_bytes, vv_text_reader), c.vv_byte_reader) << s_case;
        EXPECT_EQ(vv_text_reader, c.vv_text_reader.empty() && !c.s_bytes.empty()
                                      ? c.vv_byte_reader : c.vv_text_reader) << s_case;
    }
}

TEST(ReadCsv, TextReaderDecodesUtf8AndStripsAccentsAndMissingFilesGiveNoRows)
{
    TextTable vv_text_reader;
    EXPECT_EQ(read_both("\xEF\xBB\xBFJoão;Conceição\n", vv_text_reader),
              (TextTable{{"\xEF\xBB\xBFJoão", "Conceição"}}));
    EXPECT_EQ(vv_text_reader, (TextTable{{"Joao", "Conceicao"}})) << "byte-order mark dropped";
    EXPECT_TRUE(read_csv(temp_path("missing.csv")).empty());
    EXPECT_TRUE(read_csv_file(QString::fromStdString(temp_path("missing.csv"))).empty());
}
