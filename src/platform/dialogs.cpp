#include "platform/dialogs.h"

#include <QStringList>

QString qtFilterFromProgramFilter(const QString& programFilter) {
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList filters;
    // Parts come in name/pattern pairs; a name left without its pattern is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified());
    }
    return filters.join(QStringLiteral(";;"));
}
