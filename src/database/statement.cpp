#include "statement.h"

#include <sqlite3.h>

namespace {

class PreparedStatement {
public:
    PreparedStatement(sqlite3* db, const std::string& s_sql)
    {
        code = db ? sqlite3_prepare_v2(db, s_sql.c_str(), static_cast<int>(s_sql.size()),
                                       &statement, nullptr)
                  : SQLITE_MISUSE;
    }
    ~PreparedStatement() { sqlite3_finalize(statement); }
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    // The prepare or bind failure, SQLITE_OK when the statement is ready to step.
    int bind(const std::vector<std::string>& v_values)
    {
        for (std::size_t i = 0; code == SQLITE_OK && i < v_values.size(); ++i) {
            code = sqlite3_bind_text(statement, static_cast<int>(i + 1), v_values[i].data(),
                                     static_cast<int>(v_values[i].size()), SQLITE_TRANSIENT);
        }
        return code;
    }

    int step() { return sqlite3_step(statement); }

    // False when a column is NULL (or its text could not be had), which ends the query.
    bool read_row(std::vector<std::string>& v_row)
    {
        const int n_columns = sqlite3_column_count(statement);
        v_row.clear();
        for (int i = 0; i < n_columns; ++i) {
            if (sqlite3_column_type(statement, i) == SQLITE_NULL) {
                return false;
            }
            const unsigned char* text = sqlite3_column_text(statement, i);
            // Only an empty blob has no text; otherwise memory ran out.
            if (text == nullptr && sqlite3_column_type(statement, i) != SQLITE_BLOB) {
                return false;
            }
            const auto n_bytes = static_cast<std::size_t>(sqlite3_column_bytes(statement, i));
            v_row.emplace_back(text ? reinterpret_cast<const char*>(text) : "", n_bytes);
        }
        return true;
    }

private:
    sqlite3_stmt* statement = nullptr;
    int code = SQLITE_OK;
};

}  // namespace

int run_statement(sqlite3* db, const std::string& s_sql, const std::vector<std::string>& v_values)
{
    PreparedStatement statement(db, s_sql);
    if (const int code = statement.bind(v_values); code != SQLITE_OK) {
        return code;
    }
    int code = statement.step();
    while (code == SQLITE_ROW) {
        code = statement.step();
    }
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

std::vector<std::vector<std::string>> run_query(sqlite3* db, const std::string& s_sql,
                                                const std::vector<std::string>& v_values)
{
    std::vector<std::vector<std::string>> vv_rows;
    PreparedStatement statement(db, s_sql);
    if (statement.bind(v_values) != SQLITE_OK) {
        return vv_rows;
    }
    std::vector<std::string> v_row;
    while (statement.step() == SQLITE_ROW && statement.read_row(v_row)) {
        vv_rows.push_back(v_row);
    }
    return vv_rows;
}

bool is_lock_failure(int code)
{
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}
