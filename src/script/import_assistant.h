#pragma once
// The question the import assistant asks when a class is declared in several packages.
#include <QString>
#include <QStringList>

#include "core/keyword_tables.h"

// One numbered line per package (at most javaPackagesPerClass), then the request for a number.
QString packageChoicePrompt(const QStringList& packages);
