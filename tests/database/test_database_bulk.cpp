#include "database_test_support.h"

namespace {

const TextRows vv_stored = {{"Ana", "Rua A", "1", "Centro", "Curitiba", "PR", "BR", "1", "2", "RUA A1"}};

class BulkTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        database = open_database();
        const auto& v = vv_stored[0];
        ASSERT_FALSE(database->insert_client(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]));
    }

    // A trigger stands for a row that fails for a reason other than its key.
    void refuse_row(const std::string& s_event, const std::string& s_table,
                    const std::string& s_when, const std::string& s_raise)
    {
        run_sql("CREATE TRIGGER refuse BEFORE " + s_event + " ON " + s_table + " WHEN " + s_when +
                " BEGIN SELECT RAISE(" + s_raise + ", 'refused'); END;");
    }

    std::unique_ptr<Database> database;
};

TextRows imported_clients()
{
    return {{"name", "address", "number"},
            {"Bia", "Rua b", "2", "Centro", "Curitiba", "PR", "BR", "-25,4284", "-49,27"},
            {"Ana", "Other", "9", "x", "x", "x", "x", "0", "0"},
            {"Caio", "Rua c", "3b"}};
}

}  // namespace

TEST_F(BulkTest, HeaderOnlyOrEmptyTablesStoreNothing)
{
    for (TextRows vv_clients : {TextRows{}, TextRows{{}}, TextRows{{"name", "address"}}}) {
        EXPECT_FALSE(database->insert_clients(vv_clients));
    }
    EXPECT_EQ(database->search_clients(""), vv_stored);
}

TEST_F(BulkTest, StoredIdsAreSkippedShortRowsGetEmptyCellsAndCommasBecomePoints)
{
    TextRows vv_clients = imported_clients();
    EXPECT_FALSE(database->insert_clients(vv_clients));
    EXPECT_EQ(vv_clients[1][7], "-25.4284");
    EXPECT_EQ(vv_clients[1][8], "-49.27");
    EXPECT_EQ(vv_clients[3].size(), 3u);  // the caller's short row is not grown

    TextRows vv_expected = vv_stored;
    vv_expected.push_back(
        {"Bia", "Rua b", "2", "Centro", "Curitiba", "PR", "BR", "-25.4284", "-49.27", "RUA B2"});
    vv_expected.push_back({"Caio", "Rua c", "3b", "", "", "", "", "", "", "RUA C3B"});
    EXPECT_EQ(database->search_clients(""), vv_expected);

    // The single insert stores the coordinates as given.
    ASSERT_FALSE(database->insert_client("Duda", "r", "1", "n", "c", "s", "p", "-25,4284", "1"));
    EXPECT_EQ(database->select_client_by_id("Duda").at(0).at(7), "-25,4284");
}

class BulkFailureTest : public BulkTest, public testing::WithParamInterface<const char*> {};

TEST_P(BulkFailureTest, AFailingRowUndoesTheWholeInsertAndIsReported)
{
    refuse_row("INSERT", "clients", "NEW.id = 'Caio'", GetParam());
    TextRows vv_clients = imported_clients();
    EXPECT_TRUE(database->insert_clients(vv_clients));
    EXPECT_EQ(database->search_clients(""), vv_stored);

    // No transaction is left open: a later insert is stored for good.
    ASSERT_FALSE(database->insert_client("Duda", "r", "1", "n", "c", "s", "p", "1", "2"));
    database.reset();
    EXPECT_EQ(open_database()->search_clients("").size(), 2u);
}

TEST_P(BulkFailureTest, AFailingDeleteUndoesTheWholeDeletionAndIsReported)
{
    TextRows vv_clients = imported_clients();
    ASSERT_FALSE(database->insert_clients(vv_clients));
    refuse_row("DELETE", "clients", "OLD.id = 'Caio'", GetParam());
    const TextRows vv_before = database->search_clients("");
    EXPECT_TRUE(database->delete_clients({"Ana", "Caio", "Bia"}));
    EXPECT_EQ(database->search_clients(""), vv_before);

    EXPECT_FALSE(database->delete_clients({}));
    EXPECT_FALSE(database->delete_clients({"Ana", "Nobody", "Bia"}));
    EXPECT_EQ(database->search_clients("").size(), 1u);
}

TEST_P(BulkFailureTest, AReplacementWhoseInsertFailsKeepsTheStoredInstance)
{
    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1, 2, "{\"v\":1}", 3));
    refuse_row("INSERT", "instances", "NEW.json = 'refused'", GetParam());
    EXPECT_TRUE(database->replace_instance("I", "2024-02-01", "20240201", 5, 6, "refused", 7));
    EXPECT_EQ(database->select_all_instances(),
              (TextRows{{"I", "2024-01-15", "20240115", "1.0", "2.0", "{\"v\":1}", "3.0"}}));
}

INSTANTIATE_TEST_SUITE_P(Raise, BulkFailureTest, testing::Values("ROLLBACK", "ABORT", "FAIL"));

TEST_F(BulkTest, ReplacingAnInstanceStoresTheNewOneLast)
{
    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1, 2, "{\"v\":1}", 3));
    ASSERT_FALSE(database->insert_instance("J", "2024-01-16", "20240116", 1, 2, "{}", 3));
    EXPECT_FALSE(database->replace_instance("I", "2024-02-01", "20240201", 5, 6, "{\"v\":2}", 7));
    EXPECT_EQ(database->select_all_instances(),
              (TextRows{{"J", "2024-01-16", "20240116", "1.0", "2.0", "{}", "3.0"},
                        {"I", "2024-02-01", "20240201", "5.0", "6.0", "{\"v\":2}", "7.0"}}));
    EXPECT_FALSE(database->replace_instance("K", "2024-02-01", "20240201", 5, 6, "{}", 7));
    EXPECT_EQ(database->select_all_instances().size(), 3u);
}
