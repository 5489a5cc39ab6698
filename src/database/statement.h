#pragma once

#include <string>
#include <vector>

struct sqlite3;

// One SQL text run with its values bound as text parameters (?1, ?2, ...), so a
// value can never change the statement; the column affinity still turns
// numeric texts into numbers as a literal would.

// Runs a statement that returns no rows; the SQLite result code, SQLITE_OK on success.
int run_statement(sqlite3* db, const std::string& s_sql, const std::vector<std::string>& v_values);

// Runs a query and returns its rows as texts in column order. A NULL column ends
// the query: the rows read before it are returned, that row and the rest are not.
std::vector<std::vector<std::string>> run_query(sqlite3* db, const std::string& s_sql,
                                                const std::vector<std::string>& v_values);

// The code of a statement that could not have a lock another connection holds.
bool is_lock_failure(int code);
