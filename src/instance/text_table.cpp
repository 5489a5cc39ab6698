#include "text_table.h"

#include "delimited_text.h"

namespace {

constexpr DelimitedFormat k_tsv_format{'\t', false, false, false};

}  // namespace

std::string replace_all(std::string& s_subject, const std::string& s_pattern,
                        const std::string& s_replacement)
{
    if (s_pattern.empty()) {
        return s_subject;  // nothing to find; searching would never advance
    }
    size_t position = s_subject.find(s_pattern);
    while (position != std::string::npos) {
        s_subject.replace(position, s_pattern.size(), s_replacement);
        position = s_subject.find(s_pattern, position + s_replacement.size());
    }
    return s_subject;
}

void replace_in_columns(TextTable& vv_table, const std::vector<int32_t>& v_columns,
                        const std::string& s_pattern, const std::string& s_replacement,
                        uint8_t first_row)
{
    for (size_t row = first_row; row < vv_table.size(); ++row) {
        auto& v_row = vv_table[row];
        for (const int32_t column : v_columns) {
            if (column >= 0 && static_cast<size_t>(column) < v_row.size()) {
                replace_all(v_row[static_cast<size_t>(column)], s_pattern, s_replacement);
            }
        }
    }
}

std::string table_to_tsv(const TextTable& vv_table)
{
    return join_delimited(vv_table, k_tsv_format);
}

TextTable tsv_to_table(const std::string& s_text)
{
    return parse_delimited(s_text, k_tsv_format);
}

void pad_rows_to_first_row(TextTable& vv_table)
{
    for (size_t row = 1; row < vv_table.size(); ++row) {
        if (vv_table[row].size() < vv_table[0].size()) {
            vv_table[row].resize(vv_table[0].size());
        }
    }
}

std::string cell_at(const TextTable& vv_table, size_t row, int32_t column)
{
    if (row >= vv_table.size() || column < 0 ||
        static_cast<size_t>(column) >= vv_table[row].size()) {
        return std::string();
    }
    return vv_table[row][static_cast<size_t>(column)];
}
