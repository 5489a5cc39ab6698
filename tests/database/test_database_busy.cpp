#include "database_test_support.h"

#include <atomic>
#include <thread>

// Two connections to one file (a second process, a window and a job) writing at once
// wait their turn instead of refusing the rows.
TEST_F(DatabaseTest, TwoConnectionsWritingAtOnceStoreEveryRow)
{
    auto first = open_database();
    auto second = open_database();
    constexpr int n_rows = 60;
    std::atomic<int> n_failed{0};
    const auto write = [&](Database& database, const std::string& s_prefix) {
        for (int i = 0; i < n_rows; ++i) {
            const std::string s_id = s_prefix + std::to_string(i);
            n_failed += database.insert_client(s_id, "Rua", "1", "n", "c", "s", "p", "1", "2");
            TextRows vv_clients = {{}, {s_id + " bulk", "Rua", "1", "n", "c", "s", "p", "1", "2"}};
            n_failed += database.insert_clients(vv_clients);
        }
    };
    std::thread other([&] { write(*second, "B"); });
    write(*first, "A");
    other.join();

    EXPECT_EQ(n_failed, 0);
    EXPECT_EQ(first->search_clients("").size(), 4u * n_rows);
}
