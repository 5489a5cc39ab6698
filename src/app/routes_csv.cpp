#include "routes_csv.h"

#include "route_links.h"
#include "solution_view.h"

namespace {

std::vector<std::string> visits_header(const std::string& s_language)
{
    if (s_language == "POR") {
        return {"Rota", "Veiculo", "Nome", "Endereco", "Numero", "Bairro", "Cidade",
                "Janela de tempo inicial", "Janela de tempo final", "Chegada", "Saida", "Demanda",
                "Notas"};
    }
    if (s_language == "ENG") {
        return {"Route", "Vehicle", "Name", "Address", "Number", "Neighborhood", "City",
                "Begin time window", "End time window", "Arrival", "Departure", "Demand", "Notes"};
    }
    if (s_language == "GER") {
        return {"Route", "Fahrzeug", "Name", "Adresse", "Nummer", "Stadtteil", "Stadt",
                "Begginzeitfenster", "Endzeitfenster", "Ankunft", "Abfahrt", "Nachfrage", "Notizen"};
    }
    return {};
}

std::vector<std::string> links_header(const std::string& s_language)
{
    if (s_language == "POR") {
        return {"Rota", "Weblink"};
    }
    if (s_language == "ENG" || s_language == "GER") {
        return {"Route", "Weblink"};
    }
    return {};
}

// The routes grid's row as file cells; an unrouted client has no arrival at all.
std::vector<std::string> file_row(const RoutesGridRow& v_grid_row)
{
    std::vector<std::string> v_row;
    for (const QVariant& cell : v_grid_row) {
        v_row.push_back(cell.toString().toStdString());
    }
    const bool unrouted = v_grid_row[0].userType() != QMetaType::UInt;
    if (unrouted && v_row.size() > 9) {
        v_row[9].clear();
    }
    return v_row;
}

void add_header(TextTable& vv_table, const std::vector<std::string>& v_header)
{
    if (!v_header.empty()) {
        vv_table.push_back(v_header);
    }
}

}  // namespace

TextTable routes_csv_table(const rapidjson::Value& document, const std::string& s_language)
{
    TextTable vv_table;
    add_header(vv_table, visits_header(s_language));
    for (const RoutesGridRow& v_grid_row : routes_grid_rows(document)) {
        vv_table.push_back(file_row(v_grid_row));
    }
    vv_table.push_back({std::string()});
    add_header(vv_table, links_header(s_language));
    const TextTable vv_links = route_direction_links(document);
    vv_table.insert(vv_table.end(), vv_links.begin(), vv_links.end());
    return vv_table;
}
