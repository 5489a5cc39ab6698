#pragma once
// The one connection to the local database: clients, vehicles, settings and
// solved instances. Mutators return true when they FAILED; queries return text
// tables (one text cell per column, in table order).

#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;

// What a bulk insert stored, and the names it left out because a record of that name
// was already stored.
struct BulkInsertReport {
    int n_stored = 0;
    std::vector<std::string> v_skipped_ids;
};

class Database {
public:
    explicit Database(std::string s_file = "tovalo.db");  // opens nothing
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (or creates) the file and creates the tables it lacks; true = failed, reported on stderr.
    bool open_database();
    // Creates each missing table; a new settings table gets the default rows. True = a step failed.
    bool create_tables();

    bool insert_setting(const std::string& s_key, const std::string& s_value);
    bool update_setting(const std::string& s_key, const std::string& s_value);
    std::vector<std::vector<std::string>> select_setting(const std::string& s_key);
    std::vector<std::vector<std::string>> select_all_settings();
    // The stored value of a setting, or its default when the file holds no row for it.
    std::string setting_value(const std::string& s_key);

    bool insert_instance(const std::string& s_id, const std::string& s_date,
                         const std::string& s_coded_date, double total_distance,
                         double total_time, const std::string& s_json, double cost);
    // Deletes the stored instance of that name and inserts the new one, or changes nothing.
    bool replace_instance(const std::string& s_id, const std::string& s_date,
                          const std::string& s_coded_date, double total_distance,
                          double total_time, const std::string& s_json, double cost);
    bool update_instance(const std::string& s_id, const std::string& s_date,
                         const std::string& s_coded_date, double total_distance,
                         double total_time, double cost);
    bool delete_instance(const std::string& s_id);
    std::vector<std::vector<std::string>> select_instance_by_id(const std::string& s_id);
    std::vector<std::vector<std::string>> search_instances(const std::string& s_from_date,
                                                           const std::string& s_to_date,
                                                           const std::string& s_name_filter);
    std::vector<std::vector<std::string>> select_all_instances();

    bool insert_client(const std::string& s_id, const std::string& s_address,
                       const std::string& s_number, const std::string& s_neighborhood,
                       const std::string& s_city, const std::string& s_state,
                       const std::string& s_country, const std::string& s_lat,
                       const std::string& s_long);
    bool update_client(const std::string& s_old_id, const std::string& s_address,
                       const std::string& s_number, const std::string& s_neighborhood,
                       const std::string& s_city, const std::string& s_state,
                       const std::string& s_country, const std::string& s_lat,
                       const std::string& s_long, const std::string& s_new_id);
    bool delete_client(const std::string& s_id);
    // Stores rows 1.. in one transaction (row 0 is a header); a stored id is skipped.
    // Commas in the lat and long cells of the caller's rows become points.
    // True = a row failed otherwise and nothing was stored. The report, when given, is
    // filled only when the rows were committed.
    bool insert_clients(std::vector<std::vector<std::string>>& vv_clients,
                        BulkInsertReport* report = nullptr);
    // Deletes the ids in one transaction; true = one failed and nothing was deleted.
    bool delete_clients(const std::vector<std::string>& v_ids);
    std::vector<std::vector<std::string>> select_client_by_id(const std::string& s_id);
    std::vector<std::vector<std::string>> select_client_by_code(const std::string& s_code);
    std::vector<std::vector<std::string>> search_clients(const std::string& s_filter);

    bool insert_vehicle(const std::string& s_id, int capacity, int available, double fix_cost,
                        double var_cost);
    bool update_vehicle(const std::string& s_id, int capacity, int available, double fix_cost,
                        double var_cost);
    bool delete_vehicle(const std::string& s_id);
    std::vector<std::vector<std::string>> select_vehicle_by_id(const std::string& s_id);
    std::vector<std::vector<std::string>> search_vehicles(const std::string& s_filter);

private:
    int execute(const std::string& s_sql, const std::vector<std::string>& v_values);
    bool failed(const std::string& s_sql, const std::vector<std::string>& v_values);
    std::vector<std::vector<std::string>> query(const std::string& s_sql,
                                                const std::vector<std::string>& v_values = {});
    // Runs body between BEGIN and COMMIT; rolls back when body fails (returns true)
    // or a statement ended the transaction. True = rolled back.
    bool run_transaction(const std::function<bool()>& body);
    bool table_exists(const std::string& s_table);
    int insert_client_row(const std::vector<std::string>& v_client);

    sqlite3* db = nullptr;
    std::string s_file;
    // Keeps a transaction whole: the job thread's look-ups wait instead of running inside it.
    std::recursive_mutex mutex;
};
