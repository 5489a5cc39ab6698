#pragma once
// The one connection to the local database: clients, vehicles, settings and
// solved instances. Mutators return true when they FAILED; queries return text
// tables (one text cell per column, in table order).

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

// What a bulk insert stored, and the names it left out because a record of that name
// was already stored.
struct BulkInsertReport {
    int n_stored = 0;
    std::vector<std::string> v_skipped_ids;
};

// Settings to store: (key, value) pairs.
using SettingRows = std::vector<std::pair<std::string, std::string>>;

class Database {
public:
    explicit Database(std::string s_file = "tovalo.db");  // opens nothing
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (or creates) the file, creates the tables it lacks and tries a write it takes
    // back. True = the file cannot be used (left as it is), for the reason open_failure()
    // gives; also reported on stderr.
    bool open_database();
    // Why the last open_database() failed, as SQLite says it; empty after a good open.
    const std::string& open_failure() const { return s_open_failure; }
    const std::string& file_name() const { return s_file; }
    // How long a statement waits for another connection's lock before it fails.
    void set_busy_timeout(int milliseconds) { busy_timeout_ms = milliseconds; }
    // How many times a statement of this connection has had to wait for another's lock.
    int lock_waits() const { return n_lock_waits; }
    // Creates each missing table; a new settings table gets the default rows. True = a step failed.
    bool create_tables();

    bool insert_setting(const std::string& s_key, const std::string& s_value);
    bool update_setting(const std::string& s_key, const std::string& s_value);
    // Stores the rows in one transaction, inserting a row the file lacks (an update would
    // change nothing and the planner's choice would be lost). Returns the keys not stored:
    // those whose statement failed, or all of them when the transaction could not be had
    // (another program holding the file's write lock is waited for once, not once a row).
    std::vector<std::string> store_settings(const SettingRows& v_settings);
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
    // The first fault of the file's structure, or of a write taken back; empty when none.
    std::string usability_fault();
    // Stores one row inside the open transaction; the SQLite result code.
    int store_setting_row(const std::string& s_key, const std::string& s_value);
    static int wait_for_lock(void* data, int n_prior_calls);
    int insert_client_row(const std::vector<std::string>& v_client);

    sqlite3* db = nullptr;
    std::string s_file;
    std::string s_open_failure;
    std::atomic<int> busy_timeout_ms{5000};
    std::atomic<int> n_lock_waits{0};
    // Keeps a transaction whole: the job thread's look-ups wait instead of running inside it.
    std::recursive_mutex mutex;
};
