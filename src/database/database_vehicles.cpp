#include "database.h"

#include "sql_numbers.h"

namespace {

std::vector<std::string> vehicle_values(const std::string& s_id, int capacity, int available,
                                        double fix_cost, double var_cost)
{
    return {s_id, sql_int_text(capacity), sql_int_text(available), sql_double_text(fix_cost),
            sql_double_text(var_cost)};
}

}  // namespace

bool Database::insert_vehicle(const std::string& s_id, int capacity, int available,
                              double fix_cost, double var_cost)
{
    return failed("INSERT INTO vehicles(id,capacity,available,fix_cost,var_cost)"
                  "VALUES(?1, ?2, ?3, ?4, ?5)",
                  vehicle_values(s_id, capacity, available, fix_cost, var_cost));
}

bool Database::update_vehicle(const std::string& s_id, int capacity, int available,
                              double fix_cost, double var_cost)
{
    return failed("UPDATE vehicles SET id = ?1,capacity = ?2,available = ?3,fix_cost = ?4,"
                  "var_cost = ?5 WHERE id = ?1;",
                  vehicle_values(s_id, capacity, available, fix_cost, var_cost));
}

bool Database::delete_vehicle(const std::string& s_id)
{
    return failed("DELETE FROM vehicles WHERE id = ?1", {s_id});
}

std::vector<std::vector<std::string>> Database::select_vehicle_by_id(const std::string& s_id)
{
    return query("SELECT * from vehicles WHERE id = ?1", {s_id});
}

std::vector<std::vector<std::string>> Database::search_vehicles(const std::string& s_filter)
{
    return query("SELECT * from vehicles WHERE id LIKE ?1", {"%" + s_filter + "%"});
}
