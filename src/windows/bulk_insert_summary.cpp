#include "bulk_insert_summary.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
constexpr int k_names_shown = 5;
}  // namespace

QString bulk_insert_summary(const BulkInsertReport& report)
{
    QString s_text = QCoreApplication::translate("BulkInsertSummary", "Clients stored: %1.")
                         .arg(report.n_stored);
    if (report.v_skipped_ids.empty()) {
        return s_text;
    }
    QStringList v_names;
    for (const std::string& s_id : report.v_skipped_ids) {
        if (v_names.size() == k_names_shown) {
            v_names.append("...");
            break;
        }
        v_names.append(QString::fromStdString(s_id));
    }
    return s_text + ' ' +
           QCoreApplication::translate("BulkInsertSummary",
                                       "Clients skipped because a client of that name already "
                                       "exists: %1 (%2).")
               .arg(report.v_skipped_ids.size())
               .arg(v_names.join(", "));
}
