#include "database_test_support.h"
#include "sql_numbers.h"

#include <clocale>
#include <cstdio>

namespace {

// Sets the first installed locale whose decimal separator is a comma, as Qt does
// under pt_BR; restores the previous one when done.
class CommaLocale {
public:
    CommaLocale() : s_previous(std::setlocale(LC_ALL, nullptr))
    {
        for (const char* s_name : {"pt_BR.UTF-8", "pt_BR.utf8", "de_DE.UTF-8", "de_DE.utf8",
                                   "fr_FR.UTF-8", "pt_BR", "de_DE"}) {
            char s_text[32];
            if (std::setlocale(LC_ALL, s_name) != nullptr &&
                std::snprintf(s_text, sizeof s_text, "%f", 0.5) > 0 &&
                std::string(s_text) == "0,500000") {
                active = true;
                return;
            }
        }
        std::setlocale(LC_ALL, s_previous.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, s_previous.c_str()); }
    bool active = false;

private:
    std::string s_previous;
};

}  // namespace

TEST(SqlNumbers, WritesPrintfFormsWithAPointInEveryLocale)
{
    CommaLocale comma_locale;
    EXPECT_EQ(sql_double_text(12.5), "12.500000");
    EXPECT_EQ(sql_double_text(-0.0000004), "-0.000000");
    EXPECT_EQ(sql_double_text(1234567.1234567), "1234567.123457");
    EXPECT_EQ(sql_int_text(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(sql_int_text(1234567), "1234567");  // no digit grouping
}

TEST_F(DatabaseTest, NumbersAreStoredAsNumbersUnderACommaLocale)
{
    CommaLocale comma_locale;
    if (!comma_locale.active) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    auto database = open_database();
    ASSERT_FALSE(database->insert_vehicle("Truck", 1000, 2, 12.5, 0.25));
    EXPECT_EQ(database->select_vehicle_by_id("Truck"),
              (TextRows{{"Truck", "1000", "2", "12.5", "0.25"}}));
    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1234.5, 0.5, "{}", 9.75));
    EXPECT_EQ(database->select_instance_by_id("I").at(0).at(3), "1234.5");
}
