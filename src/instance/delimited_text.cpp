#include "delimited_text.h"

#include <vector>

namespace {

constexpr char k_quote = '"';
constexpr char k_line_feed = '\n';
constexpr char k_carriage_return = '\r';

struct Cell {
    std::string s_text;
    bool quoted = false;
};

// The closing quote of a quoted cell whose text starts at position: the first quote that
// is not doubled, when the separator, a line end or the text end follows it. npos when
// there is none: the opening quote was typed as text, and taking the cell up to some
// later quote would swallow the lines between.
size_t closing_quote(const std::string& s_text, size_t position, char separator)
{
    while (true) {
        const size_t quote = s_text.find(k_quote, position);
        if (quote == std::string::npos) {
            return quote;
        }
        const size_t next = quote + 1;
        if (next < s_text.size() && s_text[next] == k_quote) {
            position = next + 1;  // a doubled quote stands for one inside the cell
            continue;
        }
        const bool ends_cell = next == s_text.size() || s_text[next] == separator ||
                               s_text[next] == k_line_feed ||
                               s_text.compare(next, 2, "\r\n") == 0;
        return ends_cell ? quote : std::string::npos;
    }
}

// The text between the quotes, each doubled quote taken as one.
std::string unquoted(const std::string& s_text, size_t begin, size_t end)
{
    std::string s_cell;
    for (size_t i = begin; i < end; ++i) {
        s_cell += s_text[i];
        i += s_text[i] == k_quote ? 1 : 0;
    }
    return s_cell;
}

// Reads one cell and leaves the position on the separator, line feed or text end.
Cell read_cell(const std::string& s_text, size_t& position, const DelimitedFormat& format)
{
    Cell cell;
    if (format.quoted_cells && position < s_text.size() && s_text[position] == k_quote) {
        const size_t close = closing_quote(s_text, position + 1, format.separator);
        if (close != std::string::npos) {
            cell.quoted = true;
            cell.s_text = unquoted(s_text, position + 1, close);
            position = close + 1;
        }
    }
    const char stops[] = {format.separator, k_line_feed, '\0'};
    size_t stop = s_text.find_first_of(stops, position);
    if (stop == std::string::npos) {
        stop = s_text.size();
    }
    size_t end = stop;
    if (format.crlf_line_ends && stop < s_text.size() && s_text[stop] == k_line_feed &&
        end > position && s_text[end - 1] == k_carriage_return) {
        --end;
    }
    cell.s_text.append(s_text, position, end - position);
    position = stop;
    return cell;
}

std::vector<std::string> read_row(const std::string& s_text, size_t& position,
                                  const DelimitedFormat& format)
{
    std::vector<std::string> v_row;
    while (true) {
        Cell cell = read_cell(s_text, position, format);
        const bool at_separator =
            position < s_text.size() && s_text[position] == format.separator;
        if (at_separator || format.trailing_empty_cell || cell.quoted ||
            !cell.s_text.empty()) {
            v_row.push_back(std::move(cell.s_text));
        }
        ++position;  // past the separator or the line feed
        if (!at_separator) {
            return v_row;
        }
    }
}

bool needs_quotes(const std::string& s_cell, char separator)
{
    const char specials[] = {separator, k_quote, k_carriage_return, k_line_feed, '\0'};
    return s_cell.find_first_of(specials) != std::string::npos;
}

void append_cell(std::string& s_text, const std::string& s_cell, const DelimitedFormat& format)
{
    if (!format.quoted_cells || !needs_quotes(s_cell, format.separator)) {
        s_text += s_cell;
        return;
    }
    s_text += k_quote;
    for (const char c : s_cell) {
        if (c == k_quote) {
            s_text += k_quote;
        }
        s_text += c;
    }
    s_text += k_quote;
}

}  // namespace

TextTable parse_delimited(const std::string& s_text, const DelimitedFormat& format)
{
    TextTable vv_table;
    size_t position = 0;
    while (position < s_text.size()) {
        vv_table.push_back(read_row(s_text, position, format));
    }
    return vv_table;
}

std::string join_delimited(const TextTable& vv_table, const DelimitedFormat& format)
{
    std::string s_text;
    for (const auto& v_row : vv_table) {
        for (size_t i = 0; i < v_row.size(); ++i) {
            append_cell(s_text, v_row[i], format);
            s_text += i + 1 < v_row.size() ? format.separator : k_line_feed;
        }
    }
    return s_text;
}
