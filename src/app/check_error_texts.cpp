#include "check_error_texts.h"

#include "json_access.h"

#include <QCoreApplication>

#include <array>

ResultState result_state(const rapidjson::Value& document, std::string& s_code)
{
    s_code.clear();
    const rapidjson::Value* output = find_member(document, "output");
    if (!output || !output->IsObject()) {
        return ResultState::no_result;
    }
    const rapidjson::Value* meta_info = find_member(*output, "meta_info");
    // A meta_info that is no object cannot be read for its record: it counts as one.
    if (!meta_info || (meta_info->IsObject() && !meta_info->HasMember("error"))) {
        return ResultState::solved;
    }
    read_string_member(*meta_info, "error", s_code);
    return ResultState::failed;
}

CheckErrorText check_error_text(const std::string& s_code)
{
    struct Row {
        const char* s_code;
        const char* s_box;
    };
    static const std::array<Row, 7> rows = {{
        {"missing_json_field", QT_TRANSLATE_NOOP("MainWindow", "Missing json field (json)")},
        {"missing_matrix", QT_TRANSLATE_NOOP("MainWindow", "Distance matrix problem (json)")},
        {"invalid_distance_query",
         QT_TRANSLATE_NOOP("MainWindow", "Distance matrix API problem - invalid_query (json)")},
        {"undefined_osrm_http_error",
         QT_TRANSLATE_NOOP("MainWindow", "Undefined OSRM API problem (json)")},
        {"no_internet_connection", QT_TRANSLATE_NOOP("MainWindow", "No internet connection")},
        {"too_many_clients",
         QT_TRANSLATE_NOOP("MainWindow", "Too many clients on distance matrix (json)")},
        {"osrm_api_error", QT_TRANSLATE_NOOP("MainWindow", "OSRM API error (json)")},
    }};
    const auto translated = [](const char* s_text) {
        return QCoreApplication::translate("MainWindow", s_text);
    };
    if (s_code == "over_query_limit_google") {
        return {translated(QT_TRANSLATE_NOOP("MainWindow", "Exceding google request allowed...")),
                translated(QT_TRANSLATE_NOOP("MainWindow",
                                             "Exceding google request allowed for time period, "
                                             "please check your google API configurations"))};
    }
    const QString s_status =
        translated(QT_TRANSLATE_NOOP("MainWindow", "Problem generating input file..."));
    for (const Row& row : rows) {
        if (s_code == row.s_code) {
            return {s_status, translated(row.s_box)};
        }
    }
    return {s_status, translated(QT_TRANSLATE_NOOP(
                          "MainWindow", "Problem generating the input data file (json)"))};
}
