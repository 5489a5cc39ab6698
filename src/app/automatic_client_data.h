#pragma once
// Default values written into the empty cells of the filled client rows, each group
// switched on by its setting ("1") in the settings window.

#include <QDateTime>

#include <map>
#include <string>

class QStandardItemModel;

// Fills the first filled_rows rows of the client grid from the settings (a missing
// key reads as ""). Time windows start at the depot's early time window, or at
// fallback_start when that cell holds no valid date-time; an auto_tw_value that does
// not begin with a whole number leaves the time windows untouched.
void fill_automatic_client_data(QStandardItemModel& model, int filled_rows,
                                const std::map<std::string, std::string>& settings,
                                const QDateTime& fallback_start);
