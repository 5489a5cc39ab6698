#include "grid_client_csv.h"

#include "accents.h"
#include "client_csv.h"
#include "grid_operations.h"

#include <QAbstractItemModel>
#include <QDateTime>

#include <algorithm>

namespace {

const char k_csv_date_format[] = "dd/MM/yyyy HH:mm";

// The columns after the nine of the database window's client files.
const std::vector<std::string> k_portuguese_tail = {
    "Janela de tempo inicial", "Janela de tempo final", "Tempo de servico", "Demanda", "Notas"};
const std::vector<std::string> k_english_tail = {"Begin time window", "End time window",
                                                 "Service time", "Demand", "Notes"};
const std::vector<std::string> k_german_tail = {"Begginzeitfenster", "Endzeitfenster", "Lieferzeit",
                                                "Nachfrage", "Notizen"};

// Time windows written as the import reads them, so that the template imports as it stands.
const TextTable k_template_rows = {
    {"Depot", "Rua XV de Novembro", "824", "Centro", "Curitiba", "Parana", "Brasil", "", "",
     "12/02/2021 08:00", "12/02/2021 18:00", "0", "1"},
    {"Cliente 1", "Avenida Sete de Setembro", "4121", "Batel", "Curitiba", "Parana", "Brasil", "",
     "", "12/02/2021 08:00", "12/02/2021 18:00", "0", "1"},
    {"Mercado Central", "Rua Mateus Leme", "420", "Sao Francisco", "Curitiba", "Parana", "Brasil",
     "", "", "12/02/2021 08:00", "12/02/2021 08:30", "0", "1"}};

QString cell_text(const TextTable& vv_table, size_t row, int32_t column)
{
    return QString::fromStdString(cell_at(vv_table, row, column));
}

// The import and its check read a time-window cell one way.
QDateTime cell_time(const TextTable& vv_table, size_t row, int32_t column)
{
    return QDateTime::fromString(cell_text(vv_table, row, column), k_csv_date_format);
}

}  // namespace

std::vector<std::string> grid_csv_header(const std::string& s_language)
{
    std::vector<std::string> v_header = client_csv_header_words(s_language);
    const std::vector<std::string>& v_tail = s_language == "POR"   ? k_portuguese_tail
                                             : s_language == "ENG" ? k_english_tail
                                                                   : k_german_tail;
    if (!v_header.empty()) {
        v_header.insert(v_header.end(), v_tail.begin(), v_tail.end());
    }
    return v_header;
}

bool grid_csv_header_matches(const TextTable& vv_table, const std::string& s_language)
{
    std::vector<std::string> v_header = grid_csv_header(s_language);
    v_header.resize(std::min(v_header.size(), k_grid_csv_required_columns));
    return csv_header_starts_with(vv_table, v_header);
}

TextTable grid_csv_template(const std::string& s_language)
{
    std::vector<std::string> v_header = grid_csv_header(s_language);
    if (v_header.empty()) {
        return {};
    }
    v_header.resize(k_grid_csv_required_columns);
    TextTable vv_template = {v_header};
    vv_template.insert(vv_template.end(), k_template_rows.begin(), k_template_rows.end());
    return vv_template;
}

std::vector<std::vector<QVariant>> grid_csv_rows(const TextTable& vv_table)
{
    std::vector<std::vector<QVariant>> vv_rows;
    const bool with_notes = !vv_table.empty() && vv_table[0].size() == k_grid_csv_columns;
    for (size_t r = 1; r < vv_table.size(); ++r) {
        std::vector<QVariant> v_row(k_grid_csv_columns, QString());
        for (int32_t column : {0, 1, 2, 3, 4, 5, 6, 11, 12}) {
            v_row[static_cast<size_t>(column)] = cell_text(vv_table, r, column);
        }
        v_row[7] = cell_text(vv_table, r, 7).replace(',', '.');
        v_row[8] = cell_text(vv_table, r, 8).replace(',', '.');
        v_row[9] = cell_time(vv_table, r, 9);
        v_row[10] = cell_time(vv_table, r, 10);
        if (with_notes) {
            v_row[13] = cell_text(vv_table, r, 13);
        }
        vv_rows.push_back(v_row);
    }
    return vv_rows;
}

bool first_unreadable_time_window(const TextTable& vv_table, size_t rows, size_t& row,
                                  int& column)
{
    for (size_t r = 1; r < vv_table.size() && r <= rows; ++r) {
        for (const int32_t time_column : {9, 10}) {
            if (!cell_text(vv_table, r, time_column).isEmpty() &&
                !cell_time(vv_table, r, time_column).isValid()) {
                row = r;
                column = time_column;
                return true;
            }
        }
    }
    return false;
}

std::vector<std::string> grid_csv_row(const QAbstractItemModel& model, int row)
{
    std::vector<std::string> v_row(k_grid_csv_columns);
    for (int column : {0, 1, 2, 3, 4, 5, 6, 13}) {
        v_row[static_cast<size_t>(column)] =
            remove_accents(grid_cell_text(model, row, column)).toStdString();
    }
    for (int column : {7, 8}) {
        v_row[static_cast<size_t>(column)] =
            grid_cell_text(model, row, column).replace('.', ',').toStdString();
    }
    for (int column : {9, 10}) {
        const QDateTime time = model.data(model.index(row, column), Qt::DisplayRole).toDateTime();
        v_row[static_cast<size_t>(column)] =
            time.isValid() ? time.toString(k_csv_date_format).toStdString() : std::string();
    }
    for (int column : {11, 12}) {
        v_row[static_cast<size_t>(column)] = grid_cell_text(model, row, column).toStdString();
    }
    return v_row;
}
