#include "database_records.h"

#include "geocoding.h"
#include "text_table.h"
#include "whole_number.h"

#include <QtGlobal>

namespace {

// Untranslated texts of the faults, one per required client field.
const char* const k_missing_field[k_client_fields] = {
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client name."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client address."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client number."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client neighborhood."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client city."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client state."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client country."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client lat."),
    QT_TRANSLATE_NOOP("DatabaseWindow", "Missing client long.")};

constexpr int k_address_fields = 7;  // name and the six address parts

}  // namespace

const char* client_form_fault(const QStringList& v_fields, bool with_lat_long)
{
    const int required = with_lat_long ? k_client_fields : k_address_fields;
    for (int i = 0; i < required; ++i) {
        if (i >= v_fields.size() || v_fields[i].isEmpty()) {
            return k_missing_field[i];
        }
    }
    if (!with_lat_long) {
        return nullptr;
    }
    std::string s_lat = v_fields[7].toStdString();
    std::string s_long = v_fields[8].toStdString();
    if (!check_lat_long(s_lat, s_long)) {
        return QT_TRANSLATE_NOOP("DatabaseWindow", "Invalid lat/long values.");
    }
    return nullptr;
}

int leading_whole_number(const std::string& s_text)
{
    return leading_whole_number_or(s_text, 0);
}

double decimal_number(const std::string& s_text)
{
    bool ok = false;
    const double value = QString::fromStdString(s_text).trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

QString coded_date(const QDate& date)
{
    return QString::number(date.year()) + QString("%1").arg(date.month(), 2, 10, QChar('0')) +
           QString("%1").arg(date.day(), 2, 10, QChar('0'));
}

QString display_date(const std::string& s_stored_date)
{
    const QDate date = QDate::fromString(QString::fromStdString(s_stored_date), "yyyy-MM-dd");
    return date.isValid() ? date.toString("dd/MM/yyyy") : QString();
}

std::vector<std::string> instance_grid_row(const std::vector<std::string>& v_instance)
{
    const TextTable vv_row{v_instance};
    return {cell_at(vv_row, 0, 0), cell_at(vv_row, 0, 3), cell_at(vv_row, 0, 4),
            cell_at(vv_row, 0, 6), display_date(cell_at(vv_row, 0, 1)).toStdString()};
}
