#include "platform/shell_quote.h"

#include <algorithm>

QString shellQuoted(const QString& argument) {
    // Left bare only when no shell gives any of its characters a meaning; "=" is not among
    // them, since a first word holding one would be taken as a variable assignment.
    const bool bare = !argument.isEmpty() && std::all_of(argument.begin(), argument.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               QStringView(u"_-./:,+@%").contains(c);
    });
    if (bare) return argument;
    // Inside single quotes nothing is special; a single quote itself ends them, is given
    // escaped, and they open again.
    QString quoted = argument;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString shellCommandLine(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments) quoted << shellQuoted(argument);
    return quoted.join(QLatin1Char(' '));
}
