#include "database_test_support.h"

namespace {

const TextRows vv_stored = {{"Ana", "Rua A", "1", "Centro", "Curitiba", "PR", "BR", "1", "2", "RUA A1"}};

// A stored client, and rows to import: a header, a new one with decimal commas, one
// whose id is stored and a short one.
class BulkTest : public DatabaseTest, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        database = open_database();
        ASSERT_FALSE(insert(*database, vv_stored[0]));
    }

    // A trigger stands for a row that fails for a reason other than its key.
    void refuse_row(const std::string& s_event, const std::string& s_table,
                    const std::string& s_when)
    {
        run_sql("CREATE TRIGGER refuse BEFORE " + s_event + " ON " + s_table + " WHEN " + s_when +
                " BEGIN SELECT RAISE(" + GetParam() + ", 'refused'); END;");
    }

    std::unique_ptr<Database> database;
    TextRows vv_imported = {{"name", "address", "number"},
                            {"Bia", "Rua b", "2", "Centro", "Curitiba", "PR", "BR", "-25,4284",
                             "-49,27"},
                            {"Ana", "Other", "9", "x", "x", "x", "x", "0", "0"},
                            {"Caio", "Rua c", "3b"}};
};

}  // namespace

TEST_F(BulkTest, StoredIdsAreSkippedShortRowsGetEmptyCellsAndCommasBecomePoints)
{
    for (TextRows vv_clients : {TextRows{}, TextRows{{}}, TextRows{{"name", "address"}}}) {
        EXPECT_FALSE(database->insert_clients(vv_clients));
    }
    EXPECT_EQ(database->search_clients(""), vv_stored);

    EXPECT_FALSE(database->insert_clients(vv_imported));
    EXPECT_EQ(vv_imported[1][7], "-25.4284");
    EXPECT_EQ(vv_imported[3].size(), 3u);  // the caller's short row is not grown
    TextRows vv_expected = vv_stored;
    vv_expected.push_back(
        {"Bia", "Rua b", "2", "Centro", "Curitiba", "PR", "BR", "-25.4284", "-49.27", "RUA B2"});
    vv_expected.push_back({"Caio", "Rua c", "3b", "", "", "", "", "", "", "RUA C3B"});
    EXPECT_EQ(database->search_clients(""), vv_expected);
}

TEST_P(BulkTest, AFailingRowUndoesTheWholeInsertAndIsReported)
{
    refuse_row("INSERT", "clients", "NEW.id = 'Caio'");
    EXPECT_TRUE(database->insert_clients(vv_imported));
    EXPECT_EQ(database->search_clients(""), vv_stored);
    // No transaction is left open: a later insert is stored for good.
    ASSERT_FALSE(database->insert_client("Duda", "r", "1", "n", "c", "s", "p", "1", "2"));
    database.reset();
    EXPECT_EQ(open_database()->search_clients("").size(), 2u);
}

TEST_P(BulkTest, AFailingDeleteUndoesTheWholeDeletionAndIsReported)
{
    ASSERT_FALSE(database->insert_clients(vv_imported));
    refuse_row("DELETE", "clients", "OLD.id = 'Caio'");
    const TextRows vv_before = database->search_clients("");
    EXPECT_TRUE(database->delete_clients({"Ana", "Caio", "Bia"}));
    EXPECT_EQ(database->search_clients(""), vv_before);
    EXPECT_FALSE(database->delete_clients({"Ana", "Nobody", "Bia"}));
    EXPECT_EQ(first_cells(database->search_clients("")), std::vector<std::string>{"Caio"});
}

TEST_P(BulkTest, AReplacementWhoseInsertFailsKeepsTheStoredInstance)
{
    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1, 2, "{\"v\":1}", 3));
    refuse_row("INSERT", "instances", "NEW.json = 'refused'");
    EXPECT_TRUE(database->replace_instance("I", "2024-02-01", "20240201", 5, 6, "refused", 7));
    EXPECT_EQ(database->select_all_instances(),
              (TextRows{{"I", "2024-01-15", "20240115", "1.0", "2.0", "{\"v\":1}", "3.0"}}));
}

INSTANTIATE_TEST_SUITE_P(Raise, BulkTest, testing::Values("ROLLBACK", "ABORT", "FAIL"));

TEST_F(BulkTest, ReplacingAnInstanceStoresTheNewOneLast)
{
    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1, 2, "{\"v\":1}", 3));
    ASSERT_FALSE(database->insert_instance("J", "2024-01-16", "20240116", 1, 2, "{}", 3));
    EXPECT_FALSE(database->replace_instance("I", "2024-02-01", "20240201", 5, 6, "{\"v\":2}", 7));
    EXPECT_FALSE(database->replace_instance("K", "2024-02-01", "20240201", 5, 6, "{}", 7));
    EXPECT_EQ(first_cells(database->select_all_instances()),
              (std::vector<std::string>{"J", "I", "K"}));
    EXPECT_EQ(database->select_instance_by_id("I"),
              (TextRows{{"I", "2024-02-01", "20240201", "5.0", "6.0", "{\"v\":2}", "7.0"}}));
}
