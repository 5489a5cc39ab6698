#pragma once
// One reader and one writer for every delimited text of the system: the ";" CSV
// files and the tab-separated clipboard text differ only in these switches.

#include "text_table.h"

#include <string>

struct DelimitedFormat {
    char separator;
    // A cell opening with '"' runs to its closing quote ('""' inside stands for one
    // quote), so it may hold separators and line breaks; the writer quotes only
    // cells that need it, so tables without such cells give the plain layout. A quote
    // that does not close right before a separator or line end is plain text, and
    // such a cell ends at its line like any other.
    bool quoted_cells;
    // A CR right before a LF belongs to the line end (files written on Windows).
    bool crlf_line_ends;
    // "x;" gives an empty last cell and an empty line one empty cell; otherwise a
    // trailing separator adds no cell and an empty line gives a row with no cells.
    bool trailing_empty_cell;
};

// A final line feed opens no further row; an empty text gives no rows.
TextTable parse_delimited(const std::string& s_text, const DelimitedFormat& format);

// Every row with cells becomes one line ended by a line feed; empty rows write nothing.
std::string join_delimited(const TextTable& vv_table, const DelimitedFormat& format);
