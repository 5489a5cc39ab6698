#include "accents.h"

QString remove_accents(const QString& s_text)
{
    const QString s_decomposed = s_text.normalized(QString::NormalizationForm_D);
    QString s_kept;
    s_kept.reserve(s_decomposed.size());
    for (const QChar c : s_decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            s_kept.append(c);
        }
    }
    return s_kept.normalized(QString::NormalizationForm_C);
}

QString remove_accents_from_file_name(const QString& s_path)
{
    const int name_start = s_path.lastIndexOf('/') + 1;
    return s_path.left(name_start) + remove_accents(s_path.mid(name_start));
}
