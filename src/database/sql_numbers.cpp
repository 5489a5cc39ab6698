#include "sql_numbers.h"

#include <iomanip>
#include <locale>
#include <sstream>

namespace {

std::ostringstream c_locale_stream()
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    return stream;
}

}  // namespace

std::string sql_int_text(int value)
{
    std::ostringstream stream = c_locale_stream();
    stream << value;
    return stream.str();
}

std::string sql_double_text(double value)
{
    std::ostringstream stream = c_locale_stream();
    stream << std::fixed << std::setprecision(6) << value;
    return stream.str();
}
