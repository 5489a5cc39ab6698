#include "database.h"

#include "sql_numbers.h"

bool Database::insert_instance(const std::string& s_id, const std::string& s_date,
                               const std::string& s_coded_date, double total_distance,
                               double total_time, const std::string& s_json, double cost)
{
    return failed("INSERT INTO instances(id,date,coded_date,total_distance,total_time,json,cost)"
                  "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)",
                  {s_id, s_date, s_coded_date, sql_double_text(total_distance),
                   sql_double_text(total_time), s_json, sql_double_text(cost)});
}

bool Database::replace_instance(const std::string& s_id, const std::string& s_date,
                                const std::string& s_coded_date, double total_distance,
                                double total_time, const std::string& s_json, double cost)
{
    return run_transaction([&] {
        return delete_instance(s_id) ||
               insert_instance(s_id, s_date, s_coded_date, total_distance, total_time, s_json,
                               cost);
    });
}

bool Database::update_instance(const std::string& s_id, const std::string& s_date,
                               const std::string& s_coded_date, double total_distance,
                               double total_time, double cost)
{
    return failed("UPDATE instances SET date = ?2,coded_date = ?3,total_distance = ?4,"
                  "total_time = ?5,cost = ?6 WHERE id = ?1;",
                  {s_id, s_date, s_coded_date, sql_double_text(total_distance),
                   sql_double_text(total_time), sql_double_text(cost)});
}

bool Database::delete_instance(const std::string& s_id)
{
    return failed("DELETE FROM instances WHERE id = ?1", {s_id});
}

std::vector<std::vector<std::string>> Database::select_instance_by_id(const std::string& s_id)
{
    return query("SELECT * from instances WHERE id = ?1", {s_id});
}

std::vector<std::vector<std::string>> Database::search_instances(
    const std::string& s_from_date, const std::string& s_to_date, const std::string& s_name_filter)
{
    // The filter keeps its own "%" and "_" as wildcards, as a pattern typed by the user.
    return query("SELECT * FROM instances WHERE date >= ?1 AND date <= ?2 AND id LIKE ?3",
                 {s_from_date, s_to_date, "%" + s_name_filter + "%"});
}

std::vector<std::vector<std::string>> Database::select_all_instances()
{
    return query("SELECT * from instances");
}
