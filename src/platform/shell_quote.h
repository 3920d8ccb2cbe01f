#pragma once
// Command lines for a POSIX shell, for where one is shown to the user or written down for the
// user to run again: every argument comes out quoted so that the shell hands it on unchanged,
// whatever blanks, quotes, "$", backticks or ";" it holds. Programs the editor starts itself
// get argument lists and never see a shell.
#include <QString>
#include <QStringList>

QString shellQuoted(const QString& argument);
// The arguments quoted and joined by blanks.
QString shellCommandLine(const QStringList& arguments);
