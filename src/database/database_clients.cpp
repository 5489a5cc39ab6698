#include "database.h"

#include "client_code.h"

#include <sqlite3.h>

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t n_client_cells = 9;  // id .. long; the code is computed
constexpr std::size_t lat_cell = 7;
constexpr std::size_t long_cell = 8;

// The nine written cells of a row; cells the row lacks are empty texts.
std::vector<std::string> client_cells(const std::vector<std::string>& v_row)
{
    std::vector<std::string> v_cells(n_client_cells);
    std::copy_n(v_row.begin(), std::min(v_row.size(), n_client_cells), v_cells.begin());
    return v_cells;
}

void decimal_comma_to_point(std::vector<std::string>& v_row, std::size_t cell)
{
    if (cell < v_row.size()) {
        std::replace(v_row[cell].begin(), v_row[cell].end(), ',', '.');
    }
}

}  // namespace

int Database::insert_client_row(const std::vector<std::string>& v_client)
{
    std::vector<std::string> v_values = v_client;
    v_values.push_back(client_code(v_client[1], v_client[2]));
    return execute("INSERT INTO clients(id,address,number,neighborhood,city,state,country,lat,"
                   "long,code)VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)",
                   v_values);
}

bool Database::insert_client(const std::string& s_id, const std::string& s_address,
                             const std::string& s_number, const std::string& s_neighborhood,
                             const std::string& s_city, const std::string& s_state,
                             const std::string& s_country, const std::string& s_lat,
                             const std::string& s_long)
{
    return insert_client_row({s_id, s_address, s_number, s_neighborhood, s_city, s_state,
                              s_country, s_lat, s_long}) != SQLITE_OK;
}

bool Database::update_client(const std::string& s_old_id, const std::string& s_address,
                             const std::string& s_number, const std::string& s_neighborhood,
                             const std::string& s_city, const std::string& s_state,
                             const std::string& s_country, const std::string& s_lat,
                             const std::string& s_long, const std::string& s_new_id)
{
    return failed("UPDATE clients SET id = ?1,address = ?2,number = ?3,neighborhood = ?4,"
                  "city = ?5,state = ?6,country = ?7,lat = ?8,long = ?9,code = ?10 WHERE id = ?11;",
                  {s_new_id, s_address, s_number, s_neighborhood, s_city, s_state, s_country,
                   s_lat, s_long, client_code(s_address, s_number), s_old_id});
}

bool Database::delete_client(const std::string& s_id)
{
    return failed("DELETE FROM clients WHERE id = ?1", {s_id});
}

bool Database::insert_clients(std::vector<std::vector<std::string>>& vv_clients,
                              BulkInsertReport* report)
{
    BulkInsertReport done;
    const bool rolled_back = run_transaction([&] {
        for (std::size_t i = 1; i < vv_clients.size(); ++i) {
            decimal_comma_to_point(vv_clients[i], lat_cell);
            decimal_comma_to_point(vv_clients[i], long_cell);
            const std::vector<std::string> v_cells = client_cells(vv_clients[i]);
            const int code = insert_client_row(v_cells);
            if (code == SQLITE_OK) {
                ++done.n_stored;
            } else if (code == SQLITE_CONSTRAINT_PRIMARYKEY) {
                done.v_skipped_ids.push_back(v_cells[0]);  // a stored client is not overwritten
            } else {
                return true;  // any other failure undoes the whole table
            }
        }
        return false;
    });
    if (!rolled_back && report != nullptr) {
        *report = std::move(done);
    }
    return rolled_back;
}

bool Database::delete_clients(const std::vector<std::string>& v_ids)
{
    return run_transaction([&] {
        return std::any_of(v_ids.begin(), v_ids.end(),
                           [&](const std::string& s_id) { return delete_client(s_id); });
    });
}

std::vector<std::vector<std::string>> Database::select_client_by_id(const std::string& s_id)
{
    return query("SELECT * from clients WHERE id = ?1", {s_id});
}

std::vector<std::vector<std::string>> Database::select_client_by_code(const std::string& s_code)
{
    return query("SELECT * from clients WHERE code = ?1", {s_code});
}

std::vector<std::vector<std::string>> Database::search_clients(const std::string& s_filter)
{
    // One pattern for all five columns; its "%" and "_" stay wildcards.
    return query("SELECT * from clients WHERE id LIKE ?1 OR address LIKE ?1 OR "
                 "neighborhood LIKE ?1 OR city LIKE ?1 OR state LIKE ?1",
                 {"%" + s_filter + "%"});
}
