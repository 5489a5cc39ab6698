#include "check_failure.h"
#include "full_instance_check.h"
#include "json_access.h"

#include <utility>
#include <vector>

namespace {

// The first m entries of every row as numbers; false when a row is short or holds
// anything else.
bool read_square(const rapidjson::Value& rows, std::vector<std::vector<double>>& vv_out)
{
    const rapidjson::SizeType m = rows.Size();
    for (const rapidjson::Value& row : rows.GetArray()) {
        if (!row.IsArray() || row.Size() < m) {
            return false;
        }
        std::vector<double> v_row;
        for (rapidjson::SizeType k = 0; k < m; ++k) {
            if (!is_finite_number(row[k])) {
                return false;
            }
            v_row.push_back(row[k].GetDouble());
        }
        vv_out.push_back(std::move(v_row));
    }
    return true;
}

}  // namespace

bool is_triangular_check(const rapidjson::Document& document)
{
    const rapidjson::Value* data = input_part(document, "data");
    const rapidjson::Value* distances = data ? find_member(*data, "Mdij") : nullptr;
    std::vector<std::vector<double>> vv_d;
    if (distances == nullptr || !distances->IsArray() || !read_square(*distances, vv_d)) {
        return false;
    }
    const size_t m = vv_d.size();
    for (size_t i = 0; i < m; ++i) {
        for (size_t j = 0; j < m; ++j) {
            for (size_t k = 0; k < m && j != i; ++k) {
                // Exact comparison: a detour of the same length passes.
                if (k != i && k != j && vv_d[j][k] > vv_d[j][i] + vv_d[i][k]) {
                    return false;
                }
            }
        }
    }
    return true;
}
