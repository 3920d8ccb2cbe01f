#pragma once
// Reads the items of a keyword file: an item ends at a comma or at the end of a line, leading
// blanks are skipped, and an item in double quotes may hold commas (the quotes are dropped).
#include <QString>
#include <QStringList>

QStringList readDelimitedItems(const QString& text);
