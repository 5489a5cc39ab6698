#include "csv_files.h"
#include "instance_test_support.h"

// Only cells holding ";", a quote, CR or LF are quoted (inner quotes doubled), so that both
// readers take them back; an unwritable file is reported by the checked variant.
TEST(WriteCsv, QuotesOnlyCellsThatWouldSplitAndReportsUnwritableFiles)
{
    const std::pair<TextTable, std::string> plain[] = {
        {{}, ""}, {{{"a", "b"}, {}, {"c"}}, "a;b\nc\n"}, {{{""}, {"", ""}}, "\n;\n"},
        {{{"São", "1.5", "a,b", "x'y\t"}}, "São;1.5;a,b;x'y\t\n"}};
    const std::string s_path = temp_path("write.csv");
    for (const auto& [vv_table, s_bytes] : plain) {
        write_bytes(s_path, "old content that must go");
        write_csv(vv_table, s_path);
        EXPECT_EQ(read_bytes(s_path), s_bytes);
    }
    const TextTable vv_table = {{"id", "obs", "city"}, {"C1", "ring; then wait", "Curitiba"},
                                {"C2", "gate \"B\"\nback door\r\n", ""}, {"C3", "\"", "a\rb"},
                                {"C4", "line\nend", "x"}};
    ASSERT_TRUE(try_write_csv(vv_table, s_path));
    EXPECT_EQ(read_bytes(s_path), "id;obs;city\nC1;\"ring; then wait\";Curitiba\n"
                                  "C2;\"gate \"\"B\"\"\nback door\r\n\";\nC3;\"\"\"\";\"a\rb\"\n"
                                  "C4;\"line\nend\";x\n");
    EXPECT_EQ(read_csv(s_path), vv_table) << "the empty last cell comes back by padding";
    EXPECT_EQ(read_csv_file(QString::fromStdString(s_path)), vv_table);
    const TextTable vv_edge = {{"\"", "ends in a quote\"", "\"starts;\nand breaks\r\n"},
                               {"a\nb\";c", "\"\"", "x;"}, {"", "\n", "\"q\"\n"}};
    ASSERT_TRUE(try_write_csv(vv_edge, s_path));
    EXPECT_EQ(read_csv(s_path), vv_edge);
    EXPECT_EQ(read_csv_file(QString::fromStdString(s_path)), vv_edge);
    EXPECT_FALSE(try_write_csv({{"a"}}, temp_path("no_such_dir/out.csv")));
    write_csv({{"a"}}, temp_path("no_such_dir/out.csv"));  // returns quietly
}

// The byte reader and the text reader (UTF-8, accents stripped) split lines by their own
// rules; rows after the first are padded to its width and never cut.
TEST(ReadCsv, EachReaderSplitsLinesByItsOwnRule)
{
    struct Case {
        std::string s_bytes;
        TextTable vv_byte_reader;
        TextTable vv_text_reader;  // empty: as the byte reader
    };
    const Case cases[] = {
        {"", {}, {}},
        {"x;y;\n", {{"x", "y"}}, {{"x", "y", ""}}},
        {"a;b\r\nc;d\r\n", {{"a", "b"}, {"c", "d"}}, {}},
        {"a;b\nc;d", {{"a", "b"}, {"c", "d"}}, {}},
        // An empty line: no cells for the byte reader (padded when it follows row 0).
        {"\na;b\n", {{}, {"a", "b"}}, {{""}, {"a", "b"}}},
        {"a\n\nb\n", {{"a"}, {""}, {"b"}}, {}},
        {"a\rb;;c\n", {{"a\rb", "", "c"}}, {}},
        {"5\" tube;x\n", {{"5\" tube", "x"}}, {}},  // a quote inside a cell is ordinary text
        {"\"open;x\ny\n", {{"\"open", "x"}, {"y", ""}}, {}},  // an unclosed quote stays on its line
        {"h\nC1;\"Oak\nC2;\"Elm;1\";Y\nC3;x\";Z\r\n",
         {{"h"}, {"C1", "\"Oak"}, {"C2", "Elm;1", "Y"}, {"C3", "x\"", "Z"}},
         {}},
        {"\"ab\"cd;e\n", {{"\"ab\"cd", "e"}}, {}},
        {"h1;h2;h3\na\n1;2;3;4\n\n",
         {{"h1", "h2", "h3"}, {"a", "", ""}, {"1", "2", "3", "4"}, {"", "", ""}},
         {}},
        {"a\nb;c;d\n", {{"a"}, {"b", "c", "d"}}, {}},
        {"\xEF\xBB\xBFJoão;Conceição\n",
         {{"\xEF\xBB\xBFJoão", "Conceição"}},
         {{"Joao", "Conceicao"}}},
    };
    const std::string s_path = temp_path("read.csv");
    for (const Case& c : cases) {
        write_bytes(s_path, c.s_bytes);
        const std::string s_case = testing::PrintToString(c.s_bytes);
        EXPECT_EQ(read_csv(s_path), c.vv_byte_reader) << s_case;
        EXPECT_EQ(
            read_csv_file(QString::fromStdString(s_path)),
            c.vv_text_reader.empty() && !c.s_bytes.empty() ? c.vv_byte_reader : c.vv_text_reader)
            << s_case;
    }
    EXPECT_TRUE(read_csv(temp_path("missing.csv")).empty());
    EXPECT_TRUE(read_csv_file(QString::fromStdString(temp_path("missing.csv"))).empty());
}
