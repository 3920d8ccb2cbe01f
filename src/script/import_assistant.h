#pragma once
// The question the import assistant asks when a class is declared in several packages.
#include <QString>
#include <QStringList>

constexpr int MostPackagesOffered = 4;

// One numbered line per package (at most MostPackagesOffered), then the request for a number.
QString packageChoicePrompt(const QStringList& packages);
