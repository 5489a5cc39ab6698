#include "client_code.h"
#include "database_test_support.h"

#include <atomic>
#include <thread>

// The coordinate search reads clients by code on its worker thread while the
// GUI thread writes through the same connection.
TEST_F(DatabaseTest, AThreadReadsByCodeWhileAnotherInserts)
{
    auto database = open_database();
    ASSERT_FALSE(database->insert_client("Depot", "Rua A", "1", "n", "c", "s", "p", "1", "2"));
    const std::string s_code = client_code("Rua A", "1");

    std::atomic<int> n_bad_reads{0};
    std::thread reader([&] {
        for (int i = 0; i < 1000; ++i) {
            const TextRows vv_rows = database->select_client_by_code(s_code);
            if (vv_rows.empty() || vv_rows[0].size() != 10 || vv_rows[0][7] != "1") {
                ++n_bad_reads;
            }
        }
    });
    int n_failed_inserts = 0;
    for (int i = 0; i < 200; ++i) {
        const std::string s_id = "Client " + std::to_string(i);
        n_failed_inserts += database->insert_client(s_id, "Rua A", "1", "n", "c", "s", "p", "1", "2");
        TextRows vv_clients = {{}, {s_id + " bis", "Rua A", "1", "n", "c", "s", "p", "1", "2"}};
        n_failed_inserts += database->insert_clients(vv_clients);
    }
    reader.join();

    EXPECT_EQ(n_bad_reads, 0);
    EXPECT_EQ(n_failed_inserts, 0);
    EXPECT_EQ(database->select_client_by_code(s_code).size(), 401u);
}
