#include "csv_files.h"

#include "accents.h"
#include "delimited_text.h"

#include <QFile>

#include <fstream>
#include <iterator>

namespace {

constexpr DelimitedFormat k_byte_csv_format{';', true, true, false};
constexpr DelimitedFormat k_text_csv_format{';', true, true, true};
constexpr char k_utf8_byte_order_mark[] = "\xEF\xBB\xBF";

std::string read_file_bytes(const std::string& s_path)
{
    std::ifstream file(s_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The file's text without a leading byte-order mark; empty when it cannot be read.
std::string read_utf8_text(const QString& s_path)
{
    QFile file(s_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::string();
    }
    std::string s_text = file.readAll().toStdString();
    if (s_text.compare(0, 3, k_utf8_byte_order_mark) == 0) {
        s_text.erase(0, 3);
    }
    return s_text;
}

}  // namespace

void write_csv(const TextTable& vv_table, const std::string& s_path)
{
    try_write_csv(vv_table, s_path);
}

bool try_write_csv(const TextTable& vv_table, const std::string& s_path)
{
    std::ofstream file(s_path, std::ios::out | std::ios::trunc);
    if (!file.is_open()) {
        return false;
    }
    file << join_delimited(vv_table, k_byte_csv_format);
    file.close();
    return !file.fail();
}

TextTable read_csv(const std::string& s_path)
{
    TextTable vv_table = parse_delimited(read_file_bytes(s_path), k_byte_csv_format);
    pad_rows_to_first_row(vv_table);
    return vv_table;
}

TextTable read_csv_file(const QString& s_path)
{
    TextTable vv_table = parse_delimited(read_utf8_text(s_path), k_text_csv_format);
    for (auto& v_row : vv_table) {
        for (auto& s_cell : v_row) {
            s_cell = remove_accents(QString::fromStdString(s_cell)).toStdString();
        }
    }
    pad_rows_to_first_row(vv_table);
    return vv_table;
}
