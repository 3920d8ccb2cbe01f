#include "platform/dialogs.h"

#include <QStringList>

QString qtFilterFromProgramFilter(const QString& programFilter) {
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList filters;
    // Parts come in name/pattern pairs; a name left without its pattern is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QStringList linuxPatterns;
        for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            // A Windows program ("Java.exe") has no extension here: the pattern stands for the
            // program and its companions named after it (java, javac).
            if (pattern.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
                const QString program = pattern.chopped(4).toLower();
                linuxPatterns << program << program + QLatin1Char('*');
            } else {
                linuxPatterns << pattern;
            }
        }
        linuxPatterns.removeDuplicates();
        filters << QStringLiteral("%1 (%2)").arg(parts[i], linuxPatterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}
