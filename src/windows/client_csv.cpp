#include "client_csv.h"

#include <algorithm>
#include <cstdio>

namespace {

const std::vector<std::string> k_portuguese{"Nome",   "Endereco", "Numero", "Bairro", "Cidade",
                                            "Estado", "Pais",     "lat",    "long"};
const std::vector<std::string> k_english{"Name",  "Address", "Number", "Neighborhood", "City",
                                         "State", "Country", "lat",    "long"};
const std::vector<std::string> k_german{"Name",  "Adresse", "Nummer", "Stadtteil", "Stadt",
                                        "Staat", "Land",    "lat",    "long"};

constexpr size_t k_required_cells = 7;  // name and the six address parts
const std::vector<int32_t> k_lat_long_columns{7, 8};

}  // namespace

std::vector<std::string> client_csv_header_words(const std::string& s_language)
{
    if (s_language == "POR") {
        return k_portuguese;
    }
    if (s_language == "ENG") {
        return k_english;
    }
    if (s_language == "GER") {
        return k_german;
    }
    return {};
}

bool csv_header_starts_with(const TextTable& vv_table, const std::vector<std::string>& v_words)
{
    if (v_words.empty() || vv_table.empty() || vv_table[0].size() < v_words.size()) {
        return false;
    }
    return std::equal(v_words.begin(), v_words.end(), vv_table[0].begin());
}

bool client_csv_header_ok(const TextTable& vv_table, const std::string& s_language)
{
    return csv_header_starts_with(vv_table, client_csv_header_words(s_language));
}

std::vector<std::string> client_csv_problem_rows(const TextTable& vv_table)
{
    std::vector<std::string> v_rows;
    for (size_t i = 1; i < vv_table.size(); ++i) {
        const auto& v_row = vv_table[i];
        const bool short_row = v_row.size() < static_cast<size_t>(k_client_csv_columns);
        if (short_row || std::any_of(v_row.begin(), v_row.begin() + k_required_cells,
                                     [](const std::string& s_cell) { return s_cell.empty(); })) {
            char s_number[24];
            std::snprintf(s_number, sizeof s_number, "%u", static_cast<unsigned>(i));
            v_rows.push_back(s_number);
        }
    }
    return v_rows;
}

TextTable client_csv_template(const std::string& s_language)
{
    const std::vector<std::string> v_header = client_csv_header_words(s_language);
    if (v_header.empty()) {
        return {};
    }
    return {
        v_header,
        {"Depot", "Rua XV de Novembro", "1000", "Centro", "Curitiba", "Parana", "Brasil", "", ""},
        {"Cliente 1", "Avenida Sete de Setembro", "2775", "Reboucas", "Curitiba", "Parana",
         "Brasil", "", ""},
        {"Mercado Bom Preco", "Rua Mateus Leme", "4700", "Sao Lourenco", "Curitiba", "Parana",
         "Brasil", "", ""}};
}

std::string csv_file_name(const std::string& s_chosen)
{
    // The folders stay as chosen, even one whose name holds ".csv".
    const size_t name_start = s_chosen.find_last_of('/') + 1;  // npos + 1 == 0
    std::string s_name = s_chosen.substr(name_start);
    return s_chosen.substr(0, name_start) + replace_all(s_name, ".csv", "") + ".csv";
}

void lat_long_to_decimal_comma(TextTable& vv_table, uint8_t first_row)
{
    replace_in_columns(vv_table, k_lat_long_columns, ".", ",", first_row);
}
