#include "google_matrix.h"

#include "matrix_document.h"

namespace {

std::string point(const rapidjson::Document& document, int64_t i)
{
    const auto index = static_cast<uint32_t>(i);
    return client_coordinate(document, index, "lat") + "," +
           client_coordinate(document, index, "long");
}

// Points of clients first to last joined by "|"; empty when first > last.
std::string point_list(const rapidjson::Document& document, int64_t first, int64_t last)
{
    std::string s_list;
    for (int64_t i = first; i <= last; ++i) {
        s_list += (i == first ? "" : "|") + point(document, i);
    }
    return s_list;
}

std::string all_points(const rapidjson::Document& document)
{
    return point_list(document, 0, int64_t{client_count(document)} - 1);
}

}  // namespace

std::string build_google_od_all(const rapidjson::Document& document)
{
    return "&origins=" + all_points(document) + "&destinations=" + all_points(document);
}

std::string build_google_od_origin_range(const rapidjson::Document& document, uint32_t first,
                                         uint32_t last)
{
    return "&origins=" + point_list(document, first, last) +
           "&destinations=" + all_points(document);
}

std::string build_google_od_row(const rapidjson::Document& document, uint32_t origin,
                                uint32_t first, uint32_t last)
{
    return "&origins=" + point(document, origin) +
           "&destinations=" + point_list(document, first, last);
}
