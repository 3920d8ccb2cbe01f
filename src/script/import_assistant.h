#pragma once
// The question the import assistant asks when a class is declared in several packages.
#include <QString>
#include <QStringList>

#include "core/java_class_packages.h"

// One numbered line per package (at most javaPackagesPerClass), then the request for a number.
QString packageChoicePrompt(const QStringList& packages);
