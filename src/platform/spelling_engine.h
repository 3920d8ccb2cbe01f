#pragma once
// The spelling engine behind the start-up probe and the spelling dialogs.
#include <QString>
#include <QStringList>

class SpellingEngine {
public:
    virtual ~SpellingEngine() = default;
    virtual bool available() const = 0;
    virtual bool CheckSpelling(const QString& word) = 0;
    virtual QStringList suggestions(const QString& word) = 0;
};
